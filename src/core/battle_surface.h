// The battle screen's drawing surface, in twips, which the battle's window provides. An
// effect announces how many shapes it is about to draw, so that the player can watch
// them appear.
#pragma once

#include "core/controls.h"

namespace zentar {

class BattleSurface {
  public:
    virtual ~BattleSurface() = default;
    virtual void beginEffect(int shapes) = 0;
    virtual void fillColor(Rgb colour) = 0;
    virtual void circle(float x, float y, float radius, Rgb colour) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    virtual void box(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    virtual void cls() = 0;
    // The finished picture of an effect stays up a moment before it is cleared.
    virtual void hold() = 0;
};

}  // namespace zentar
