// The Qt services behind the rules' seams: the generator seeded from the clock, message
// boxes and the help, the time of day and the timers' clock. The beep and the saved game's
// store are the platform's, the battle's drawing surface the battle window's.
#pragma once

#include <QElapsedTimer>

#include "app/game_timers.h"
#include "core/clock.h"
#include "core/dialogues.h"
#include "core/random.h"
#include "core/random_source.h"

class QWidget;

namespace zentar {

// The organisation and application name the game runs under, which name its saved game:
// HKEY_CURRENT_USER\Software\zentar\zentar on Windows, ~/.config/zentar/zentar.conf on Linux.
inline constexpr char kGameName[] = "zentar";

class QtRandom : public RandomSource {
  public:
    QtRandom();
    float next() override { return rng_.next(); }
    void seedFromClock() override;

  private:
    Random rng_;
};

class QtClock : public Clock {
  public:
    QString timeOfDay() override;
};

class QtTimerClock : public TimerClock {
  public:
    QtTimerClock() { steady_.start(); }
    std::int64_t steadyMs() override { return steady_.elapsed(); }
    int msToNextSecond() override;

  private:
    QElapsedTimer steady_;
};

// What the message boxes and the help need of the application that shows them.
class DialogueHost {
  public:
    virtual ~DialogueHost() = default;
    // Set once the game is told to end from outside: no box waits for an answer any more.
    virtual bool closing() const = 0;
    // Brings the windows up to date, so the player reads a box over what the rules reached.
    virtual void syncWindows() = 0;
    // The window a message box stays above, if any.
    virtual QWidget* frontWindow() const = 0;
    virtual void openHelp() = 0;
};

class QtDialogues : public Dialogues {
  public:
    explicit QtDialogues(DialogueHost& host) : host_(host) {}
    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    void showHelp() override { host_.openHelp(); }

  private:
    DialogueHost& host_;
};

}  // namespace zentar
