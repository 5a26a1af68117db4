#include "state/text.h"

#include <QList>
#include <cstdint>
#include <iterator>

namespace zentar {
namespace {

#include "state/jis_characters.inc"

bool nameCharacter(char32_t c) {
    constexpr char32_t kKanji = 0x4E00;
    const char32_t word = (c - kKanji) / 64;
    if (c >= kKanji && word < std::size(kNameKanji))
        return (kNameKanji[word] >> ((c - kKanji) % 64)) & 1;
    for (const auto& [first, last] : kNameRanges)
        if (c >= first && c <= last) return true;
    return false;
}

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

QString nameCharacters(const QString& text) {
    QString kept;
    for (const char32_t c : text.toUcs4())
        if (nameCharacter(c)) kept += QString::fromUcs4(&c, 1);
    return kept;
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
