// The settings store the saved game lives in (application "zentar", section "velmora"):
// the half every store has, which reads and saves, and the half only a store kept in a
// file has, which finds what is wrong with the file and keeps it aside.
#pragma once

#include <QString>
#include <optional>

namespace zentar {

// What can be wrong with a store kept in a file, and a copy of it kept aside.
class StoreMending {
  public:
    virtual ~StoreMending() = default;
    // Whether the value of `key` reads as it was written: not when its line was cut short,
    // the key was given twice or its text was no valid UTF-8.
    virtual bool exact(const QString& key) = 0;
    // Whether the store could not be read as a whole: a file it could not parse or read.
    virtual bool damaged() = 0;
    // What stands where the file should be when it is no file (a folder), with its path,
    // for the player to read; "" when nothing does.
    virtual QString notAFile() = 0;
    // Keeps a copy of the store as it is now beside it, under a name no earlier copy has
    // taken, once a run; returns where it is, or none when no copy could be made.
    virtual std::optional<QString> keepCopy() = 0;
};

class Store {
  public:
    virtual ~Store() = default;
    virtual bool contains(const QString& key) = 0;
    virtual QString read(const QString& key, const QString& fallback) = 0;

    // A save is made in steps: write() every value, stage() them beside the saved game,
    // which stays as it is, read them back with staged(), then commit() them in its place
    // or discard() them. A store that writes in place (one in memory) has nothing to do
    // at stage() or commit(), and reads its staged values where they are.
    virtual void write(const QString& key, const QString& value) = 0;
    // Returns "" or the reason the values could not be put down.
    virtual QString stage() { return {}; }
    // A staged value as it reads back from where it was put down; none when missing.
    virtual std::optional<QString> staged(const QString& key) {
        return contains(key) ? std::optional(read(key, {})) : std::nullopt;
    }
    // Makes the staged values the saved game in one step; returns "" or the reason.
    virtual QString commit() { return {}; }
    // Drops the staged values: the saved game stays as it was.
    virtual void discard() {}

    // The mending half, for a store kept in a file; none for a store that is no file.
    virtual StoreMending* mending() { return nullptr; }
};

}  // namespace zentar
