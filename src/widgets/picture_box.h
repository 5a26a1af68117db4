// A picture control: one of the game's pictures stretched over the control, smoothly,
// and never greyed out when its window is disabled.
#pragma once

#include <QWidget>

#include "core/controls.h"

namespace zentar {

class PictureBox : public QWidget {
  public:
    explicit PictureBox(QWidget* parent);
    // Places the box and shows the control's picture.
    void sync(const Picture& c);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PictureId picture_ = PictureId::None;
};

}  // namespace zentar
