// The window of the main screen.
#pragma once

#include <QMainWindow>

#include "app/view.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QScrollBar;

namespace zentar {

class Application;
struct Form2;

class MainScreenView : public QMainWindow, public View {
  public:
    explicit MainScreenView(Application& app);
    QWidget* widget() override { return this; }
    void sync() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildMenus();

    Application& app_;
    QFrame* my_;
    QLabel* hyo_;
    QPlainTextEdit* st_;
    QScrollBar* kkaze_;
    QLabel* bun_[4];
    QScrollBar* msp_;
};

}  // namespace zentar
