// The platform of the real game: Qt message boxes, QSettings, the clock, the beep,
// and the effect layer of the battle screen that the player watches fill up.
#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QSettings>
#include <QWidget>
#include <functional>
#include <utility>

#include "platform/platform.h"
#include "platform/random.h"
#include "platform/strike_sound.h"

namespace zentar {

// The period of the timers the game designs to run as often as the platform allows: the
// tick of the desktop the game was balanced on, 18.2 times a second.
inline constexpr int kTickMs = 55;

// The organisation and application name the game runs under, which name its saved game:
// HKEY_CURRENT_USER\Software\zentar\zentar on Windows, ~/.config/zentar/zentar.conf on Linux.
inline constexpr char kGameName[] = "zentar";

class QtPlatform : public Platform {
  public:
    // The saved game is the per-user store of the application's names: the game's own
    // once main() has named it, a store of their own for other programs (the tests).
    QtPlatform();

    float random() override { return rng_.next(); }
    void seedFromClock() override;
    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    void beep() override;
    QString timeOfDay() override;
    void showHelp() override;

    bool contains(const QString& key) override;
    QString read(const QString& key, const QString& fallback) override;
    void write(const QString& key, const QString& value) override;
    QString commit() override;
    bool storeDamaged() override;
    QString keepCopy() override;

    void beginEffect(int shapes) override;
    void fillColor(Rgb colour) override;
    void circle(float x, float y, float radius, Rgb colour) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void box(float x1, float y1, float x2, float y2, Rgb colour) override;
    void cls() override;
    void hold() override;

    // The battle view that shows the effect layer, and the layer itself.
    void setEffectView(QWidget* view, QSize pixels);
    const QImage& effectLayer() const { return layer_; }
    // While an effect plays, no game timer fires and no input reaches the game.
    bool animating() const { return animating_; }

    // Set once the game is told to end from outside: no box waits for an answer any more.
    bool closing = false;
    std::function<void()> onHelp;            // opens the help window
    std::function<void()> onPump;            // brings the windows up to date during an effect
    std::function<QWidget*()> messageOwner;  // the window a message box stays above

  private:
    void shapeDrawn();
    void pump(int milliseconds);

    Random rng_;
    QSettings settings_;  // reads the store; each commit writes through a handle of its own
    QList<std::pair<QString, QString>> unsaved_;  // written since the last commit
    QString copy_;                                // where the store was kept aside, once
    StrikeSound strike_;
    QImage layer_;
    QPointer<QWidget> effectView_;
    int shapesPerFrame_ = 1;
    int pending_ = 0;
    bool animating_ = false;
};

}  // namespace zentar
