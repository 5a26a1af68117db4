#include "battle/field_view.h"

#include <QImage>
#include <QPainter>

#include "battle/battle.h"
#include "widgets/pictures.h"
#include "widgets/widgets.h"

namespace zentar {
namespace {

void paintSprites(QPainter& p, const std::array<Picture, kSoldiers>& sprites, Pictures& pictures) {
    for (const Picture& s : sprites) {
        if (!s.Visible) continue;
        const QRect r = pixelRect(s);
        const QPixmap& pm = pictures.scaled(s.picture, r.size());
        if (pm.isNull())
            p.fillRect(r, Qt::darkGray);
        else
            p.drawPixmap(r.topLeft(), pm);
    }
}

}  // namespace

void paintField(QPainter& p, const Form3& f, const QImage* effect, Pictures& pictures) {
    p.fillRect(QRect(0, 0, px(Form3::Width), px(Form3::Height)), QColor(0, 255, 0));
    if (effect && !effect->isNull()) p.drawImage(0, 0, *effect);
    for (const Picture& banner : f.Image1)
        if (banner.Visible) p.drawPixmap(pixelRect(banner), pictures.picture(banner.picture));
    paintSprites(p, f.HEIT, pictures);
    paintSprites(p, f.HEIM, pictures);
    if (f.FIGHT.Visible) {
        p.setPen(qcolor(f.FIGHT.ForeColor));
        p.setFont(gameFont(26));
        p.drawText(pixelRect(f.FIGHT), Qt::AlignCenter, f.FIGHT.Caption);
    }
}

}  // namespace zentar
