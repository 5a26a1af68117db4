// Arithmetic helpers shared by every rule of the game: rounding ties to even,
// truncation, saturating 32-bit sums and the lenient reading of typed numbers.
#pragma once

#include <QString>
#include <cstdint>

namespace zentar {

// Nearest int32 with ties to the even neighbour; saturates at the limits, NaN gives 0.
std::int32_t roundEven(double x);

// Truncation towards zero into int32; saturates at the limits, NaN gives 0.
std::int32_t truncate(double x);

// a + b without wrapping: the result sticks at the int32 limits.
std::int32_t satAdd(std::int32_t a, std::int32_t b);

// The number a text begins with, as a player types it: blanks, tabs and line feeds
// are skipped wherever they stand; then sign, digits, decimal point, exponent, or
// &H / &O for a hexadecimal or octal integer. No number at the start gives 0.
// The result is always finite.
double leadingNumber(const QString& text);

// Strict reading of a stored number: the whole text (blanks around it allowed) must
// be one decimal number. Returns false for anything else.
bool parseStoredNumber(const QString& text, double& value);

}  // namespace zentar
