// The artwork generator: every picture of the game drawn with QPainter, in one
// flat, bold-outlined comic style. The same program always draws the same files.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace art {

inline const QColor kInk(24, 16, 20);
inline constexpr double kLine = 4.0;  // outline width of the portraits

// Outline pen in the house style.
QPen ink(double width = kLine);
// A filled shape with the bold outline.
void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, double width = kLine);
void ellipse(QPainter& p, QPointF centre, double rx, double ry, const QColor& fill,
             double width = kLine);
// A simple deterministic generator for scattered details (stars, sparks, rubble).
class Dice {
  public:
    explicit Dice(unsigned seed) : state_(seed) {}
    double next();  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

  private:
    unsigned state_;
};

// Reduces a picture to at most `colours` colours, as the game's palettes ask.
QImage quantize(const QImage& image, int colours);

QImage portrait(int country);  // KAO(0..13), 180 × 210
QImage soldierIcon(int n);     // ICONS(0..5), 32 × 32
QImage banner(int frame);      // FE1(0..1)
QImage titlePicture();         // 585 × 453
QImage endingPicture();        // 202 × 272
QImage appIcon(int size);

}  // namespace art
