// Everything outside the rules reaches the core through this one interface: the
// random source, message boxes, the beep, the clock, help, the settings store and
// the battle screen's drawing surface. The game uses a Qt implementation, tests a fake.
#pragma once

#include <QString>
#include <cstdint>

namespace zentar {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Question };
enum class Answer { Ok, Yes, No };

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // One uniform draw in [0, 1) from the game's only generator.
    virtual float random() = 0;
    // Reseeds the generator from the clock (each battle set-up does this).
    virtual void seedFromClock() = 0;

    // A modal box titled "ゼンタル"; returns once the player has answered.
    virtual Answer message(const QString& text, Buttons buttons, Icon icon) = 0;
    virtual void beep() = 0;
    // The time of day in the platform's format: hours, minutes and seconds.
    virtual QString timeOfDay() = 0;
    virtual void showHelp() = 0;

    // The settings store of the saved game (application "zentar", section "velmora").
    virtual bool contains(const QString& key) = 0;
    virtual QString read(const QString& key, const QString& fallback) = 0;
    virtual void write(const QString& key, const QString& value) = 0;
    // Puts what was written since the last commit safely on disk (a store that is a file
    // then holds nothing else); returns "" or the reason this commit failed.
    virtual QString commit() = 0;
    // Whether the store could not be read as a whole: a file it could not parse or read.
    virtual bool storeDamaged() { return false; }
    // Keeps a copy of the store as it is now beside it, under a name no earlier copy has
    // taken, once a run; returns where it is, or "" when the store is no file (the
    // registry) or no copy could be made.
    virtual QString keepCopy() { return {}; }

    // Drawing on the battle screen's surface, in twips. An effect announces how many
    // shapes it is about to draw, so that the player can watch them appear.
    virtual void beginEffect(int shapes) = 0;
    virtual void fillColor(Rgb colour) = 0;
    virtual void circle(float x, float y, float radius, Rgb colour) = 0;
    virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    virtual void box(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    virtual void cls() = 0;
    // The finished picture of an effect stays up a moment before it is cleared.
    virtual void hold() = 0;
};

}  // namespace zentar
