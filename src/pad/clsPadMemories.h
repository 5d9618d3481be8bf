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
// would move to. A recall moves every axis of the entry with the pad, the
// stage window and the TIRF window disabled.
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
    // Stores what the pad shows into slot 0..19; returns whether it did.
    bool func_StoreSlot(Kind kind, int slot);
    // Moves to the entry at index; nothing while the pad fills the list, for
    // an entry without a value, or (TIRF) a value outside the limits.
    void sub_Recall(Kind kind, int index);
    // The one way a memory's axes are moved, whoever asked: device positions
    // in the order of the group's axes, the TIRF's checked against its
    // limits (message 80), the stage window's map showing the target, the
    // pad and the other windows disabled meanwhile. Returns whether the
    // instrument took every move.
    bool func_Move(Kind kind, const std::vector<int32_t>& deviceValues);

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
        bool CheckOnRecall = false; // the TIRF checks the limits before it moves
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
    // The stage window's map of the group shows the target of a move, or no more.
    void sub_ShowTarget(Kind kind, const std::vector<int32_t>* deviceValues);

    frmZoControl& m_Pad;
    std::array<MemoryList, KindCount> m_Lists;
};
