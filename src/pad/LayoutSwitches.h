#pragma once

// The program-wide values that decide whether and which layout is applied.
// The pad hands in an adapter onto the program's settings ("GUILayout"
// "Type" and "ChangeGui ") and onto g_LayoutPending.
class LayoutSwitches {
public:
    virtual ~LayoutSwitches() = default;

    // "GUILayout"/"Type", 1..8.
    virtual int LayoutType() const = 0;
    // "GUILayout"/"ChangeGui " is 1: layouts are applied at all.
    virtual bool ChangeGui() const = 0;
    // g_LayoutPending: a layout-relevant change waits for the next activation.
    virtual bool LayoutPending() const = 0;
    virtual void SetLayoutPending(bool pending) = 0;
};
