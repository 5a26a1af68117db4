// The game's Japanese font on Linux: Noto Sans CJK, which the game's package recommends.
#include <QStringList>

#include "platform/fonts.h"

namespace zentar {

QStringList gameFontFamilies() {
    return {QStringLiteral("Noto Sans CJK JP")};
}

}  // namespace zentar
