// A picture control: one of the game's pictures stretched over the control, smoothly,
// and never greyed out when its window is disabled.
#pragma once

#include <QWidget>

#include "core/controls.h"

namespace zentar {

class Pictures;

class PictureBox : public QWidget {
  public:
    PictureBox(Pictures& pictures, QWidget* parent);
    // Places the box and shows the control's picture.
    void sync(const Picture& c);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Pictures& pictures_;
    PictureId picture_ = PictureId::None;
};

}  // namespace zentar
