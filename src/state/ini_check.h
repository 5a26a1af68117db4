// What the settings reader passes over in silence when it reads the saved game's file.
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace zentar {

struct IniCheck {
    bool byteOrderMark = false;   // the file begins with one; the reader still reads it whole
    bool unreadableLine = false;  // a line that is no section, no value and not blank
    // Keys of `section` whose value may not be what was written: the line cut short at the
    // end of the file, a key given twice with two values, a text that is no valid UTF-8.
    QSet<QString> inexact;
};

IniCheck checkIni(const QByteArray& bytes, const QByteArray& section);

}  // namespace zentar
