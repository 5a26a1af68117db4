// The settings store the saved game lives in (application "zentar", section "velmora").
#pragma once

#include <QString>

namespace zentar {

class Store {
  public:
    virtual ~Store() = default;
    virtual bool contains(const QString& key) = 0;
    virtual QString read(const QString& key, const QString& fallback) = 0;
    virtual void write(const QString& key, const QString& value) = 0;
    // Puts what was written since the last commit safely on disk (a store that is a file
    // then holds nothing else); returns "" or the reason this commit failed.
    virtual QString commit() = 0;
    // Whether the store could not be read as a whole: a file it could not parse or read.
    virtual bool damaged() { return false; }
    // Keeps a copy of the store as it is now beside it, under a name no earlier copy has
    // taken, once a run; returns where it is, or "" when the store is no file (the
    // registry) or no copy could be made.
    virtual QString keepCopy() { return {}; }
};

}  // namespace zentar
