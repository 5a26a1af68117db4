// The window of the title screen.
#pragma once

#include <QMainWindow>

#include "app/view.h"

class QLabel;
class QLineEdit;

namespace zentar {

class Application;
struct Form1;

class TitleView : public QMainWindow, public View {
  public:
    explicit TitleView(Application& app);
    QWidget* widget() override { return this; }
    void sync() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Form1* screen() const;

    Application& app_;
    QLabel* label1_[3];
    QLabel* label2_;
    QLineEdit* nam_;
    QLabel* image1_;
};

}  // namespace zentar
