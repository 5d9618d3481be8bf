#pragma once

#include "remote/RemoteTarget.h"

#include <QPointer>

class frmZoControl;

// The control pad as remote commands reach it: every command enters the
// pad where the user's hand would, so the pad shows it at once and cannot
// tell a script from a click.
class PadRemote : public remote::RemoteTarget {
public:
    explicit PadRemote(frmZoControl& pad);

    std::string func_Refusal() override;
    void Set(const remote::RemoteDevice& device, int32_t value) override;
    void Move(const std::vector<std::pair<remote::RemoteAxis, int32_t>>& targets) override;
    void ApplyMode(int number) override;
    void StoreMemory(Group group, int slot) override;
    void RecallMemory(Group group, int slot) override;
    double DisplayFactor(remote::RemoteAxis axis) override;
    bool Moving() override;

private:
    frmZoControl& Pad() const;
    // hold: as the pad's recall, the windows held until the axes are there.
    void Move(const std::vector<std::pair<remote::RemoteAxis, int32_t>>& targets, bool hold);

    QPointer<frmZoControl> m_Pad;
};
