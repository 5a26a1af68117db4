#include "app/qt_services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include "platform/waiting.h"
#include "widgets/widgets.h"

namespace zentar {
namespace {

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

int QtTimerClock::msToNextSecond() {
    return 1000 - QTime::currentTime().msec();
}

}  // namespace zentar
