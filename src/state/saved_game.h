// The one saved game: 208 text values in the settings store.
#pragma once

#include <QString>
#include <QStringList>

#include "state/game_state.h"
#include "state/store.h"

namespace zentar {

// The 208 keys in the order they are written and read.
const QStringList& saveKeys();

// Writes every key; returns "" or the reason the store could not be written, in which
// case the saved game stays as it was.
QString saveGame(const GameState& st, Store& store);

// Reads every key with the current value as the default. A stored number that is
// not a number keeps the current value, one beyond int32 is clamped, and a heisi or
// speed read from the store is held within 0..255 or 1..300. Returns how many values
// were missing or unreadable, and so kept their current value, or were read otherwise
// than they were written (clamped, or not exact in the store).
int loadGame(GameState& st, Store& store);

// Whether the store holds any key of a saved game.
bool hasSavedGame(Store& store);

// Makes the saved game of `from` the saved game of `to`, as one whole save, when `from`
// holds one that reads whole; returns "" or why not, and `to` then stays as it was.
QString copySavedGame(Store& from, Store& to);

}  // namespace zentar
