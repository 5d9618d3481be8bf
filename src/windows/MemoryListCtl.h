#pragma once

#include "windows/PadMemoryHost.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class SvgIconRegistry;
class usrPButton;

// What tells one memory list from another: its table group, the names of its
// controls, the tables of its axes and how an entry reads.
struct MemoryListLayout {
    struct Part {
        PadMemoryHost::Axis Axis;
        std::array<std::string, 20>* Table;
    };

    PadMemoryHost::Kind Kind = PadMemoryHost::MemZ;
    QString Name;                  // the controls are lst<Name>, picMem<Name>, picMove<Name>, picRest<Name>
    QString CaptionName;           // the caption above the list
    const std::string* Caption = nullptr; // its text in the language resources
    std::vector<Part> Parts;       // XY: X, then Y
    std::vector<int> Devices;      // presence numbers of the drives; a move needs all of them
    bool XYField = false;          // "n:X:x" in a field of 14 characters, then "Y:y"
    bool AskBeforeStore = false;   // message 113 (Yes/No) before a store
    int WidthTwips = 2415;
};

// A list of the 20 memories of one table with its store, move and clear
// buttons. A store takes what the pad shows (the pad's own store rule), a
// move goes the pad's move path, a clear empties every selected slot; the
// pad's list follows every change. The stage window's three columns and the
// TIRF window's list are this control, configured by data.
class MemoryListCtl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlots = 20;

    MemoryListCtl(PadMemoryHost& host, MemoryListLayout layout, SvgIconRegistry& icons, QWidget* parent = nullptr);

    // Rebuilds the list from the tables, keeping the selection.
    void sub_SetMemory();
    // Moves the axes to the selected slot: only with the drives mounted and
    // exactly one slot selected that holds a position the drives reach (the
    // pad refuses any other with message 82). Returns whether the move was
    // sent.
    bool func_MovePos();
    // The device positions of the selected slot, when it gives a move.
    std::optional<std::vector<int32_t>> func_SelectedTarget() const;
    // True when the selected slot gives no move: none or several selected, a
    // slot without a position, or (message 82) one the drives cannot reach.
    bool func_IsBlank();
    // The one selected slot, -1 for none or several; setting it selects that
    // slot alone.
    int ListPosition() const;
    void SetListPosition(int slot);
    void sub_RefreshLanguage();

    // The buttons' actions (a click runs these).
    void picMem_Click();
    void picRest_Click();

    const MemoryListLayout& Layout() const { return m_Layout; }
    QString func_EntryText(int slot) const;

signals:
    // The user selected exactly this slot.
    void listClicked(int slot);
    // The move button was pressed; the window decides which axes move.
    void moveClicked();

protected:
    // Font and captions from the language resources.
    void sub_SetLanguage();

private:
    std::vector<int> SelectedSlots() const;
    // Store and move follow the selection.
    void sub_ListClick();
    // The stored device positions of a slot (none when a value is missing).
    std::optional<std::vector<int32_t>> func_Target(int slot) const;
    bool func_Mounted() const;

    PadMemoryHost& m_Host;
    MemoryListLayout m_Layout;
    QLabel* m_Caption = nullptr;
    QListWidget* m_List = nullptr;
    usrPButton* m_Store = nullptr;
    usrPButton* m_Move = nullptr;
    usrPButton* m_Clear = nullptr;
    bool m_Setting = false; // the window selects a slot: no click to pass on
};
