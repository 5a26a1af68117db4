// Paints the battlefield in one pass: the green ground, the effect layer, the
// banner, every soldier and the "ＢＡＴＴＬＥ　ＦＩＧＨＴ" flash.
#pragma once

class QImage;
class QPainter;

namespace zentar {

struct Form3;
class Pictures;

// Paints at 1 pixel per 15 twips; `effect` is the layer the item effects draw on.
void paintField(QPainter& p, const Form3& f, const QImage* effect, Pictures& pictures);

}  // namespace zentar
