// The game's Japanese font in the browser, which has no fonts of the desktop to offer: a
// subset of Noto Sans CJK JP in a file of its own (zentar-jp.otf), which the page starts
// to fetch as it opens, while the program loads, and the browser caches. The game waits
// for it on first use, before its first window.
#include <emscripten.h>
#include <QByteArray>
#include <QFontDatabase>
#include <QStringList>

#include "platform/fonts.h"

namespace zentar {
namespace {

// The font's size once fetched, kept in the page until taken; -1 when it could not be.
// clang-format off
EM_ASYNC_JS(int, fetchFont, (), {
    try {
        const response = await fetch("zentar-jp.otf");
        if (!response.ok) throw new Error(response.status + " " + response.statusText);
        Module.zentarFont = new Uint8Array(await response.arrayBuffer());
        return Module.zentarFont.length;
    } catch (failure) {
        console.error("ゼンタル: the font zentar-jp.otf did not load: " + failure);
        return -1;
    }
});

EM_JS(void, takeFont, (char* data), {
    HEAPU8.set(Module.zentarFont, data);
    delete Module.zentarFont;
});
// clang-format on

QByteArray fetchedFont() {
    const int size = fetchFont();
    if (size < 0) return {};
    QByteArray font(size, Qt::Uninitialized);
    takeFont(font.data());
    return font;
}

}  // namespace

QStringList gameFontFamilies() {
    static const QStringList families = [] {
        const int id = QFontDatabase::addApplicationFontFromData(fetchedFont());
        return id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    }();
    return families;
}

}  // namespace zentar
