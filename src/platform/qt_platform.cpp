#include "platform/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <QTime>
#include <algorithm>

#include "platform/widgets.h"

namespace zentar {
namespace {

constexpr int kFrameMs = 16;
constexpr int kEffectFrames = 60;  // an effect's shapes appear over about one second
constexpr int kHoldMs = 400;
const QString kGroup = QStringLiteral("velmora/");
const QString kCopySuffix = QStringLiteral(".damaged");
constexpr int kMostCopies = 100;  // copies kept of damaged stores beside the store, at most

std::uint32_t clockSeed() {
    const auto ns = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 1000003u ^
                    static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay());
    return static_cast<std::uint32_t>(ns ^ (ns >> 32));
}

}  // namespace

QtPlatform::QtPlatform()
    : rng_(clockSeed()),
      settings_(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                QCoreApplication::applicationName()) {
    settings_.allKeys();  // reads the whole file now, so that a fault in it shows here
}

void QtPlatform::seedFromClock() {
    rng_.seed(clockSeed());
}

Answer QtPlatform::message(const QString& text, Buttons buttons, Icon icon) {
    if (closing) {
        // Nobody is there to read a box any more: the session's log gets the text.
        const QString line = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        qWarning("zentar: %s", qUtf8Printable(line));
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    if (onPump) onPump();  // the player reads the box over what the rules have reached
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    QStringLiteral("ゼンタル"), displayText(text), QMessageBox::NoButton);
    if (QWidget* owner = messageOwner ? messageOwner() : nullptr) keepAbove(&box, owner);
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

void QtPlatform::beep() {
    strike_.play();
}

QString QtPlatform::timeOfDay() {
    return QTime::currentTime().toString(QStringLiteral("H:mm:ss"));
}

void QtPlatform::showHelp() {
    if (onHelp) onHelp();
}

bool QtPlatform::contains(const QString& key) {
    return settings_.contains(kGroup + key);
}

QString QtPlatform::read(const QString& key, const QString& fallback) {
    return settings_.value(kGroup + key, fallback).toString();
}

void QtPlatform::write(const QString& key, const QString& value) {
    unsaved_.emplace_back(key, value);
}

// Each save writes through a handle of its own: a handle keeps the first fault it met, and
// one met in reading a damaged file would otherwise be told as this save's.
QString QtPlatform::commit() {
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

bool QtPlatform::storeDamaged() {
    return settings_.status() != QSettings::NoError;
}

// The registry is no file: nothing to copy there.
QString QtPlatform::keepCopy() {
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

void QtPlatform::setEffectView(QWidget* view, QSize pixels) {
    effectView_ = view;
    layer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    layer_.fill(Qt::transparent);
}

void QtPlatform::beginEffect(int shapes) {
    shapesPerFrame_ = std::max(1, (shapes + kEffectFrames - 1) / kEffectFrames);
    pending_ = 0;
}

void QtPlatform::fillColor(Rgb) {
    // Shapes are drawn as outlines, so the fill colour shows nowhere.
}

void QtPlatform::circle(float x, float y, float radius, Rgb colour) {
    if (layer_.isNull()) return;
    QPainter p(&layer_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(qcolor(colour));
    const double s = 1.0 / kTwipsPerPixel;
    p.drawEllipse(QPointF(x * s, y * s), radius * s, radius * s);
    shapeDrawn();
}

void QtPlatform::line(float x1, float y1, float x2, float y2, Rgb colour) {
    if (layer_.isNull()) return;
    QPainter p(&layer_);
    p.setPen(qcolor(colour));
    const double s = 1.0 / kTwipsPerPixel;
    p.drawLine(QPointF(x1 * s, y1 * s), QPointF(x2 * s, y2 * s));
    shapeDrawn();
}

void QtPlatform::box(float x1, float y1, float x2, float y2, Rgb colour) {
    if (layer_.isNull()) return;
    QPainter p(&layer_);
    const double s = 1.0 / kTwipsPerPixel;
    const QRectF r = QRectF(QPointF(x1 * s, y1 * s), QPointF(x2 * s, y2 * s)).normalized();
    p.fillRect(r.adjusted(0, 0, 0.5, 0), qcolor(colour));
    shapeDrawn();
}

void QtPlatform::cls() {
    if (layer_.isNull()) return;
    layer_.fill(Qt::transparent);
    pending_ = 0;
    pump(0);
}

void QtPlatform::hold() {
    pump(kHoldMs);
}

void QtPlatform::shapeDrawn() {
    if (++pending_ < shapesPerFrame_) return;
    pending_ = 0;
    pump(kFrameMs);
}

// Shows what was drawn and lets the window repaint for a while; no input and no game
// timer gets through meanwhile.
void QtPlatform::pump(int milliseconds) {
    animating_ = true;
    if (onPump) onPump();
    if (effectView_) effectView_->update();
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents,
                                        std::max(1, milliseconds - int(t.elapsed())));
        if (milliseconds > 0 && t.elapsed() < milliseconds) QThread::msleep(1);
    } while (t.elapsed() < milliseconds);
    animating_ = false;
}

}  // namespace zentar
