// The title picture, the battle banner, the ending picture and the program's icon.
#include <cmath>

#include "artwork.h"

namespace art {
namespace {

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    auto it = points.begin();
    p.moveTo(*it++);
    for (; it != points.end(); ++it) p.lineTo(*it);
    p.closeSubpath();
    return p;
}

// A flame of height h standing at x on the baseline y.
void flame(QPainter& p, double x, double y, double w, double h, double lean) {
    QPainterPath f;
    f.moveTo(x - w / 2, y);
    f.cubicTo(x - w / 2, y - h * 0.5, x + lean - w * 0.1, y - h * 0.7, x + lean, y - h);
    f.cubicTo(x + lean * 0.3 + w * 0.2, y - h * 0.6, x + w / 2, y - h * 0.4, x + w / 2, y);
    f.closeSubpath();
    fillOutlined(p, f, QColor(250, 120, 30), 2.5);
    QPainterPath core;
    core.moveTo(x - w / 4, y);
    core.cubicTo(x - w / 4, y - h * 0.3, x + lean * 0.5, y - h * 0.45, x + lean * 0.5, y - h * 0.6);
    core.cubicTo(x + w / 6, y - h * 0.35, x + w / 4, y - h * 0.2, x + w / 4, y);
    core.closeSubpath();
    fillOutlined(p, core, QColor(255, 230, 90), 0);
}

void burntHouse(QPainter& p, double x, double base, double w, double h, double tilt) {
    QPainterPath house = polygon({{x, base},
                                  {x, base - h},
                                  {x + w * 0.5 + tilt, base - h - w * 0.45},
                                  {x + w, base - h + 6},
                                  {x + w, base}});
    fillOutlined(p, house, QColor(50, 30, 30), 3);
    p.setPen(ink(2.5));
    p.drawLine(QPointF(x + w * 0.2, base - h * 0.3),
               QPointF(x + w * 0.6, base - h * 0.9));  // broken beams
    p.drawLine(QPointF(x + w * 0.5, base - h * 0.2), QPointF(x + w * 0.9, base - h * 0.7));
    fillOutlined(p,
                 polygon({{x + w * 0.3, base},
                          {x + w * 0.3, base - h * 0.45},
                          {x + w * 0.55, base - h * 0.45},
                          {x + w * 0.55, base}}),
                 QColor(255, 160, 40), 2);
}

}  // namespace

QImage banner(int frame) {
    // One strip that repeats every 62 pixels, so its two halves join without a seam.
    constexpr int kW = 248, kH = 97, kPeriod = 62;
    QImage img(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kH);
    sky.setColorAt(0, QColor(40, 10, 60));
    sky.setColorAt(1, QColor(170, 30, 30));
    p.fillRect(img.rect(), sky);
    const double shift = frame == 0 ? 0 : kPeriod / 2.0;
    for (int k = -1; k <= kW / kPeriod + 1; ++k) {
        const double x = k * kPeriod + shift;
        flame(p, x + 16, kH - 8, 26, frame == 0 ? 56 : 70, frame == 0 ? 6 : -6);
        flame(p, x + 46, kH - 8, 20, frame == 0 ? 40 : 30, frame == 0 ? -4 : 5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 120));
        const double sy = frame == 0 ? 14 : 24;
        p.drawPolygon(QPolygonF({{x + 30, sy - 7},
                                 {x + 32, sy - 2},
                                 {x + 37, sy},
                                 {x + 32, sy + 2},
                                 {x + 30, sy + 7},
                                 {x + 28, sy + 2},
                                 {x + 23, sy},
                                 {x + 28, sy - 2}}));
    }
    fillOutlined(p, polygon({{-4, kH - 10}, {kW + 4, kH - 10}, {kW + 4, kH + 4}, {-4, kH + 4}}),
                 QColor(60, 20, 20), 3);
    p.setPen(QPen(QColor(255, 220, 80), 3));
    p.drawLine(0, 3, kW, 3);
    return img;
}

QImage titlePicture() {
    constexpr int kW = 585, kH = 453;
    QImage img(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kH);
    sky.setColorAt(0, QColor(30, 10, 50));
    sky.setColorAt(0.55, QColor(200, 50, 30));
    sky.setColorAt(1, QColor(255, 170, 60));
    p.fillRect(img.rect(), sky);
    ellipse(p, {470, 90}, 46, 46, QColor(255, 230, 150), 0);  // a blood-red moon behind smoke
    ellipse(p, {470, 90}, 40, 40, QColor(250, 120, 90), 0);
    Dice d(1998);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 26; ++k) {  // smoke
        p.setBrush(QColor(40, 30, 40, 90 + int(d.range(0, 80))));
        p.drawEllipse(QPointF(d.range(0, kW), d.range(40, 230)), d.range(30, 70), d.range(16, 34));
    }
    const double ground = 372;
    fillOutlined(p, polygon({{-5, ground}, {kW + 5, ground - 10}, {kW + 5, kH + 5}, {-5, kH + 5}}),
                 QColor(60, 30, 20), 4);
    burntHouse(p, 30, ground + 2, 110, 80, 10);
    burntHouse(p, 180, ground, 90, 60, -12);
    burntHouse(p, 400, ground - 6, 130, 96, 6);
    for (int k = 0; k < 9; ++k)
        flame(p, 20 + k * 66 + d.range(-10, 10), ground + 6 - (k > 5 ? 6 : 0), d.range(26, 40),
              d.range(50, 110), d.range(-10, 10));
    for (int k = 0; k < 40; ++k) {  // sparks
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220 - int(d.range(0, 80)), 80));
        p.drawEllipse(QPointF(d.range(0, kW), d.range(150, 360)), 2.5, 2.5);
    }
    // The leader in the foreground raises a fist: revenge.
    const QColor shadow(20, 10, 14);
    QPainterPath body;
    body.moveTo(270, kH + 5);
    body.cubicTo(268, 370, 280, 330, 300, 320);
    body.lineTo(326, 320);
    body.cubicTo(346, 330, 358, 370, 356, kH + 5);
    body.closeSubpath();
    fillOutlined(p, body, shadow, 0);
    ellipse(p, {313, 296}, 24, 27, shadow, 0);
    QPainterPath arm;
    arm.moveTo(340, 330);
    arm.lineTo(376, 262);
    arm.lineTo(390, 270);
    arm.lineTo(356, 344);
    arm.closeSubpath();
    fillOutlined(p, arm, shadow, 0);
    ellipse(p, {384, 252}, 14, 14, shadow, 0);
    fillOutlined(p, polygon({{290, 286}, {336, 286}, {336, 293}, {290, 293}}), QColor(220, 40, 40),
                 0);  // headband
    fillOutlined(p, polygon({{290, 288}, {264, 278}, {268, 296}}), QColor(220, 40, 40), 0);
    p.setPen(QPen(QColor(255, 240, 160), 3));  // rays from the fist
    for (int k = 0; k < 8; ++k) {
        const double a = -M_PI / 2 + (k - 3.5) * 0.28;
        p.drawLine(QPointF(384 + 24 * std::cos(a), 252 + 24 * std::sin(a)),
                   QPointF(384 + 44 * std::cos(a), 252 + 44 * std::sin(a)));
    }
    return img;
}

QImage endingPicture() {
    constexpr int kW = 202, kH = 272;
    QImage img(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(250, 220, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 170));
    for (int i = 0; i < 20; i += 2) {  // a burst of glory
        const double a0 = i * M_PI / 10, a1 = (i + 1) * M_PI / 10;
        p.drawPolygon(QPolygonF({QPointF(101, 110),
                                 QPointF(101 + 300 * std::cos(a0), 110 + 300 * std::sin(a0)),
                                 QPointF(101 + 300 * std::cos(a1), 110 + 300 * std::sin(a1))}));
    }
    fillOutlined(p, polygon({{0, 236}, {202, 226}, {202, 276}, {0, 276}}), QColor(90, 170, 70), 3);
    // the flag of victory
    p.setPen(ink(4));
    p.drawLine(QPointF(150, 220), QPointF(150, 30));
    fillOutlined(p, polygon({{150, 30}, {196, 44}, {150, 60}}), QColor(220, 40, 40), 3);
    QPainterPath body;
    body.moveTo(60, 240);
    body.lineTo(70, 160);
    body.cubicTo(80, 146, 122, 146, 132, 160);
    body.lineTo(142, 240);
    body.closeSubpath();
    fillOutlined(p, body, QColor(150, 110, 70));
    fillOutlined(p, polygon({{132, 166}, {150, 120}, {160, 126}, {142, 176}}),
                 QColor(255, 214, 170), 3);  // arm to the flag
    ellipse(p, {101, 112}, 32, 36, QColor(255, 214, 170));
    fillOutlined(p,
                 polygon({{70, 104},
                          {74, 78},
                          {86, 86},
                          {96, 70},
                          {104, 84},
                          {116, 72},
                          {122, 86},
                          {132, 80},
                          {132, 104},
                          {120, 92},
                          {82, 92}}),
                 QColor(60, 40, 30));
    fillOutlined(p, polygon({{69, 94}, {133, 94}, {133, 101}, {69, 101}}), QColor(220, 40, 40), 3);
    for (int side : {-1, 1}) {
        p.setPen(ink(3));
        p.drawArc(QRectF(101 + side * 13 - 6, 110, 12, 8), 0, 180 * 16);  // happy closed eyes
    }
    QPainterPath m;
    m.moveTo(86, 126);
    m.quadTo(101, 144, 116, 126);
    m.closeSubpath();
    fillOutlined(p, m, Qt::white, 3);
    Dice d(7);
    for (int k = 0; k < 10; ++k) {
        const QPointF c(d.range(10, 190), d.range(10, 100));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(c - QPointF(5, 0), c + QPointF(5, 0));
        p.drawLine(c - QPointF(0, 5), c + QPointF(0, 5));
    }
    return img;
}

QImage appIcon(int size) {
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(128, 10);
    shield.cubicTo(180, 30, 220, 30, 240, 26);
    shield.cubicTo(244, 130, 210, 200, 128, 246);
    shield.cubicTo(46, 200, 12, 130, 16, 26);
    shield.cubicTo(36, 30, 76, 30, 128, 10);
    fillOutlined(p, shield, QColor(200, 40, 40), 14);
    flame(p, 128, 214, 120, 170, 8);
    p.end();
    return img.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace art
