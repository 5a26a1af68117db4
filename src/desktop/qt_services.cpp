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
    settings_.allKeys();  // reads the whole file now, so that a fault in it shows here
}

bool QtStore::contains(const QString& key) {
    return settings_.contains(kGroup + key);
}

QString QtStore::read(const QString& key, const QString& fallback) {
    return settings_.value(kGroup + key, fallback).toString();
}

void QtStore::write(const QString& key, const QString& value) {
    unsaved_.emplace_back(key, value);
}

// Each save writes through a handle of its own: a handle keeps the first fault it met, and
// one met in reading a damaged file would otherwise be told as this save's.
QString QtStore::commit() {
    QSettings store(settings_.format(), settings_.scope(), settings_.organizationName(),
                    settings_.applicationName());
    // A file is written whole, so junk beside the saved game, as a damaged file may hold,
    // goes with the old file; the registry is written key by key and is never emptied.
    if (QFileInfo(store.fileName()).isFile()) store.clear();
    for (const auto& [key, value] : unsaved_) store.setValue(kGroup + key, value);
    unsaved_.clear();
    store.sync();
    switch (store.status()) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return QStringLiteral("%1 に書き込めません。").arg(store.fileName());
        case QSettings::FormatError:
            return QStringLiteral("%1 の形式が正しくありません。").arg(store.fileName());
    }
    return QStringLiteral("原因不明のエラーです。");
}

bool QtStore::damaged() {
    return settings_.status() != QSettings::NoError;
}

// The registry is no file: nothing to copy there.
QString QtStore::keepCopy() {
    const QString file = settings_.fileName();
    if (!copy_.isEmpty() || !QFileInfo(file).isFile()) return copy_;
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString name = file + kCopySuffix + (n > 1 ? QString::number(n) : QString());
        if (QFileInfo::exists(name)) continue;  // an earlier copy stays as it is
        if (QFile::copy(file, name)) copy_ = name;
        break;
    }
    return copy_;
}

}  // namespace zentar
