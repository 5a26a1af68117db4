// The key a player presses, as the screens receive it: the classic virtual-key code
// of the key itself, never the code of the character it types.
#pragma once

class QKeyEvent;

namespace zentar {

// The virtual-key code of a key press; -1 for a key that is no game key (Shift,
// Ctrl, Alt and the like pressed alone). Letters and digits give their upper-case
// ASCII codes, the arrows 37 to 40, Enter 13, keypad 0 96; the shifted signs of a
// digit key give that digit's code, and the other signs the codes of their keys on
// the standard layout. A key the game has no name for gives 255.
int virtualKey(const QKeyEvent* event);

}  // namespace zentar
