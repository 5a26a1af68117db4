// The saved game's file as any bytes: the check of what the settings reader passes over
// must finish, name only keys as a line gives them (never a line's end or its value), and
// see the byte-order mark where it is.
#include <cstdlib>

#include "state/ini_check.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size) {
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    const zentar::IniCheck check = zentar::checkIni(bytes, "velmora");
    if (check.byteOrderMark != bytes.startsWith("\xef\xbb\xbf")) std::abort();
    for (const QString& key : check.inexact)
        if (key.contains(u'\n') || key.contains(u'=')) std::abort();
    return 0;
}
