#include "platform/file_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace zentar {
namespace {

constexpr char kSection[] = "velmora";
const QString kGroup = QStringLiteral("velmora/");
const QString kCopySuffix = QStringLiteral(".damaged");
constexpr int kMostCopies = 100;  // copies kept of damaged stores beside the store, at most

QString stagingName(const QString& file) {
    return file + QStringLiteral(".saving");
}

// The file a link leads to, followed to its end; the file itself when it is no link.
QString linkTarget(const QString& file) {
    const QFileInfo info(file);
    if (!info.isSymLink()) return file;
    const QString target = info.canonicalFilePath();  // none while the link leads nowhere
    return target.isEmpty() ? info.symLinkTarget() : target;
}

QString folderInPlaceOf(const QString& name) {
    return QStringLiteral("%1 はファイルではなく、フォルダーです。")
        .arg(QDir::toNativeSeparators(name));
}

}  // namespace

FileStore::FileStore(const QString& file)
    : settings_(file, QSettings::IniFormat), target_(linkTarget(file)) {
    settings_.allKeys();  // reads the whole file now, so that a fault in it shows here
    QFile in(file);
    if (in.open(QIODevice::ReadOnly)) check_ = checkIni(in.readAll(), kSection);
}

bool FileStore::contains(const QString& key) {
    return settings_.contains(kGroup + key);
}

QString FileStore::read(const QString& key, const QString& fallback) {
    return settings_.value(kGroup + key, fallback).toString();
}

void FileStore::write(const QString& key, const QString& value) {
    unsaved_.emplace_back(key, value);
}

QString FileStore::stage() {
    staged_.clear();
    const QList<std::pair<QString, QString>> values = std::exchange(unsaved_, {});
    const QFileInfo old(target_);
    if (old.exists() && !old.isDir() && !old.isWritable())  // a saved game made read-only
        return cannotWrite();                               // stays as it is
    if (const QString blocked = stagingBlocked(); !blocked.isEmpty()) return blocked;
    QSettings out(stagingName(target_), QSettings::IniFormat);
    out.clear();  // what an earlier run left staged goes
    for (const auto& [key, value] : values) out.setValue(kGroup + key, value);
    out.sync();
    switch (out.status()) {
        case QSettings::NoError:
            readBack();
            return {};
        case QSettings::AccessError:
            return cannotWrite();
        case QSettings::FormatError:
            break;
    }
    return QStringLiteral("原因不明のエラーです。");
}

// A folder in the place of the saved game, of the staged file, or of the lock the settings
// writer takes beside that: the save could never go down, and the writer would wait for
// the lock for ever.
QString FileStore::stagingBlocked() const {
    const QString staging = stagingName(target_);
    for (const QString& name : {target_, staging, staging + QStringLiteral(".lock")})
        if (QFileInfo(name).isDir()) return folderInPlaceOf(name);
    return {};
}

// Qt keeps a file it has written in memory and would answer from there, whatever reached
// the disk: the staged file is read back from a copy Qt has never seen, made beside it, so
// that a save needs no folder but the saved game's own.
void FileStore::readBack() {
    QFile in(stagingName(target_));
    QTemporaryFile copy(QFileInfo(target_).absolutePath() + QStringLiteral("/zentar.check.XXXXXX"));
    if (!in.open(QIODevice::ReadOnly) || !copy.open()) return;  // nothing reads back
    const QByteArray bytes = in.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.flush()) return;
    QSettings back(copy.fileName(), QSettings::IniFormat);
    back.beginGroup(QLatin1String(kSection));
    const QStringList keys = back.childKeys();
    for (const QString& key : keys) staged_.insert(key, back.value(key).toString());
}

std::optional<QString> FileStore::staged(const QString& key) {
    const auto it = staged_.constFind(key);
    return it == staged_.cend() ? std::nullopt : std::optional(*it);
}

QString FileStore::commit() {
    if (replaceFile(stagingName(target_), target_)) return {};
    discard();
    return cannotWrite();
}

void FileStore::discard() {
    QFile::remove(stagingName(target_));
}

QString FileStore::cannotWrite() const {
    return QStringLiteral("%1 に書き込めません。")
        .arg(QDir::toNativeSeparators(settings_.fileName()));
}

bool FileStore::exact(const QString& key) {
    return !check_.inexact.contains(key);
}

// Only a file could not be parsed; a file that begins with a byte-order mark is read whole
// all the same, and is no damage when nothing else is wrong in it. A folder is no file at
// all: that is told as such.
bool FileStore::damaged() {
    const bool onlyTheMark = check_.byteOrderMark && !check_.unreadableLine &&
                             settings_.status() == QSettings::FormatError;
    return settings_.status() != QSettings::NoError && !onlyTheMark && notAFile().isEmpty();
}

QString FileStore::notAFile() {
    return QFileInfo(target_).isDir() ? folderInPlaceOf(target_) : QString();
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
