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
    // Puts everything written so far safely on disk; returns "" or the reason it failed.
    virtual QString commit() = 0;
};

}  // namespace zentar
