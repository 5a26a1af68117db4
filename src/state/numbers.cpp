#include "state/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace zentar {
namespace {

constexpr double kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t clampToInt(double whole) {
    if (std::isnan(whole)) return 0;
    return static_cast<std::int32_t>(std::clamp(whole, kMin, kMax));
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c) {
    if (isDigit(c)) return c.unicode() - u'0';
    const char16_t u = c.toUpper().unicode();
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// The value of a well-formed decimal number in ASCII, read with a decimal point
// whatever the locale; beyond the range of a double it sticks at the largest one.
double cNumber(const std::string& ascii) {
    std::istringstream in(ascii);
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value;
    return value;
}

// Reads a decimal number in VB style from the head of `s` (blanks already removed).
// Returns the count of characters used; 0 when no number starts there.
qsizetype scanDecimal(const QString& s, double& value) {
    std::string ascii;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ascii += char(s[i++].unicode());
    qsizetype digits = 0;
    while (i < s.size() && isDigit(s[i])) ascii += char(s[i++].unicode()), ++digits;
    if (i < s.size() && s[i] == u'.') {
        ascii += '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) ascii += char(s[i++].unicode()), ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) exponent += char(s[j++].unicode());
        qsizetype expDigits = 0;
        while (j < s.size() && isDigit(s[j])) exponent += char(s[j++].unicode()), ++expDigits;
        if (expDigits > 0) {
            ascii += exponent;
            i = j;
        }
    }
    value = cNumber(ascii);
    return i;
}

// Reads &H / &O integers; values beyond what a double holds just saturate.
qsizetype scanRadix(const QString& s, double& value) {
    if (s.size() < 2 || s[0] != u'&') return 0;
    const QChar tag = s[1].toUpper();
    const int radix = tag == u'H' ? 16 : tag == u'O' ? 8 : 0;
    if (radix == 0) return 0;
    qsizetype i = 2;
    double v = 0;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i]);
        if (d < 0 || d >= radix) break;
        v = std::min(v * radix + d, std::numeric_limits<double>::max());
    }
    if (i == 2) return 0;
    value = v;
    return i;
}

}  // namespace

std::int32_t roundEven(double x) {
    return clampToInt(std::nearbyint(x));
}

std::int32_t truncate(double x) {
    return clampToInt(std::trunc(x));
}

std::int32_t satAdd(std::int32_t a, std::int32_t b) {
    return clampToInt(static_cast<double>(a) + static_cast<double>(b));
}

double leadingNumber(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c)) s += c;
    double value = 0;
    if (scanRadix(s, value) > 0 || scanDecimal(s, value) > 0) return value;
    return 0;
}

bool parseStoredNumber(const QString& text, double& value) {
    const QString s = text.trimmed();
    double v = 0;
    if (s.isEmpty() || scanDecimal(s, v) != s.size()) return false;
    value = v;
    return true;
}

}  // namespace zentar
