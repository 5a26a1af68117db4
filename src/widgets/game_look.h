// The look of the game's windows: the platform's own style with a focus mark the player
// can find at a glance, scroll bars that page on a click in the trough, drop-down lists
// that drop down, and the game's Japanese font.
#pragma once

namespace zentar {

// Gives the running QApplication the game's look; once is enough, more is harmless.
void applyGameLook();

}  // namespace zentar
