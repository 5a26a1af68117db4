// The sounds of the game, made like its pictures: computed, so anyone can remake them.
#pragma once

#include <QByteArray>
#include <QString>

namespace art {

// The strike beep: a soft 50 ms tone, a 16-bit mono WAV file peaking at −10 dBFS.
QByteArray strikeBeep();

// Writes every sound into `out`/sounds; false when a file cannot be written.
bool writeSounds(const QString& out);

}  // namespace art
