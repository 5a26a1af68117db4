#include "widgets/pictures.h"

#include <array>

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

const QPixmap& picture(PictureId id) {
    static std::array<QPixmap, static_cast<int>(PictureId::Count)> cache;
    static std::array<bool, static_cast<int>(PictureId::Count)> loaded{};
    static const QPixmap none;
    const int n = static_cast<int>(id);
    if (n < 0 || n >= static_cast<int>(PictureId::Count)) return none;
    if (!loaded[n]) {
        cache[n].load(pictureResource(id));
        loaded[n] = true;
    }
    return cache[n];
}

}  // namespace zentar
