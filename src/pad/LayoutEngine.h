#pragma once

#include "pad/LayoutSurface.h"
#include "pad/LayoutSwitches.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Applies the pad layouts of LayoutTable and FrameTable (sub_FillLayoutTables
// must have run) to a LayoutSurface. The engine holds the centring flag and
// the remembered pad position; the pad creates it when it loads, so the flag
// starts True.
class LayoutEngine {
public:
    LayoutEngine(LayoutSurface& surface, LayoutSwitches& switches);

    // On every activation of the pad: applies the layout when "ChangeGui " is
    // 1 and a change is pending, then clears the pending flag.
    void sub_CheckLayoutChange();
    // Applies the layout named by "Type".
    void sub_SetLayout();

    // The primitives; rows are rows of the current layout.
    std::optional<int> func_FindControl(std::string_view name) const;
    std::optional<int> func_FindVisibleControl(std::string_view name) const;
    void sub_SetWidths(int first, int last, int skipFrames);
    void sub_PlaceRows(int first, int last, int dTop, int dLeft, int mode);
    void sub_RaiseCombos(int first, int last, int from);
    void sub_PackRow(int first, int last, int x);
    void sub_FitForm(int first, int last);
    void sub_ParkHiddenFrames();

    // True: the next fitting centres the pad on the screen and remembers that
    // place; False: the pad goes back to the remembered place. The layout
    // page sets it to whether another layout was chosen.
    bool CentreFlag() const { return m_Centre; }
    void SetCentreFlag(bool centre) { m_Centre = centre; }
    int RememberedLeft() const { return m_RememberedLeft; }
    int RememberedTop() const { return m_RememberedTop; }

    // How far the layout's own steps raise each row (combo boxes), so that
    // closing gaps can account for it before the raise happens.
    static std::vector<int> RaisedRows(int layout, int first, int last, int from);

    // Controls that share one table slot (the position text boxes) stand one
    // above the other: each is lifted this far per later row in its slot.
    static constexpr int kStackOffset = 285;
    static constexpr int kComboRaise = 90;

private:
    int CurrentLayout() const;
    void ArrangeRows(int layout);
    void PlaceFrames(int layout);
    int StackLift(int layout, int row) const;
    int ComboRaise(int layout, int row) const;

    LayoutSurface& m_Surface;
    LayoutSwitches& m_Switches;
    bool m_Centre = true;
    int m_RememberedLeft = 0;
    int m_RememberedTop = 0;
};
