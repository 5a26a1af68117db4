// A horizontal scroll bar as the game's screens know it: it takes the keyboard focus,
// by Tab and by a click, and every way of moving it, an arrow key or a click in the
// trough, moves it by one.
#pragma once

#include <QScrollBar>

namespace zentar {

class StepScrollBar : public QScrollBar {
  public:
    explicit StepScrollBar(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zentar
