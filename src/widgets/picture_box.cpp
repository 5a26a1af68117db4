#include "widgets/picture_box.h"

#include <QPainter>

#include "widgets/pictures.h"
#include "widgets/widgets.h"

namespace zentar {

PictureBox::PictureBox(Pictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {}

void PictureBox::sync(const Picture& c) {
    placeWidget(this, c);
    if (picture_ == c.picture) return;
    picture_ = c.picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QPixmap& pm = pictures_.picture(picture_);
    if (pm.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), pm);
}

}  // namespace zentar
