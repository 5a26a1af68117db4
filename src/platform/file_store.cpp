#include "platform/file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

namespace zentar {
namespace {

constexpr char kSection[] = "velmora";
const QString kCopySuffix = QStringLiteral(".damaged");
constexpr int kMostCopies = 100;  // copies kept of damaged stores beside the store, at most

QString stagingName(const QString& file) {
    return file + QStringLiteral(".saving");
}

}  // namespace

FileStore::FileStore(const QString& file) : SettingsStore(file) {
    settings_.allKeys();  // reads the whole file now, so that a fault in it shows here
    QFile in(file);
    if (in.open(QIODevice::ReadOnly)) check_ = checkIni(in.readAll(), kSection);
}

QString FileStore::stage() {
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

QString FileStore::commit() {
    const QString file = settings_.fileName();
    if (std::rename(QFile::encodeName(stagingName(file)).constData(),
                    QFile::encodeName(file).constData()) == 0)
        return {};
    discard();
    return cannotWrite();
}

void FileStore::discard() {
    QFile::remove(stagingName(settings_.fileName()));
}

bool FileStore::exact(const QString& key) {
    return !check_.inexact.contains(key);
}

// Only a file could not be parsed; a file that begins with a byte-order mark is read whole
// all the same, and is no damage when nothing else is wrong in it.
bool FileStore::damaged() {
    const bool onlyTheMark = check_.byteOrderMark && !check_.unreadableLine &&
                             settings_.status() == QSettings::FormatError;
    return settings_.status() != QSettings::NoError && !onlyTheMark;
}

std::optional<QString> FileStore::keepCopy() {
    const QString file = settings_.fileName();
    if (!copy_.isEmpty() || !QFileInfo(file).isFile()) return copy_;
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString name = file + kCopySuffix + (n > 1 ? QString::number(n) : QString());
        if (QFileInfo::exists(name)) continue;  // an earlier copy stays as it is
        if (QFile::copy(file, name)) copy_ = name;
        break;
    }
    return copy_.isEmpty() ? std::nullopt : std::optional(copy_);
}

}  // namespace zentar
