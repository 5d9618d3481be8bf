#pragma once

#include "pad/frmZoControl.h"

#include <array>
#include <string>
#include <vector>

class QString;

// The pad's position memories: the memory lists of the XY stage, the Z
// drive, the piezo Z stage and the TIRF unit over the program-wide tables
// (20 decimal texts in display units per axis, kept in the settings file),
// and the FKS offset memory of each nosepiece position.
//
// All four lists work the same way: an entry is the slot number, ":" and,
// per axis, the axis caption followed by the slot text; a recall reads each
// axis's value back as the text between its caption and the next caption.
// A store takes what the pad shows, refuses a value outside the drive's
// limits (message 80) and keeps the display value of the device position it
// would move to. A recall refuses a value outside the limits of any axis
// (message 82) before anything is sent, and otherwise moves every axis of the
// entry with the pad, the stage window and the TIRF window held until the
// axes have arrived (clsPadMotion).
class clsPadMemories {
public:
    using Kind = PadMemoryHost::Kind;
    using enum PadMemoryHost::Kind;

    explicit clsPadMemories(frmZoControl& pad);
    clsPadMemories(const clsPadMemories&) = delete;
    clsPadMemories& operator=(const clsPadMemories&) = delete;

    // Rebuilds a list from its tables, keeping the selected slot.
    void sub_SetMemory(Kind kind);
    // Stores what the pad shows into the selected slot (none: nothing).
    void sub_Store(Kind kind);
    // Stores what the pad shows into slot 0..19; returns whether it did. A
    // caller that is not at the pad (remote control) gets message 80 in
    // refusal instead of a box that would wait for someone to answer it.
    bool func_StoreSlot(Kind kind, int slot, std::string* refusal = nullptr);
    // Moves to the entry at index; nothing while the pad fills the list, or
    // for an entry without a value.
    void sub_Recall(Kind kind, int index);
    // The one way a memory's axes are moved, whoever asked: device positions
    // in the order of the group's axes, every one checked against its limits
    // (message 82), the windows held until the moves are over. Returns
    // whether the instrument took every move.
    bool func_Move(const std::vector<PadMemoryHost::Recall>& recalls);
    // Whether the drives reach these positions; message 82 when they do not.
    bool func_Reachable(const std::vector<int32_t>& deviceValues, Kind kind) const;

    // The FKS offset of the selected objective's position into its memory;
    // the memory of the position in use back to the offset drive.
    void picMemFKS_Click();
    void picRecallFKS_Click();

    bool Updating(Kind kind) const { return m_Lists[kind].Updating; }

private:
    struct AxisPart {
        frmZoControl::Axis Axis;
        std::array<std::string, 20>* Table;
    };
    struct MemoryList {
        usrComboBox* List = nullptr;
        std::vector<AxisPart> Parts;
        bool Updating = false;
    };

    QString Caption(frmZoControl::Axis axis) const;
    double ShownPosition(frmZoControl::Axis axis) const;
    QString EntryText(const MemoryList& memory, int slot) const;
    // The value text of each axis of an entry, in the order of its parts.
    std::vector<QString> EntryValues(const MemoryList& memory, const QString& entry) const;
    static bool func_WithinLimits(frmZoControl::Axis axis, int32_t deviceValue);
    // The stage window or the TIRF window rebuilds its own list of the table.
    void sub_RefreshOtherWindow(Kind kind);

    frmZoControl& m_Pad;
    std::array<MemoryList, KindCount> m_Lists;
};
