// The game's Japanese font: the families its texts are drawn from, the first the platform
// has, each platform's own.
#pragma once

#include <QStringList>

namespace zentar {

QStringList gameFontFamilies();

}  // namespace zentar
