// The game's Japanese font on Windows: the user interface fonts Windows ships, newest
// first (Yu Gothic UI since Windows 8.1, Meiryo since Vista, MS UI Gothic before), then
// Noto Sans CJK for a desktop that has none of them, such as Wine's.
#include <QStringList>

#include "platform/fonts.h"

namespace zentar {

QStringList gameFontFamilies() {
    return {QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo"),
            QStringLiteral("MS UI Gothic"), QStringLiteral("Noto Sans CJK JP")};
}

}  // namespace zentar
