// Text as the Japanese code page measures it, and full-width characters read as the
// half-width ones a player means.
#pragma once

#include <QString>

namespace zentar {

// Bytes the text takes in the Japanese code page: ASCII and half-width katakana
// take one byte, every other character two.
int sjisByteLength(const QString& text);

// The longest head of the text that fits into maxBytes of the Japanese code page,
// never splitting a surrogate pair.
QString sjisTruncate(const QString& text, int maxBytes);

// The text without the characters a name may not hold: only those the game's font shows on
// every platform stay (printable ASCII, half-width kana, JIS X 0208), so no emoji.
QString nameCharacters(const QString& text);

// The text with every full-width letter, digit, sign and point in its half-width form,
// as a player with the input method on means a number.
QString halfWidth(const QString& text);

}  // namespace zentar
