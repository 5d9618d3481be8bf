#pragma once

#include "sdk/ZoScope.h"

#include <QObject>
#include <QTimer>

#include <functional>

// Delivers the SDK's time-driven events (moves arriving, positions reported
// while an axis travels) from the Qt event loop, on the UI thread. It asks the
// SDK when the next event is due and sleeps until then, so an idle instrument
// costs nothing.
class ScopePump : public QObject {
    Q_OBJECT
public:
    // scope() returns the current root object or null (none connected yet).
    explicit ScopePump(std::function<ZOSCOPELib::Scope*()> scope, QObject* parent = nullptr);

    // Call after anything that may have started a move, so the pump wakes up.
    void Kick();

private:
    void Tick();
    void Schedule();

    std::function<ZOSCOPELib::Scope*()> m_scope;
    QTimer m_timer;
};
