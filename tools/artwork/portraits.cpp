// The fourteen country portraits and the six soldier icons.
#include <cmath>

#include "artwork.h"

namespace art {
namespace {

constexpr int kW = 180, kH = 210;
const QPointF kHead(90, 100);

QColor skin() {
    return QColor(255, 214, 170);
}

QPainterPath path(std::initializer_list<QPointF> points, bool close = true) {
    QPainterPath pth;
    auto it = points.begin();
    pth.moveTo(*it++);
    for (; it != points.end(); ++it) pth.lineTo(*it);
    if (close) pth.closeSubpath();
    return pth;
}

// Sun rays behind the bust, in two tones of the country's colour.
void background(QPainter& p, const QColor& base) {
    p.fillRect(0, 0, kW, kH, base);
    p.setPen(Qt::NoPen);
    p.setBrush(base.lighter(125));
    for (int i = 0; i < 16; i += 2) {
        const double a0 = i * M_PI / 8, a1 = (i + 1) * M_PI / 8;
        p.drawPolygon(QPolygonF({kHead, kHead + QPointF(300 * std::cos(a0), 300 * std::sin(a0)),
                                 kHead + QPointF(300 * std::cos(a1), 300 * std::sin(a1))}));
    }
}

void frame(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 8));
    p.drawRect(QRectF(4, 4, kW - 8, kH - 8));
    p.setPen(QPen(QColor(255, 236, 150), 2));
    p.drawRect(QRectF(9, 9, kW - 18, kH - 18));
}

void shoulders(QPainter& p, const QColor& cloth, double neckWidth = 22) {
    ellipse(p, QPointF(90, 160), neckWidth, 22, skin());
    QPainterPath body;
    body.moveTo(10, kH + 5);
    body.cubicTo(14, 170, 40, 160, 90, 160);
    body.cubicTo(140, 160, 166, 170, 170, kH + 5);
    body.closeSubpath();
    fillOutlined(p, body, cloth);
}

void head(QPainter& p, const QColor& colour = skin(), double rx = 50, double ry = 58) {
    ellipse(p, QPointF(kHead.x() - rx + 4, kHead.y() + 4), 9, 13, colour);  // ears
    ellipse(p, QPointF(kHead.x() + rx - 4, kHead.y() + 4), 9, 13, colour);
    ellipse(p, kHead, rx, ry, colour);
}

enum class Eyes { Normal, Angry, Dots, Haughty, Spiral, Wide, Sad };

void eyes(QPainter& p, Eyes style, double y = 92, double gap = 20) {
    for (int side : {-1, 1}) {
        const QPointF c(kHead.x() + side * gap, y);
        switch (style) {
            case Eyes::Dots:
                ellipse(p, c, 4, 5, kInk, 0);
                break;
            case Eyes::Haughty: {
                ellipse(p, c, 10, 7, Qt::white, 2.5);
                ellipse(p, c + QPointF(0, 2), 5, 5, QColor(60, 110, 200), 0);
                p.setPen(ink(4));
                p.drawLine(c + QPointF(-12, -2), c + QPointF(12, -3));
                for (int k = -1; k <= 1; ++k)
                    p.drawLine(c + QPointF(k * 6 + side * 4, -3),
                               c + QPointF(k * 8 + side * 6, -10));
                break;
            }
            case Eyes::Spiral: {
                ellipse(p, c, 11, 11, Qt::white, 2.5);
                p.setPen(ink(2));
                p.setBrush(Qt::NoBrush);
                QPainterPath s;
                for (int t = 0; t < 60; ++t) {
                    const double a = t * 0.35, r = t * 0.16;
                    const QPointF q = c + QPointF(r * std::cos(a), r * std::sin(a));
                    t == 0 ? s.moveTo(q) : s.lineTo(q);
                }
                p.drawPath(s);
                break;
            }
            case Eyes::Sad:
                ellipse(p, c, 8, 9, Qt::white, 2.5);
                ellipse(p, c + QPointF(0, 3), 4, 4, kInk, 0);
                p.setPen(ink(3));
                p.drawLine(c + QPointF(-10, -10 + side * 3), c + QPointF(10, -10 - side * 3));
                break;
            default: {
                const double rx = style == Eyes::Wide ? 11 : 8, ry = style == Eyes::Wide ? 12 : 10;
                ellipse(p, c, rx, ry, Qt::white, 2.5);
                ellipse(p, c + QPointF(side * -1.5, 1), 4.5, 5.5, kInk, 0);
                ellipse(p, c + QPointF(side * -1.5 - 1.5, -1.5), 1.5, 1.5, Qt::white, 0);
                if (style == Eyes::Angry) {
                    p.setPen(ink(6));
                    p.drawLine(c + QPointF(-side * 13, -16), c + QPointF(side * 11, -10));
                }
            }
        }
    }
}

enum class Mouth { Grin, Smile, Shout, Frown, Smirk, Flat };

void mouth(QPainter& p, Mouth style, double y = 130) {
    const double x = kHead.x();
    QPainterPath m;
    switch (style) {
        case Mouth::Grin:
            m.moveTo(x - 22, y - 4);
            m.quadTo(x, y + 22, x + 22, y - 4);
            m.closeSubpath();
            fillOutlined(p, m, Qt::white, 3);
            p.setPen(ink(1.5));
            p.drawLine(QPointF(x - 20, y - 1), QPointF(x + 20, y - 1));
            break;
        case Mouth::Shout:
            ellipse(p, QPointF(x, y + 2), 14, 12, QColor(150, 30, 40), 3);
            ellipse(p, QPointF(x, y + 8), 8, 4, QColor(240, 110, 120), 0);
            break;
        case Mouth::Smile:
        case Mouth::Frown:
        case Mouth::Smirk:
        case Mouth::Flat: {
            const double bend = style == Mouth::Smile ? 10 : style == Mouth::Frown ? -8 : 0;
            m.moveTo(x - 16, y);
            if (style == Mouth::Smirk)
                m.quadTo(x + 2, y + 4, x + 18, y - 8);
            else
                m.quadTo(x, y + bend, x + 16, y);
            p.setPen(ink(3.5));
            p.setBrush(Qt::NoBrush);
            p.drawPath(m);
        }
    }
}

void blush(QPainter& p, double y = 114) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 130, 150));
    p.drawEllipse(QPointF(kHead.x() - 32, y), 9, 5);
    p.drawEllipse(QPointF(kHead.x() + 32, y), 9, 5);
}

void sweat(QPainter& p, QPointF at) {
    QPainterPath d;
    d.moveTo(at);
    d.cubicTo(at + QPointF(-8, 12), at + QPointF(8, 12), at);
    fillOutlined(p, d, QColor(150, 210, 255), 2);
}

void player(QPainter& p) {
    background(p, QColor(200, 150, 90));
    shoulders(p, QColor(150, 110, 70));
    p.setPen(ink(2));  // patches on the ragged coat
    p.setBrush(QColor(120, 150, 90));
    p.drawRect(QRectF(36, 182, 20, 16));
    p.setBrush(QColor(190, 80, 60));
    p.drawRect(QRectF(122, 178, 18, 18));
    head(p);
    QPainterPath hair = path({{40, 92},
                              {44, 50},
                              {60, 30},
                              {72, 42},
                              {80, 24},
                              {94, 40},
                              {106, 22},
                              {114, 42},
                              {130, 30},
                              {136, 56},
                              {140, 92},
                              {128, 66},
                              {52, 66}});
    fillOutlined(p, hair, QColor(60, 40, 30));
    fillOutlined(p, path({{38, 70}, {142, 70}, {142, 80}, {38, 80}}),
                 QColor(220, 40, 40));  // headband
    fillOutlined(p, path({{140, 72}, {164, 60}, {160, 80}}), QColor(220, 40, 40), 3);
    eyes(p, Eyes::Angry);
    fillOutlined(p, path({{108, 112}, {128, 106}, {130, 114}, {110, 120}}), QColor(245, 245, 235),
                 2.5);  // plaster
    mouth(p, Mouth::Grin);
    p.setPen(ink(2));
    p.drawLine(QPointF(58, 124), QPointF(64, 118));  // a scratch of the burnt village
}

void simpleton(QPainter& p) {
    background(p, QColor(140, 200, 240));
    shoulders(p, QColor(250, 250, 250));
    ellipse(p, QPointF(90, 186), 12, 12, QColor(250, 80, 80), 3);  // a big button
    head(p, skin(), 56, 60);
    p.setPen(ink(3));
    p.setBrush(Qt::NoBrush);
    QPainterPath hair;
    hair.moveTo(90, 42);
    hair.cubicTo(80, 20, 110, 18, 96, 8);
    p.drawPath(hair);
    eyes(p, Eyes::Dots, 94, 22);
    blush(p, 112);
    mouth(p, Mouth::Grin, 126);
    ellipse(p, QPointF(90, 108), 6, 5, QColor(255, 190, 150), 2.5);
}

void lady(QPainter& p) {
    background(p, QColor(240, 170, 210));
    shoulders(p, QColor(200, 60, 140));
    fillOutlined(p, path({{64, 162}, {90, 186}, {116, 162}}), QColor(255, 255, 255), 3);  // lace
    for (int side : {-1, 1})  // ringlets
        for (int k = 0; k < 3; ++k)
            ellipse(p, QPointF(90 + side * 56, 96 + k * 24), 12, 14, QColor(250, 210, 70), 3);
    head(p);
    QPainterPath hair;
    hair.moveTo(38, 100);
    hair.cubicTo(30, 30, 150, 30, 142, 100);
    hair.cubicTo(130, 60, 110, 56, 90, 64);
    hair.cubicTo(70, 56, 50, 60, 38, 100);
    fillOutlined(p, hair, QColor(250, 210, 70));
    fillOutlined(p, path({{66, 44}, {74, 24}, {82, 38}, {90, 18}, {98, 38}, {106, 24}, {114, 44}}),
                 QColor(250, 240, 120), 3);  // tiara
    ellipse(p, QPointF(90, 32), 4, 4, QColor(80, 200, 255), 2);
    eyes(p, Eyes::Haughty);
    mouth(p, Mouth::Smirk, 130);
    blush(p);
    QPainterPath fan;  // the fan held before her chin
    fan.moveTo(150, 190);
    fan.arcTo(QRectF(110, 120, 80, 80), 100, 80);
    fan.closeSubpath();
    fillOutlined(p, fan, QColor(255, 255, 255), 3);
}

void muscleMan(QPainter& p) {
    background(p, QColor(250, 180, 80));
    // A bare, muscular chest: no shirt at all.
    QPainterPath chest;
    chest.moveTo(0, kH + 5);
    chest.cubicTo(0, 160, 40, 150, 90, 152);
    chest.cubicTo(140, 150, 180, 160, 180, kH + 5);
    chest.closeSubpath();
    fillOutlined(p, chest, QColor(230, 160, 110));
    p.setPen(ink(3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(46, 168, 40, 30), 200 * 16, 140 * 16);
    p.drawArc(QRectF(94, 168, 40, 30), 200 * 16, 140 * 16);
    ellipse(p, QPointF(90, 156), 26, 14, QColor(230, 160, 110));  // thick neck
    head(p, QColor(230, 160, 110), 50, 56);
    fillOutlined(p, path({{60, 150}, {120, 150}, {112, 166}, {68, 166}}), QColor(230, 160, 110),
                 3);  // square jaw
    fillOutlined(p, path({{70, 48}, {78, 28}, {86, 44}, {94, 24}, {102, 44}, {110, 28}, {112, 50}}),
                 QColor(30, 20, 20));  // crew cut
    fillOutlined(p, path({{36, 74}, {144, 74}, {144, 84}, {36, 84}}),
                 QColor(255, 255, 255));  // hachimaki
    eyes(p, Eyes::Angry, 98);
    mouth(p, Mouth::Grin, 132);
    p.setPen(QPen(QColor(255, 255, 255), 3));  // a gleam on the teeth
    p.drawLine(QPointF(120, 118), QPointF(130, 110));
    // the fundoshi knot peeks in at the bottom
    fillOutlined(p, path({{70, 202}, {110, 202}, {104, 212}, {76, 212}}), QColor(255, 255, 255), 3);
}

void salaryman(QPainter& p) {
    background(p, QColor(170, 190, 210));
    shoulders(p, QColor(60, 70, 90));
    fillOutlined(p, path({{70, 160}, {90, 200}, {110, 160}}), Qt::white, 3);  // shirt
    fillOutlined(p, path({{86, 164}, {94, 164}, {98, 200}, {90, 210}, {82, 200}}),
                 QColor(200, 40, 50), 2.5);
    head(p);
    QPainterPath hair;
    hair.moveTo(40, 90);
    hair.cubicTo(36, 36, 144, 36, 140, 90);
    hair.lineTo(132, 70);
    hair.lineTo(76, 60);
    hair.lineTo(48, 72);
    hair.closeSubpath();
    fillOutlined(p, hair, QColor(40, 40, 50));
    p.setPen(QPen(QColor(240, 240, 255), 2));
    p.drawLine(QPointF(76, 44), QPointF(72, 60));  // the neat parting
    eyes(p, Eyes::Sad, 96);
    p.setPen(ink(3));
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRect(QRectF(58, 84, 26, 22));  // glasses
    p.drawRect(QRectF(96, 84, 26, 22));
    p.drawLine(QPointF(84, 92), QPointF(96, 92));
    mouth(p, Mouth::Flat, 130);
    sweat(p, QPointF(134, 70));
}

void gangster(QPainter& p) {
    background(p, QColor(120, 100, 140));
    shoulders(p, QColor(240, 240, 240));
    fillOutlined(p, path({{60, 162}, {90, 210}, {120, 162}}), QColor(180, 40, 160),
                 3);  // loud shirt
    head(p, QColor(240, 190, 140));
    for (int k = 0; k < 11; ++k)  // punch perm
        ellipse(p, QPointF(46 + k * 8.8, 56 + (k % 2) * 6), 8, 8, QColor(50, 30, 30), 2.5);
    fillOutlined(p, path({{52, 84}, {84, 84}, {82, 102}, {56, 102}}), kInk, 2);  // sunglasses
    fillOutlined(p, path({{96, 84}, {128, 84}, {124, 102}, {98, 102}}), kInk, 2);
    p.setPen(ink(4));
    p.drawLine(QPointF(84, 88), QPointF(96, 88));
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.drawLine(QPointF(60, 88), QPointF(68, 88));
    p.drawLine(QPointF(104, 88), QPointF(112, 88));
    mouth(p, Mouth::Frown, 132);
    p.setPen(QPen(QColor(200, 60, 60), 3));  // scar
    p.drawLine(QPointF(112, 108), QPointF(124, 126));
    p.drawLine(QPointF(114, 120), QPointF(122, 114));
}

void zombie(QPainter& p) {
    background(p, QColor(110, 90, 120));
    shoulders(p, QColor(100, 90, 70));
    fillOutlined(p, path({{40, 210}, {52, 184}, {60, 210}}), QColor(110, 90, 120), 2);  // rags
    const QColor green(150, 190, 120);
    head(p, green, 48, 60);
    p.setPen(ink(2.5));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(64 + k * 6, 60 - 4), QPointF(64 + k * 6, 68));  // stitches
    p.drawLine(QPointF(60, 62), QPointF(92, 62));
    ellipse(p, QPointF(70, 94), 10, 10, Qt::white, 2.5);
    ellipse(p, QPointF(72, 96), 3, 3, QColor(180, 20, 20), 0);
    p.setPen(ink(2.5));  // the other eye hangs loose
    p.drawLine(QPointF(110, 96), QPointF(116, 122));
    ellipse(p, QPointF(117, 128), 8, 8, Qt::white, 2.5);
    ellipse(p, QPointF(118, 130), 3, 3, QColor(180, 20, 20), 0);
    QPainterPath jaw = path({{66, 136}, {114, 136}, {108, 148}, {72, 148}});
    fillOutlined(p, jaw, QColor(90, 30, 40), 3);
    p.setPen(ink(1.5));
    for (int k = 0; k < 6; ++k) p.drawLine(QPointF(70 + k * 8, 136), QPointF(72 + k * 8, 142));
}

void channeler(QPainter& p) {
    background(p, QColor(160, 120, 220));
    shoulders(p, QColor(240, 240, 250));
    head(p);
    // The strange headgear: a silver pyramid with an antenna and a ball.
    fillOutlined(p, path({{42, 66}, {90, 4}, {138, 66}}), QColor(200, 210, 230));
    p.setPen(ink(2));
    p.drawLine(QPointF(66, 36), QPointF(114, 36));
    p.setPen(ink(3));
    p.drawLine(QPointF(90, 4), QPointF(90, -4));
    ellipse(p, QPointF(138, 40), 7, 7, QColor(255, 80, 200), 2.5);
    p.drawLine(QPointF(120, 52), QPointF(136, 44));
    ellipse(p, QPointF(90, 50), 8, 8, QColor(80, 255, 200), 2.5);
    eyes(p, Eyes::Spiral, 96);
    mouth(p, Mouth::Flat, 132);
    p.setPen(QPen(QColor(255, 255, 180), 2));  // waves from the mind
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k)
        p.drawArc(QRectF(150 - k * 6, 80 - k * 6, 16 + k * 12, 30 + k * 12), -60 * 16, 120 * 16);
}

void gymGirl(QPainter& p) {
    background(p, QColor(250, 220, 120));
    shoulders(p, QColor(255, 255, 255));
    fillOutlined(p, path({{30, 176}, {150, 176}, {154, 186}, {26, 186}}), QColor(40, 60, 200),
                 2.5);  // collar band
    fillOutlined(p, path({{70, 190}, {110, 190}, {110, 206}, {70, 206}}), Qt::white,
                 2.5);  // name tag
    p.setPen(ink(2));
    p.drawLine(QPointF(76, 198), QPointF(104, 198));
    QPainterPath tail;  // ponytail
    tail.moveTo(132, 56);
    tail.cubicTo(176, 60, 170, 120, 150, 140);
    tail.cubicTo(156, 110, 150, 80, 126, 70);
    fillOutlined(p, tail, QColor(90, 50, 30));
    head(p);
    QPainterPath hair;
    hair.moveTo(40, 96);
    hair.cubicTo(34, 34, 146, 34, 140, 96);
    hair.cubicTo(130, 70, 110, 64, 100, 70);
    hair.lineTo(92, 60);
    hair.lineTo(84, 72);
    hair.cubicTo(70, 64, 50, 70, 40, 96);
    fillOutlined(p, hair, QColor(90, 50, 30));
    fillOutlined(p, path({{40, 64}, {140, 64}, {140, 74}, {40, 74}}),
                 QColor(230, 40, 60));  // headband
    eyes(p, Eyes::Wide, 98);
    blush(p);
    mouth(p, Mouth::Shout, 132);
}

void slime(QPainter& p) {
    background(p, QColor(140, 220, 200));
    // Three slimes merged into one wobbling heap.
    QPainterPath blob;
    blob.moveTo(14, 200);
    blob.cubicTo(0, 120, 40, 110, 52, 90);
    blob.cubicTo(50, 40, 90, 20, 100, 60);
    blob.cubicTo(120, 30, 170, 60, 150, 110);
    blob.cubicTo(180, 130, 180, 190, 166, 200);
    blob.closeSubpath();
    fillOutlined(p, blob, QColor(90, 200, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 255, 200, 160));
    p.drawEllipse(QPointF(70, 70), 10, 16);
    p.drawEllipse(QPointF(130, 80), 7, 10);
    for (const QPointF c :
         {QPointF(60, 120), QPointF(98, 96), QPointF(132, 128), QPointF(84, 150)}) {
        ellipse(p, c, 10, 12, Qt::white, 2.5);
        ellipse(p, c + QPointF(1, 2), 4, 5, kInk, 0);
    }
    QPainterPath m;
    m.moveTo(70, 176);
    m.cubicTo(90, 196, 110, 168, 130, 182);
    p.setPen(ink(3.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
    for (const QPointF c : {QPointF(30, 60), QPointF(156, 40)})
        ellipse(p, c, 6, 6, QColor(90, 200, 90), 2.5);  // bubbles
}

void kunoichi(QPainter& p) {
    background(p, QColor(90, 80, 140));
    shoulders(p, QColor(60, 40, 90));
    fillOutlined(p, path({{56, 162}, {90, 190}, {124, 162}}), QColor(200, 40, 80), 3);
    head(p);
    QPainterPath hood;
    hood.moveTo(30, 120);
    hood.cubicTo(20, 20, 160, 20, 150, 120);
    hood.lineTo(140, 100);
    hood.cubicTo(136, 70, 44, 70, 40, 100);
    hood.closeSubpath();
    fillOutlined(p, hood, QColor(60, 40, 90));
    fillOutlined(p, path({{40, 108}, {140, 108}, {136, 150}, {90, 162}, {44, 150}}),
                 QColor(60, 40, 90));                                                  // mask
    fillOutlined(p, path({{140, 60}, {170, 44}, {166, 70}}), QColor(200, 40, 80), 3);  // hood tail
    eyes(p, Eyes::Angry, 92, 20);
    // a shuriken
    QPainterPath star;
    const QPointF c(150, 176);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4, r = k % 2 ? 6 : 18;
        const QPointF q = c + QPointF(r * std::cos(a), r * std::sin(a));
        k == 0 ? star.moveTo(q) : star.lineTo(q);
    }
    star.closeSubpath();
    fillOutlined(p, star, QColor(200, 210, 220), 2.5);
}

void kojira(QPainter& p) {
    background(p, QColor(250, 140, 90));
    // Our own giant monster: a round-snouted purple reptile with a yellow crest.
    fillOutlined(p, path({{20, 210}, {40, 150}, {140, 150}, {164, 210}}), QColor(130, 80, 170));
    for (int k = 0; k < 5; ++k)
        fillOutlined(p,
                     path({{44 + k * 20.0, 52 - (k % 2) * 4.0},
                           {54 + k * 20.0, 20 - (k % 2) * 6.0},
                           {64 + k * 20.0, 52}}),
                     QColor(250, 220, 60), 3);
    QPainterPath headPath;
    headPath.addRoundedRect(QRectF(34, 40, 118, 100), 46, 46);
    fillOutlined(p, headPath, QColor(150, 90, 190));
    QPainterPath snout;
    snout.addRoundedRect(QRectF(70, 90, 100, 58), 28, 28);
    fillOutlined(p, snout, QColor(170, 110, 210));
    ellipse(p, QPointF(150, 104), 4, 5, kInk, 0);
    ellipse(p, QPointF(162, 104), 4, 5, kInk, 0);
    ellipse(p, QPointF(78, 80), 14, 12, QColor(255, 255, 120), 3);
    ellipse(p, QPointF(80, 82), 5, 7, kInk, 0);
    p.setPen(ink(5));
    p.drawLine(QPointF(60, 62), QPointF(96, 70));
    fillOutlined(p, path({{84, 132}, {168, 132}, {160, 146}, {92, 146}}), QColor(150, 30, 40), 3);
    for (int k = 0; k < 6; ++k)
        fillOutlined(p, path({{90 + k * 12.0, 132}, {96 + k * 12.0, 140}, {102 + k * 12.0, 132}}),
                     Qt::white, 1.5);
    fillOutlined(p, path({{40, 186}, {30, 170}, {50, 172}}), QColor(130, 80, 170), 3);  // tiny arm
}

void mystery(QPainter& p) {
    p.fillRect(0, 0, kW, kH, QColor(40, 40, 70));
    QFont f(QStringLiteral("DejaVu Sans"), 1, QFont::Black);
    f.setPixelSize(46);
    p.setFont(f);
    Dice d(12);
    for (int k = 0; k < 12; ++k) {
        p.setPen(QColor(90 + int(d.range(0, 100)), 90, 180 + int(d.range(0, 60))));
        p.drawText(QPointF(d.range(-10, 160), d.range(30, 220)), QStringLiteral("?"));
    }
    QPainterPath shadow;  // a silhouette with glowing eyes
    shadow.addEllipse(QPointF(90, 96), 44, 52);
    shadow.moveTo(16, 212);
    shadow.cubicTo(24, 150, 156, 150, 164, 212);
    fillOutlined(p, shadow, QColor(10, 10, 20), 3);
    ellipse(p, QPointF(72, 92), 9, 4, QColor(255, 240, 80), 0);
    ellipse(p, QPointF(108, 92), 9, 4, QColor(255, 240, 80), 0);
    f.setPixelSize(64);
    p.setFont(f);
    p.setPen(ink(3));
    QPainterPath mark;
    mark.addText(QPointF(72, 190), f, QStringLiteral("?"));
    fillOutlined(p, mark, QColor(255, 240, 80), 3);
}

void greatKing(QPainter& p) {
    background(p, QColor(120, 20, 40));
    QPainterPath cape;  // a high collared cape
    cape.moveTo(0, 210);
    cape.lineTo(10, 120);
    cape.lineTo(60, 150);
    cape.lineTo(120, 150);
    cape.lineTo(170, 120);
    cape.lineTo(180, 210);
    cape.closeSubpath();
    fillOutlined(p, cape, QColor(40, 20, 60));
    fillOutlined(p, path({{40, 170}, {140, 170}, {150, 210}, {30, 210}}), QColor(150, 20, 30));
    const QColor red(210, 60, 50);
    fillOutlined(p, path({{48, 70}, {24, 16}, {68, 54}}), QColor(240, 230, 200));  // horns
    fillOutlined(p, path({{132, 70}, {156, 16}, {112, 54}}), QColor(240, 230, 200));
    head(p, red, 50, 60);
    fillOutlined(p, path({{54, 58}, {60, 30}, {74, 48}, {90, 24}, {106, 48}, {120, 30}, {126, 58}}),
                 QColor(250, 200, 40));  // crown
    for (const QPointF c : {QPointF(90, 44), QPointF(66, 50), QPointF(114, 50)})
        ellipse(p, c, 4, 4, QColor(80, 220, 255), 2);
    for (int side : {-1, 1}) {
        fillOutlined(p,
                     path({{90 + side * 34.0, 86}, {90 + side * 8.0, 98}, {90 + side * 30.0, 104}}),
                     QColor(255, 250, 120), 3);
        p.setPen(ink(6));
        p.drawLine(QPointF(90 + side * 40, 76), QPointF(90 + side * 8, 88));
    }
    QPainterPath grin;
    grin.moveTo(58, 122);
    grin.quadTo(90, 160, 122, 122);
    grin.quadTo(90, 140, 58, 122);
    fillOutlined(p, grin, QColor(60, 0, 10), 3);
    fillOutlined(p, path({{70, 128}, {76, 140}, {80, 130}}), Qt::white, 1.5);
    fillOutlined(p, path({{110, 128}, {104, 140}, {100, 130}}), Qt::white, 1.5);
}

}  // namespace

QImage portrait(int country) {
    QImage img(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    using Draw = void (*)(QPainter&);
    constexpr Draw kDraw[14] = {player,   simpleton, lady,      muscleMan, salaryman,
                                gangster, zombie,    channeler, gymGirl,   slime,
                                kunoichi, kojira,    mystery,   greatKing};
    kDraw[std::clamp(country, 0, 13)](p);
    frame(p);
    return img;
}

QImage soldierIcon(int n) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);  // the soldier stands on whatever is drawn below it
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = 2;
    switch (n) {
        case 0:    // the player's soldier: blue helmet, spear
        case 1: {  // a rival soldier: red helmet
            const QColor helmet = n == 0 ? QColor(40, 90, 230) : QColor(220, 40, 40);
            ellipse(p, {16, 25}, 9, 6, helmet.darker(130), w);
            ellipse(p, {16, 15}, 8, 8, skin(), w);
            QPainterPath h;
            h.moveTo(7, 14);
            h.arcTo(QRectF(7, 5, 18, 18), 180, -180);
            h.closeSubpath();
            fillOutlined(p, h, helmet, w);
            ellipse(p, {13, 16}, 1.2, 1.6, kInk, 0);
            ellipse(p, {19, 16}, 1.2, 1.6, kInk, 0);
            p.setPen(ink(2));
            p.drawLine(QPointF(n == 0 ? 4 : 28, 30), QPointF(n == 0 ? 4 : 28, 4));
            fillOutlined(
                p,
                path(
                    {{n == 0 ? 1.0 : 25.0, 6}, {n == 0 ? 4.0 : 28.0, 0}, {n == 0 ? 7.0 : 31.0, 6}}),
                QColor(220, 220, 230), 1);
            break;
        }
        case 2: {  // a female fighter: pink, ponytail
            ellipse(p, {16, 26}, 8, 5, QColor(240, 90, 160), w);
            ellipse(p, {25, 10}, 4, 7, QColor(120, 60, 30), w);
            ellipse(p, {16, 15}, 8, 8, skin(), w);
            QPainterPath hair;
            hair.moveTo(8, 14);
            hair.arcTo(QRectF(8, 6, 16, 16), 180, -180);
            hair.closeSubpath();
            fillOutlined(p, hair, QColor(120, 60, 30), w);
            ellipse(p, {13, 16}, 1.2, 1.8, kInk, 0);
            ellipse(p, {19, 16}, 1.2, 1.8, kInk, 0);
            fillOutlined(p, path({{6, 10}, {26, 10}, {26, 12}, {6, 12}}), QColor(230, 40, 60), 1);
            break;
        }
        case 3: {  // a monster: green blob with a big eye
            QPainterPath b;
            b.moveTo(3, 30);
            b.cubicTo(0, 10, 10, 3, 16, 3);
            b.cubicTo(22, 3, 32, 10, 29, 30);
            b.closeSubpath();
            fillOutlined(p, b, QColor(120, 200, 80), w);
            ellipse(p, {16, 14}, 6, 6, Qt::white, 1.5);
            ellipse(p, {16, 15}, 2.5, 3, QColor(200, 0, 0), 0);
            p.setPen(ink(1.5));
            p.drawLine(QPointF(10, 24), QPointF(22, 24));
            break;
        }
        case 4: {  // a mysterious being: purple ghost with a question mark
            QPainterPath g;
            g.moveTo(5, 30);
            g.lineTo(5, 14);
            g.arcTo(QRectF(5, 3, 22, 22), 180, -180);
            g.lineTo(27, 30);
            g.lineTo(22, 26);
            g.lineTo(16, 30);
            g.lineTo(10, 26);
            g.closeSubpath();
            fillOutlined(p, g, QColor(140, 80, 200), w);
            ellipse(p, {12, 14}, 2, 3, QColor(255, 240, 80), 0);
            ellipse(p, {20, 14}, 2, 3, QColor(255, 240, 80), 0);
            QFont f(QStringLiteral("DejaVu Sans"), 1, QFont::Bold);
            f.setPixelSize(10);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(5, 17, 22, 10), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        default: {  // a giant monster: purple reptile head with a crest
            for (int k = 0; k < 3; ++k)
                fillOutlined(p, path({{6 + k * 7.0, 10}, {9 + k * 7.0, 1}, {12 + k * 7.0, 10}}),
                             QColor(250, 220, 60), 1.5);
            QPainterPath h;
            h.addRoundedRect(QRectF(3, 7, 26, 23), 9, 9);
            fillOutlined(p, h, QColor(150, 90, 190), w);
            ellipse(p, {11, 15}, 3.5, 3.5, QColor(255, 255, 120), 1.5);
            ellipse(p, {11, 15}, 1.2, 2, kInk, 0);
            fillOutlined(p, path({{10, 23}, {28, 23}, {26, 27}, {12, 27}}), QColor(150, 30, 40),
                         1.5);
        }
    }
    return img;
}

}  // namespace art
