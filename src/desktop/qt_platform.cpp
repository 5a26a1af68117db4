#include "desktop/qt_platform.h"

#include <QDateTime>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include "widgets/widgets.h"

namespace zentar {
namespace {

const QString kGroup = QStringLiteral("velmora/");

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
    if (host_.closing()) return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
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
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return Answer::Ok;
}

QString QtClock::timeOfDay() {
    return QTime::currentTime().toString(QStringLiteral("H:mm:ss"));
}

QtStore::QtStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zentar"),
                QStringLiteral("zentar")) {}

bool QtStore::contains(const QString& key) {
    return settings_.contains(kGroup + key);
}

QString QtStore::read(const QString& key, const QString& fallback) {
    return settings_.value(kGroup + key, fallback).toString();
}

void QtStore::write(const QString& key, const QString& value) {
    settings_.setValue(kGroup + key, value);
}

QString QtStore::commit() {
    settings_.sync();
    switch (settings_.status()) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return QStringLiteral("%1 に書き込めません。").arg(settings_.fileName());
        case QSettings::FormatError:
            return QStringLiteral("%1 の形式が正しくありません。").arg(settings_.fileName());
    }
    return QStringLiteral("原因不明のエラーです。");
}

}  // namespace zentar
