#include "battle/field_view.h"

#include <QHash>
#include <QImage>
#include <QPainter>

#include "battle/battle.h"
#include "widgets/pictures.h"
#include "widgets/widgets.h"

namespace zentar {
namespace {

// A soldier icon scaled once to the sprite size, instead of on every frame.
const QPixmap& spritePixmap(PictureId id, QSize size) {
    static QHash<quint64, QPixmap> cache;
    const quint64 key =
        (quint64(int(id) + 1) << 32) | (quint64(size.width()) << 16) | quint64(size.height());
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QPixmap& source = picture(id);
        it = cache.insert(key, source.isNull() ? QPixmap()
                                               : source.scaled(size, Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation));
    }
    return *it;
}

void paintSprites(QPainter& p, const std::array<Picture, kSoldiers>& sprites) {
    for (const Picture& s : sprites) {
        if (!s.Visible) continue;
        const QRect r = pixelRect(s);
        const QPixmap& pm = spritePixmap(s.picture, r.size());
        if (pm.isNull())
            p.fillRect(r, Qt::darkGray);
        else
            p.drawPixmap(r.topLeft(), pm);
    }
}

}  // namespace

void paintField(QPainter& p, const Form3& f, const QImage* effect) {
    p.fillRect(QRect(0, 0, px(Form3::Width), px(Form3::Height)), QColor(0, 255, 0));
    if (effect && !effect->isNull()) p.drawImage(0, 0, *effect);
    for (const Picture& banner : f.Image1)
        if (banner.Visible) p.drawPixmap(pixelRect(banner), picture(banner.picture));
    paintSprites(p, f.HEIT);
    paintSprites(p, f.HEIM);
    if (f.FIGHT.Visible) {
        p.setPen(qcolor(f.FIGHT.ForeColor));
        p.setFont(gameFont(26));
        p.drawText(pixelRect(f.FIGHT), Qt::AlignCenter, f.FIGHT.Caption);
    }
}

}  // namespace zentar
