#include "widgets/pictures.h"

namespace zentar {

QString pictureResource(PictureId id) {
    const int n = static_cast<int>(id);
    if (id == PictureId::Title) return QStringLiteral(":/pictures/title.png");
    if (id == PictureId::Ending) return QStringLiteral(":/pictures/ending.png");
    if (n >= int(PictureId::Kao0) && n < int(PictureId::Icon0))
        return QStringLiteral(":/pictures/kao%1.png")
            .arg(n - int(PictureId::Kao0), 2, 10, QChar('0'));
    if (n >= int(PictureId::Icon0) && n < int(PictureId::Fe1_0))
        return QStringLiteral(":/pictures/icon%1.png").arg(n - int(PictureId::Icon0));
    if (n >= int(PictureId::Fe1_0) && n < int(PictureId::Ending))
        return QStringLiteral(":/pictures/banner%1.png").arg(n - int(PictureId::Fe1_0));
    return {};
}

const QPixmap& Pictures::picture(PictureId id) {
    const int n = static_cast<int>(id);
    if (n < 0 || n >= kCount) return none_;
    if (!loaded_[n]) {
        pictures_[n].load(pictureResource(id));
        loaded_[n] = true;
    }
    return pictures_[n];
}

const QPixmap& Pictures::scaled(PictureId id, QSize size) {
    const quint64 key =
        (quint64(int(id) + 1) << 32) | (quint64(size.width()) << 16) | quint64(size.height());
    auto it = scaled_.find(key);
    if (it == scaled_.end()) {
        const QPixmap& source = picture(id);
        it = scaled_.insert(key, source.isNull() ? QPixmap()
                                                 : source.scaled(size, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation));
    }
    return *it;
}

}  // namespace zentar
