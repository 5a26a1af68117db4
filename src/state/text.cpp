#include "state/text.h"

namespace zentar {
namespace {

int sjisBytes(QChar c) {
    const char16_t u = c.unicode();
    return (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
}

}  // namespace

int sjisByteLength(const QString& text) {
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text[i].isLowSurrogate()) bytes += sjisBytes(text[i]);
    return bytes;
}

QString sjisTruncate(const QString& text, int maxBytes) {
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        bytes += sjisBytes(text[i]);
        if (bytes > maxBytes) break;
        i += len;
    }
    return text.left(i);
}

QString halfWidth(const QString& text) {
    constexpr char16_t kFirst = u'！', kLast = u'～';  // the full-width forms of '!' to '~'
    constexpr char16_t kShift = kFirst - u'!';
    QString half = text;
    for (QChar& c : half)
        if (c.unicode() >= kFirst && c.unicode() <= kLast) c = QChar(c.unicode() - kShift);
    return half;
}

}  // namespace zentar
