// The Qt services behind the rules' seams: the generator seeded from the clock, message
// boxes and the help, the time of day and the settings store on disk. The beep is
// StrikeSound's; the battle's drawing surface is the battle window's.
#pragma once

#include <QList>
#include <QSettings>
#include <utility>

#include "core/clock.h"
#include "core/dialogues.h"
#include "core/random.h"
#include "core/random_source.h"
#include "state/store.h"

class QWidget;

namespace zentar {

// The period of the timers the game designs to run as often as the platform allows: the
// tick of the desktop the game was balanced on, 18.2 times a second.
inline constexpr int kTickMs = 55;

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

class QtStore : public Store {
  public:
    // The saved game is the per-user store of the application's names: the game's own
    // once main() has named it, a store of their own for other programs (the tests).
    QtStore();
    bool contains(const QString& key) override;
    QString read(const QString& key, const QString& fallback) override;
    void write(const QString& key, const QString& value) override;
    QString commit() override;
    bool damaged() override;
    QString keepCopy() override;

  private:
    QSettings settings_;  // reads the store; each commit writes through a handle of its own
    QList<std::pair<QString, QString>> unsaved_;  // written since the last commit
    QString copy_;                                // where the store was kept aside, once
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
