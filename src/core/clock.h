// The time of day the main screen shows.
#pragma once

#include <QString>

namespace zentar {

class Clock {
  public:
    virtual ~Clock() = default;
    // Hours, minutes and seconds in the platform's format.
    virtual QString timeOfDay() = 0;
};

}  // namespace zentar
