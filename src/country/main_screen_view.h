// The window of the main screen.
#pragma once

#include <QMainWindow>

#include "country/main_screen.h"
#include "widgets/picture_box.h"
#include "widgets/screen_window.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QScrollBar;

namespace zentar {

class MainScreenView : public ScreenWindow<QMainWindow, Form2> {
  public:
    explicit MainScreenView(ScreenHost& app);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void syncFrom(const Form2& f) override;
    void buildMenus();

    QFrame* my_;
    PictureBox* hyo_;
    QPlainTextEdit* st_;
    QScrollBar* kkaze_;
    QLabel* bun_[4];
    QScrollBar* msp_;
};

}  // namespace zentar
