// The window of the ending.
#pragma once

#include <QWidget>

#include "ending/ending.h"
#include "widgets/picture_box.h"
#include "widgets/screen_window.h"

class QLabel;

namespace zentar {

class EndingView : public ScreenWindow<QWidget, Form8> {
  public:
    explicit EndingView(ScreenHost& app);

  private:
    void syncFrom(const Form8& f) override;
    QLabel* label1_;
    PictureBox* image1_;
    QLabel* label2_;
    QLabel* label3_;
};

}  // namespace zentar
