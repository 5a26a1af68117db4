// Ending the game from outside: SIGTERM, or the desktop session closing. Either saves
// the game as closing the main screen would (when it is loaded), then ends.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zentar {

class Application;

class Termination : public QObject {
  public:
    explicit Termination(Application& app);
    ~Termination() override;

  private:
    void onSignal();

    Application& app_;
    QSocketNotifier* notifier_;
};

}  // namespace zentar
