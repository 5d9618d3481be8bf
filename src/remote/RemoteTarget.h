#pragma once

#include "remote/RemoteDevices.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace remote {

// The running pad as remote commands reach it: each call enters the pad
// where a click would (its command guard, limit checks and messages) and
// throws RemoteError with the pad's text when the pad refuses or the
// instrument fails.
class RemoteTarget {
public:
    // The memory groups of the pad, in its order.
    enum Group { GroupXY, GroupZ, GroupPiezo, GroupTIRF, GroupCount };

    virtual ~RemoteTarget() = default;

    // Why the pad takes no command that changes the instrument now ("busy",
    // the settings dialog is open); empty when it takes one.
    virtual std::string func_Refusal() = 0;
    // A list position (1-based) or an on-off state (1 on, 0 off).
    virtual void Set(const RemoteDevice& device, int32_t value) = 0;
    // Axes to device positions, all or none.
    virtual void Move(const std::vector<std::pair<RemoteAxis, int32_t>>& targets) = 0;
    // Observation mode 1..count.
    virtual void ApplyMode(int number) = 0;
    // What the pad shows into memory slot 1..20; back to a stored slot.
    virtual void StoreMemory(Group group, int slot) = 0;
    virtual void RecallMemory(Group group, int slot) = 0;
    // Display value (micrometres on the stage axes) = device value x factor.
    virtual double DisplayFactor(RemoteAxis axis) = 0;
    // Whether any axis is still on its way or a turret still turning.
    virtual bool Moving() = 0;
};

} // namespace remote
