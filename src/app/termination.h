// Ending the game from outside: the system's end signal (SIGTERM on Linux), or the
// desktop session closing. Either saves the game as closing the main screen would (when
// it is loaded, or the shop that returns to it), then ends.
#pragma once

#include <QObject>

namespace zentar {

class Application;

class Termination : public QObject {
  public:
    explicit Termination(Application& app);

  private:
    void onSignal();

    Application& app_;
};

}  // namespace zentar
