// The window of the title screen.
#pragma once

#include <QMainWindow>

#include "title/title.h"
#include "widgets/picture_box.h"
#include "widgets/screen_window.h"

class QLabel;
class QLineEdit;

namespace zentar {

class TitleView : public ScreenWindow<QMainWindow, Form1> {
  public:
    explicit TitleView(ScreenHost& app);

  private:
    void syncFrom(const Form1& f) override;

    QLabel* label1_[3];
    QLabel* label2_;
    QLineEdit* nam_;
    PictureBox* image1_;
};

}  // namespace zentar
