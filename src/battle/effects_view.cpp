#include "battle/effects_view.h"

#include <QPainter>
#include <algorithm>

#include "widgets/widgets.h"

namespace zentar {
namespace {

constexpr int kFrameMs = 16;
constexpr int kEffectFrames = 60;  // an effect's shapes appear over about one second
constexpr int kHoldMs = 400;

}  // namespace

EffectLayer::EffectLayer(QSize pixels, std::function<void(int milliseconds)> show)
    : layer_(pixels, QImage::Format_ARGB32_Premultiplied), show_(std::move(show)) {
    layer_.fill(Qt::transparent);
}

void EffectLayer::beginEffect(int shapes) {
    shapesPerFrame_ = std::max(1, (shapes + kEffectFrames - 1) / kEffectFrames);
    pending_ = 0;
}

void EffectLayer::fillColor(Rgb) {
    // Shapes are drawn as outlines, so the fill colour shows nowhere.
}

void EffectLayer::circle(float x, float y, float radius, Rgb colour) {
    QPainter p(&layer_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(qcolor(colour));
    const double s = 1.0 / kTwipsPerPixel;
    p.drawEllipse(QPointF(x * s, y * s), radius * s, radius * s);
    shapeDrawn();
}

void EffectLayer::line(float x1, float y1, float x2, float y2, Rgb colour) {
    QPainter p(&layer_);
    p.setPen(qcolor(colour));
    const double s = 1.0 / kTwipsPerPixel;
    p.drawLine(QPointF(x1 * s, y1 * s), QPointF(x2 * s, y2 * s));
    shapeDrawn();
}

void EffectLayer::box(float x1, float y1, float x2, float y2, Rgb colour) {
    QPainter p(&layer_);
    const double s = 1.0 / kTwipsPerPixel;
    const QRectF r = QRectF(QPointF(x1 * s, y1 * s), QPointF(x2 * s, y2 * s)).normalized();
    p.fillRect(r.adjusted(0, 0, 0.5, 0), qcolor(colour));
    shapeDrawn();
}

void EffectLayer::cls() {
    layer_.fill(Qt::transparent);
    pending_ = 0;
    show_(0);
}

void EffectLayer::hold() {
    show_(kHoldMs);
}

void EffectLayer::shapeDrawn() {
    if (++pending_ < shapesPerFrame_) return;
    pending_ = 0;
    show_(kFrameMs);
}

}  // namespace zentar
