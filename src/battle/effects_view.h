// The battle window's effect layer: the surface the item effects draw on, shown over the
// green field while the player watches it fill up.
#pragma once

#include <QImage>
#include <functional>

#include "core/battle_surface.h"

namespace zentar {

class EffectLayer : public BattleSurface {
  public:
    // A transparent layer of `pixels`; `show(milliseconds)` puts what was drawn on the
    // screen and lets the player watch it that long.
    EffectLayer(QSize pixels, std::function<void(int milliseconds)> show);

    const QImage& image() const { return layer_; }

    void beginEffect(int shapes) override;
    void fillColor(Rgb colour) override;
    void circle(float x, float y, float radius, Rgb colour) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void box(float x1, float y1, float x2, float y2, Rgb colour) override;
    void cls() override;
    void hold() override;

  private:
    void shapeDrawn();

    QImage layer_;
    std::function<void(int)> show_;
    int shapesPerFrame_ = 1;
    int pending_ = 0;
};

}  // namespace zentar
