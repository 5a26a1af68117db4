// The game's Japanese font in the browser, which has no fonts of the desktop to offer: a
// subset of Noto Sans CJK JP shipped in the game's resources, loaded on first use.
#include <QFontDatabase>
#include <QStringList>

#include "platform/fonts.h"

namespace zentar {

QStringList gameFontFamilies() {
    static const QStringList families = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/zentar-jp.otf"));
        return id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    }();
    return families;
}

}  // namespace zentar
