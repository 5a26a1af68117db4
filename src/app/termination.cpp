#include "app/termination.h"

#include <QGuiApplication>
#include <QSessionManager>

#include "app/application.h"
#include "platform/run.h"

namespace zentar {

Termination::Termination(Application& app) : app_(app) {
    watchEndSignal(this, [this] { onSignal(); });
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { app_.terminate(); });
}

void Termination::onSignal() {
    app_.terminate();
}

}  // namespace zentar
