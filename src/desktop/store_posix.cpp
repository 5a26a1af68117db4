// The saved game is a file here. A save is written whole beside it, read back, and only
// then renamed over it in one step: the file always holds one whole save, old or new.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

#include "desktop/qt_services.h"

namespace zentar {
namespace {

QString stagingName(const QString& file) {
    return file + QStringLiteral(".saving");
}

}  // namespace

QString QtStore::stage() {
    staged_.clear();
    const QString file = settings_.fileName();
    const QFileInfo old(file);
    if (old.exists() && !old.isWritable()) {  // a saved game made read-only stays as it is
        unsaved_.clear();
        return cannotWrite();
    }
    QSettings out(stagingName(file), QSettings::IniFormat);
    out.clear();  // what an earlier run left staged goes
    const QString failure = put(out);
    if (!failure.isEmpty()) return failure;
    // Qt keeps a file it has written in memory and would answer from there, whatever
    // reached the disk: the staged file is read back from a copy Qt has never seen.
    QFile in(stagingName(file));
    QTemporaryFile copy;
    if (!in.open(QIODevice::ReadOnly) || !copy.open()) return {};  // nothing reads back
    const QByteArray bytes = in.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.flush()) return {};
    QSettings back(copy.fileName(), QSettings::IniFormat);
    takeStaged(back);
    return {};
}

QString QtStore::commit() {
    const QString file = settings_.fileName();
    if (std::rename(QFile::encodeName(stagingName(file)).constData(),
                    QFile::encodeName(file).constData()) == 0)
        return {};
    discard();
    return cannotWrite();
}

void QtStore::discard() {
    QFile::remove(stagingName(settings_.fileName()));
}

}  // namespace zentar
