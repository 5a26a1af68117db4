#include "state/ini_check.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>

namespace zentar {
namespace {

bool validUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);  // decoding is what finds a fault
    return !utf8.hasError();
}

}  // namespace

IniCheck checkIni(const QByteArray& bytes, const QByteArray& section) {
    IniCheck check;
    check.byteOrderMark = bytes.startsWith("\xef\xbb\xbf");
    const QByteArray text = check.byteOrderMark ? bytes.mid(3) : bytes;
    // Every line the game writes ends in a line feed: a last line without one was cut.
    const bool cut = !text.isEmpty() && !text.endsWith('\n');
    const QList<QByteArray> lines = text.split('\n');
    QHash<QByteArray, QByteArray> values;
    QByteArray current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) check.unreadableLine = true;
            current = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0) {
            check.unreadableLine = true;
            continue;
        }
        if (current != section) continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        const auto earlier = values.constFind(key);
        if ((cut && i == lines.size() - 1) || !validUtf8(value) ||
            (earlier != values.cend() && *earlier != value))
            check.inexact.insert(QString::fromUtf8(key));
        values.insert(key, value);
    }
    return check;
}

}  // namespace zentar
