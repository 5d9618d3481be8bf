#pragma once

#include "sdk/ZoScope.h"

#include <QTableWidget>

#include <vector>

// A plain window that lists the instrument's devices, whether each is
// mounted, and its main value as it changes. Double-clicking a row nudges the
// device (next position, a short move, open/close) so the live view can be
// seen at work.
class DeviceMonitor : public QTableWidget {
    Q_OBJECT
public:
    explicit DeviceMonitor(ZOSCOPELib::Scope& scope, QWidget* parent = nullptr);

    // Drops every parameter object and subscription; the window shows its
    // last values and follows nothing any more.
    void ReleaseParameters();

private:
    void Refresh(int row);
    void Nudge(int row);

    ZOSCOPELib::Scope& m_scope;
    std::vector<ZOSCOPELib::ParameterPtr> m_values;
    std::vector<ZOSCOPELib::Subscription> m_subscriptions;
};
