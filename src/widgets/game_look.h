// The look of the game's windows: the platform's own style with a focus mark the player
// can find at a glance, scroll bars that page on a click in the trough, drop-down lists
// that drop down, and the game's Japanese font.
#pragma once

class QColor;

namespace zentar {

// The contrast of two colours as the eye sees it, from 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);
// The least contrast a mark needs to be seen at a glance.
inline constexpr double kVisibleContrast = 3.0;

// Gives the running QApplication the game's look; once is enough, more is harmless.
void applyGameLook();

}  // namespace zentar
