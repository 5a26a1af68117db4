// Fakes of the seams, one each: scripted random draws (a test fails when they run dry),
// scripted answers to message boxes, an in-memory settings store, and a record of
// every text, beep and shape. FakePlatform is all of them at once, for a whole game.
#pragma once

#include <QMap>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/game_timers.h"
#include "core/game.h"
#include "core/random.h"

namespace zentar {

class FakeRandom : public RandomSource {
  public:
    // Scripted draws; once they are used up, a seeded generator takes over only when
    // `seed` is set, else the test fails.
    std::deque<float> draws;
    std::optional<std::uint32_t> seed;
    int drawsTaken = 0;
    int reseeds = 0;

    void script(std::initializer_list<float> values) { draws.insert(draws.end(), values); }
    void repeat(float value, int times) { draws.insert(draws.end(), times, value); }
    void useSeed(std::uint32_t s) {
        seed = s;
        rng_.seed(s);
    }

    float next() override {
        ++drawsTaken;
        if (!draws.empty()) {
            const float r = draws.front();
            draws.pop_front();
            return r;
        }
        if (seed) return rng_.next();
        QTest::qFail("the scripted random draws ran dry", __FILE__, __LINE__);
        return 0.5f;
    }
    void seedFromClock() override { ++reseeds; }

  private:
    Random rng_;
};

struct Shown {
    QString text;
    Buttons buttons;
    Icon icon;
};

class FakeDialogues : public Dialogues {
  public:
    std::deque<Answer> answers;  // for Yes/No boxes; OK boxes need none
    std::vector<Shown> shown;
    std::function<void(const QString&)> onMessage;
    int helps = 0;

    QStringList texts() const {
        QStringList t;
        for (const Shown& s : shown) t << s.text;
        return t;
    }

    Answer message(const QString& text, Buttons buttons, Icon icon) override {
        shown.push_back({text, buttons, icon});
        if (onMessage) onMessage(text);
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) {
            QTest::qFail(qPrintable("no answer scripted for: " + text), __FILE__, __LINE__);
            return Answer::No;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void showHelp() override { ++helps; }
};

class FakeSound : public Sound {
  public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

// The time of day stands still; the timers' clock moves only when a test moves `ms`.
class FakeClock : public Clock, public TimerClock {
  public:
    std::int64_t ms = 0;
    QString timeOfDay() override { return QStringLiteral("12:34:56"); }
    std::int64_t steadyMs() override { return ms; }
    int msToNextSecond() override { return 1000 - ms % 1000; }
};

class FakeStore : public Store, public StoreMending {
  public:
    QMap<QString, QString> store;
    QStringList writeOrder;
    QString commitFailure;
    int writesKept = -1;      // a write that runs short: only this many values reach the store
    bool unreadable = false;  // the store could not be read as a whole
    QStringList inexact;      // keys whose values were not read as they were written
    std::optional<QString> copyPlace = QString();  // what keepCopy says of the copy
    int copies = 0;                                // calls of keepCopy

    bool contains(const QString& key) override { return store.contains(key); }
    QString read(const QString& key, const QString& fallback) override {
        return store.value(key, fallback);
    }
    bool exact(const QString& key) override { return !inexact.contains(key); }
    void write(const QString& key, const QString& value) override {
        if (writesKept < 0 || staging_.size() < writesKept) staging_[key] = value;
        writeOrder << key;
    }
    std::optional<QString> staged(const QString& key) override {
        return staging_.contains(key) ? std::optional(staging_[key]) : std::nullopt;
    }
    QString commit() override {
        if (commitFailure.isEmpty()) store.insert(staging_);
        staging_.clear();
        return commitFailure;
    }
    void discard() override { staging_.clear(); }
    StoreMending* mending() override { return this; }
    bool damaged() override { return unreadable; }
    QString notAFile() override { return {}; }
    std::optional<QString> keepCopy() override {
        ++copies;
        return copyPlace;
    }

  private:
    QMap<QString, QString> staging_;
};

struct Shape {
    enum Kind { Circle, Line, Box } kind;
    float x1, y1, x2, y2;  // a circle: centre (x1, y1), radius x2
    Rgb colour;
};

class FakeSurface : public BattleSurface {
  public:
    int holds = 0, clears = 0, effects = 0;
    int announced = 0;  // the shapes the last effect said it would draw
    std::vector<Shape> shapes;
    std::function<void()> onShape;  // called as each shape is drawn

    void beginEffect(int shapes) override {
        ++effects;
        announced = shapes;
    }
    void fillColor(Rgb) override {}
    void circle(float x, float y, float r, Rgb c) override { draw({Shape::Circle, x, y, r, 0, c}); }
    void line(float x1, float y1, float x2, float y2, Rgb c) override {
        draw({Shape::Line, x1, y1, x2, y2, c});
    }
    void box(float x1, float y1, float x2, float y2, Rgb c) override {
        draw({Shape::Box, x1, y1, x2, y2, c});
    }
    void cls() override { ++clears; }
    void hold() override { ++holds; }

  private:
    void draw(const Shape& shape) {
        shapes.push_back(shape);
        if (onShape) onShape();
    }
};

// Every seam at once, for a whole game.
struct FakePlatform : FakeRandom, FakeDialogues, FakeSound, FakeClock, FakeStore, FakeSurface {
    Services services() { return {*this, *this, *this, *this, *this}; }
};

}  // namespace zentar
