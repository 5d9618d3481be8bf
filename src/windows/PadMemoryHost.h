#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace ZOSCOPELib {
class AxisDevice;
}

// The control pad as the stage and TIRF windows reach it. The pad implements
// this, so the windows never include a pad header, and everything the pad
// does with a memory (the limit check of a store, the guarded move with every
// window that could start a second one disabled) is done in one place,
// whether the pad, one of these windows or a script asked for it.
class PadMemoryHost {
public:
    // The pad's axes: stage X, Y, Z, piezo Z, TIRF and the FKS offset.
    enum Axis { AxisX, AxisY, AxisZ, AxisPiezo, AxisTIRF, AxisFKS, AxisCount };
    // The memory tables that the pad and the windows share, one per axis group.
    enum Kind { MemXY, MemZ, MemPiezo, MemTIRF, KindCount };

    virtual ~PadMemoryHost() = default;

    // Display value = device value x factor.
    virtual double DisplayFactor(Axis axis) const = 0;
    // The drive of an axis (the FKS axis is the FKS unit's offset drive).
    virtual ZOSCOPELib::AxisDevice& func_AxisDevice(Axis axis) const = 0;
    // Stores the position the pad shows into slot 0..19 of a table, or
    // refuses it with message 80 when the drive cannot reach it; a stored
    // position is shown in the pad's list and in the other window's.
    virtual bool func_StoreMemory(Kind kind, int slot) = 0;
    // Moves the axes of groups (XY: X then Y) to device positions as one
    // recall (the stage window's linked columns move together), with the
    // pad and the other windows held until the axes have arrived; refused
    // with message 82 when a drive cannot reach its position. False when
    // nothing was sent or the instrument refused.
    using Recall = std::pair<Kind, std::vector<int32_t>>;
    virtual bool func_MoveMemories(const std::vector<Recall>& recalls) = 0;
    bool func_MoveMemory(Kind kind, const std::vector<int32_t>& deviceValues)
    {
        return func_MoveMemories({{kind, deviceValues}});
    }
    // Whether the drives of a group reach these positions; message 82 when not.
    virtual bool func_Reachable(Kind kind, const std::vector<int32_t>& deviceValues) = 0;
    // One command to the device of that presence number along the pad's
    // command path: a failure shows in the pad's status line, and `reread`
    // shows the device's real state again. Returns whether it succeeded.
    virtual bool func_Send(int device, const std::function<void()>& call, const std::function<void()>& reread) = 0;
    // The pad rebuilds its list of a table that a window changed.
    virtual void sub_SetMemory(Kind kind) = 0;
};
