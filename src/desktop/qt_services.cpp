#include "desktop/qt_services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include "desktop/event_loop.h"
#include "widgets/widgets.h"

namespace zentar {
namespace {

constexpr char kSection[] = "velmora";
const QString kGroup = QStringLiteral("velmora/");
const QString kCopySuffix = QStringLiteral(".damaged");
constexpr int kMostCopies = 100;  // copies kept of damaged stores beside the store, at most

std::uint32_t clockSeed() {
    const auto ns = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 1000003u ^
                    static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay());
    return static_cast<std::uint32_t>(ns ^ (ns >> 32));
}

}  // namespace

QtRandom::QtRandom() : rng_(clockSeed()) {}

void QtRandom::seedFromClock() {
    rng_.seed(clockSeed());
}

Answer QtDialogues::message(const QString& text, Buttons buttons, Icon icon) {
    if (host_.closing()) {
        // Nobody is there to read a box any more: the session's log gets the text.
        const QString line = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        qWarning("zentar: %s", qUtf8Printable(line));
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    host_.syncWindows();  // the player reads the box over what the rules have reached
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    QStringLiteral("ゼンタル"), displayText(text), QMessageBox::NoButton);
    if (QWidget* owner = host_.frontWindow()) keepAbove(&box, owner);
    box.setFont(gameFont(12));
    // Wide enough that the title "ゼンタル" is never cut short, even for a short text.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(260, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    if (buttons == Buttons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        waitForAnswer(box);
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    waitForAnswer(box);
    return Answer::Ok;
}

QString QtClock::timeOfDay() {
    return QTime::currentTime().toString(QStringLiteral("H:mm:ss"));
}

QtStore::QtStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                QCoreApplication::applicationName()) {
    settings_.allKeys();               // reads the whole file now, so that a fault in it shows here
    // The registry and the page's storage are no file: nothing to check there.
    QFile file(settings_.fileName());
    if (!file.fileName().isEmpty() && file.open(QIODevice::ReadOnly))
        check_ = checkIni(file.readAll(), kSection);
}

bool QtStore::contains(const QString& key) {
    return settings_.contains(kGroup + key);
}

QString QtStore::read(const QString& key, const QString& fallback) {
    return settings_.value(kGroup + key, fallback).toString();
}

bool QtStore::exact(const QString& key) {
    return !check_.inexact.contains(key);
}

void QtStore::write(const QString& key, const QString& value) {
    unsaved_.emplace_back(key, value);
}

std::optional<QString> QtStore::staged(const QString& key) {
    const auto it = staged_.constFind(key);
    return it == staged_.cend() ? std::nullopt : std::optional(*it);
}

QString QtStore::put(QSettings& out) {
    for (const auto& [key, value] : unsaved_) out.setValue(kGroup + key, value);
    unsaved_.clear();
    out.sync();
    switch (out.status()) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return cannotWrite();
        case QSettings::FormatError:
            return QStringLiteral("%1 の形式が正しくありません。").arg(settings_.fileName());
    }
    return QStringLiteral("原因不明のエラーです。");
}

void QtStore::takeStaged(QSettings& in) {
    staged_.clear();
    in.beginGroup(QLatin1String(kSection));
    const QStringList keys = in.childKeys();
    for (const QString& key : keys) staged_.insert(key, in.value(key).toString());
}

QString QtStore::cannotWrite() const {
    return QStringLiteral("%1 に書き込めません。").arg(settings_.fileName());
}

// Only a file could not be parsed; a file that begins with a byte-order mark is read whole
// all the same, and is no damage when nothing else is wrong in it.
bool QtStore::damaged() {
    const bool onlyTheMark = check_.byteOrderMark && !check_.unreadableLine &&
                             settings_.status() == QSettings::FormatError;
    return settings_.status() != QSettings::NoError && !onlyTheMark;
}

// The registry is no file: nothing to copy there.
std::optional<QString> QtStore::keepCopy() {
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
