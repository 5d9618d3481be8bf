#include "pad/LayoutEngine.h"

#include "pad/LayoutCompactor.h"
#include "pad/LayoutTables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace {

// What each layout does once its rows are placed, in order. Closing the gaps
// reads the raising steps too, to leave room for the raised combo boxes.
enum class StepKind { RaiseCombos, FitForm, PackRow };

struct LayoutStep {
    int Layout;
    StepKind Kind;
    int First;
    int Last;
    int Value; // RaiseCombos: from; PackRow: x
};

constexpr std::array<LayoutStep, 23> kSteps = {{
    {1, StepKind::RaiseCombos, 1, 68, 1},
    {1, StepKind::FitForm, 1, 65, 0},
    {2, StepKind::RaiseCombos, 1, 68, 1},
    {2, StepKind::FitForm, 1, 68, 0},
    {2, StepKind::PackRow, 1, 32, 120},
    {2, StepKind::PackRow, 56, 66, 8520},
    {3, StepKind::RaiseCombos, 1, 65, 1},
    {3, StepKind::PackRow, 1, 65, 120},
    {3, StepKind::FitForm, 1, 65, 0},
    {4, StepKind::RaiseCombos, 7, 27, 1},
    {4, StepKind::RaiseCombos, 31, 66, 1},
    {4, StepKind::FitForm, 1, 68, 0},
    {4, StepKind::PackRow, 39, 52, 3570},
    {5, StepKind::RaiseCombos, 1, 68, 1},
    {5, StepKind::FitForm, 1, 65, 0},
    {6, StepKind::RaiseCombos, 1, 68, 1},
    {6, StepKind::FitForm, 1, 68, 0},
    {7, StepKind::RaiseCombos, 6, 36, 1},
    {7, StepKind::RaiseCombos, 43, 68, 1},
    {7, StepKind::FitForm, 1, 65, 0},
    {8, StepKind::RaiseCombos, 1, 27, 2},
    {8, StepKind::RaiseCombos, 34, 68, 1},
    {8, StepKind::FitForm, 1, 68, 0},
}};

template <typename Visit>
void ForEachStep(int layout, Visit visit)
{
    for (const LayoutStep& step : kSteps) {
        if (step.Layout == layout) {
            visit(step);
        }
    }
}

// The pad's frames and their ControlVisible entries.
constexpr std::array<std::pair<std::string_view, int>, 3> kFrames = {{
    {"fraDIA", 64},
    {"fraFluorescence", 65},
    {"fraTIRF", 66},
}};

constexpr int kMarginWide = 135;   // layouts 1..6
constexpr int kMarginNarrow = 45;  // layouts 7 and 8

int ToInt(const std::string& text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

const std::array<std::string, 4>& Row(int layout, int row)
{
    return LayoutTable[static_cast<size_t>(layout)][static_cast<size_t>(row)];
}

int RowInt(int layout, int row, LayoutField field)
{
    return ToInt(Row(layout, row)[field]);
}

TwipRect FrameRect(const std::array<std::string, 5>& fields)
{
    return {ToInt(fields[kFrameLeft]), ToInt(fields[kFrameTop]), ToInt(fields[kFrameWidth]),
            ToInt(fields[kFrameHeight])};
}

bool HasPrefix(std::string_view name, std::string_view prefix)
{
    return name.substr(0, prefix.size()) == prefix;
}

int ClampRow(int row)
{
    return std::clamp(row, 0, kLayoutRowSlots - 1);
}

} // namespace

LayoutEngine::LayoutEngine(LayoutSurface& surface, LayoutSwitches& switches)
    : m_Surface(surface), m_Switches(switches)
{
}

int LayoutEngine::CurrentLayout() const
{
    const int type = m_Switches.LayoutType();
    return type >= kLayoutFirst && type <= kLayoutLast ? type : kLayoutFirst;
}

void LayoutEngine::sub_CheckLayoutChange()
{
    if (m_Switches.ChangeGui() && m_Switches.LayoutPending()) {
        sub_SetLayout();
        m_Switches.SetLayoutPending(false);
    }
}

void LayoutEngine::sub_SetLayout()
{
    const int layout = CurrentLayout();
    sub_SetWidths(1, kLayoutRows, 1);
    if (layout == 1) {
        sub_PlaceRows(1, kLayoutRows, 0, 0, 1);
    } else {
        ArrangeRows(layout);
    }
    ForEachStep(layout, [this](const LayoutStep& step) {
        switch (step.Kind) {
        case StepKind::RaiseCombos:
            sub_RaiseCombos(step.First, step.Last, step.Value);
            break;
        case StepKind::FitForm:
            sub_FitForm(step.First, step.Last);
            break;
        case StepKind::PackRow:
            sub_PackRow(step.First, step.Last, step.Value);
            break;
        }
    });
    m_Surface.SetMicroscopePictureVisible(layout == 2);
    sub_ParkHiddenFrames();
}

std::optional<int> LayoutEngine::func_FindControl(std::string_view name) const
{
    // Unused rows have no name; they must not find an unnamed widget.
    if (name.empty()) {
        return std::nullopt;
    }
    const int count = m_Surface.ControlCount();
    for (int i = 0; i < count; ++i) {
        if (m_Surface.ControlName(i) == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> LayoutEngine::func_FindVisibleControl(std::string_view name) const
{
    const std::optional<int> index = func_FindControl(name);
    if (index && !m_Surface.IsControlVisible(*index)) {
        return std::nullopt;
    }
    return index;
}

void LayoutEngine::sub_SetWidths(int first, int last, int skipFrames)
{
    const int layout = CurrentLayout();
    for (int row = ClampRow(first); row <= ClampRow(last); ++row) {
        const auto& fields = Row(layout, row);
        if (fields[kLayoutWidth].empty()) {
            return;
        }
        if (skipFrames == 1 && HasPrefix(fields[kLayoutName], "fra")) {
            continue;
        }
        if (const auto index = func_FindVisibleControl(fields[kLayoutName])) {
            TwipRect rect = m_Surface.ControlRect(*index);
            rect.Width = ToInt(fields[kLayoutWidth]);
            m_Surface.SetControlRect(*index, rect);
        }
    }
}

void LayoutEngine::sub_PlaceRows(int first, int last, int dTop, int dLeft, int mode)
{
    const int layout = CurrentLayout();
    for (int row = ClampRow(first); row <= ClampRow(last); ++row) {
        const auto index = func_FindVisibleControl(Row(layout, row)[kLayoutName]);
        if (!index) {
            continue;
        }
        TwipRect rect = m_Surface.ControlRect(*index);
        if (mode == 1) {
            // Controls of different heights on one line share their lower edge.
            rect.Left = RowInt(layout, row, kLayoutLeft) + dLeft;
            rect.Top = RowInt(layout, row, kLayoutBottom) - rect.Height + dTop;
        } else {
            rect.Left += dLeft;
            rect.Top += dTop;
        }
        m_Surface.SetControlRect(*index, rect);
    }
}

std::vector<int> LayoutEngine::RaisedRows(int layout, int first, int last, int from)
{
    std::vector<int> rows;
    if (layout < kLayoutFirst || layout > kLayoutLast) {
        return rows;
    }
    int combo = 0;
    for (int row = ClampRow(first); row <= ClampRow(last); ++row) {
        if (HasPrefix(Row(layout, row)[kLayoutName], "cbo")) {
            if (combo >= from - 1) {
                rows.push_back(row);
            }
            ++combo;
        }
    }
    return rows;
}

void LayoutEngine::sub_RaiseCombos(int first, int last, int from)
{
    const int layout = CurrentLayout();
    for (int row : RaisedRows(layout, first, last, from)) {
        if (const auto index = func_FindVisibleControl(Row(layout, row)[kLayoutName])) {
            TwipRect rect = m_Surface.ControlRect(*index);
            rect.Top -= kComboRaise;
            m_Surface.SetControlRect(*index, rect);
        }
    }
}

void LayoutEngine::sub_PackRow(int first, int last, int x)
{
    const int layout = CurrentLayout();
    struct Entry {
        int Left;
        int Width;
        std::optional<int> Visible; // the control, when found and visible
    };
    std::vector<Entry> entries;
    for (int row = ClampRow(first); row <= ClampRow(last); ++row) {
        const auto& fields = Row(layout, row);
        if (!fields[kLayoutName].empty()) {
            entries.push_back(
                {ToInt(fields[kLayoutLeft]), ToInt(fields[kLayoutWidth]), func_FindVisibleControl(fields[kLayoutName])});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.Left < b.Left; });

    // Columns: rows whose Left lies inside the extent of the column so far.
    struct Column {
        int Left;
        int End;
        std::vector<const Entry*> Members;
        bool AnyVisible = false;
    };
    std::vector<Column> columns;
    for (const Entry& entry : entries) {
        if (columns.empty() || entry.Left >= columns.back().End) {
            columns.push_back({entry.Left, entry.Left + entry.Width, {}, false});
        }
        Column& column = columns.back();
        column.End = std::max(column.End, entry.Left + entry.Width);
        column.Members.push_back(&entry);
        column.AnyVisible = column.AnyVisible || entry.Visible.has_value();
    }

    // The first column goes to x; each further one keeps its distance to the
    // column before, or takes the place of a column that shows nothing.
    int target = x;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) {
            const Column& before = columns[c - 1];
            target = before.AnyVisible ? target + columns[c].Left - before.Left : target;
        }
        const int shift = columns[c].Left - target;
        if (shift <= 0) {
            continue;
        }
        for (const Entry* entry : columns[c].Members) {
            if (!entry->Visible) {
                continue;
            }
            TwipRect rect = m_Surface.ControlRect(*entry->Visible);
            // Never to the right of where closing the gaps already put it.
            if (entry->Left - shift < rect.Left) {
                rect.Left = entry->Left - shift;
                m_Surface.SetControlRect(*entry->Visible, rect);
            }
        }
    }
}

void LayoutEngine::sub_FitForm(int first, int last)
{
    const int layout = CurrentLayout();
    m_Surface.AlignPictures(layout);

    std::optional<TwipRect> bounds;
    for (int row = ClampRow(first); row <= ClampRow(last); ++row) {
        if (const auto index = func_FindVisibleControl(Row(layout, row)[kLayoutName])) {
            // A frame left around nothing has no size and adds nothing.
            const TwipRect rect = m_Surface.ControlRect(*index);
            if (rect.Width <= 0 || rect.Height <= 0) {
                continue;
            }
            if (!bounds) {
                bounds = rect;
            }
            const int left = std::min(bounds->Left, rect.Left);
            const int top = std::min(bounds->Top, rect.Top);
            bounds = TwipRect{left, top, std::max(bounds->Right(), rect.Right()) - left,
                              std::max(bounds->Bottom(), rect.Bottom()) - top};
        }
    }

    TwipRect form = m_Surface.FormRect();
    form.Width = 0;
    form.Height = 0;
    if (bounds && bounds->Bottom() >= 1 && bounds->Right() >= 1) {
        form.Height = 2 * m_Surface.StatusBarHeight() + bounds->Bottom() + kMarginWide + bounds->Top;
        form.Width = bounds->Right() + (layout >= 7 ? kMarginNarrow : kMarginWide) + bounds->Left;
    }
    if (m_Centre) {
        form.Left = (m_Surface.ScreenWidth() - form.Width) / 2;
        form.Top = (m_Surface.ScreenHeight() - form.Height) / 2;
        m_RememberedLeft = form.Left;
        m_RememberedTop = form.Top;
    } else {
        form.Left = m_RememberedLeft;
        form.Top = m_RememberedTop;
    }
    m_Surface.SetFormRect(form);
}

void LayoutEngine::sub_ParkHiddenFrames()
{
    const TwipRect form = m_Surface.FormRect();
    for (const auto& [name, entry] : kFrames) {
        if (m_Surface.ControlVisibleEntry(entry)) {
            continue;
        }
        if (const auto index = func_FindControl(name)) {
            TwipRect rect = m_Surface.ControlRect(*index);
            rect.Left = form.Right();
            rect.Top = form.Bottom();
            m_Surface.SetControlRect(*index, rect);
        }
    }
}

int LayoutEngine::ComboRaise(int layout, int row) const
{
    int raise = 0;
    ForEachStep(layout, [&](const LayoutStep& step) {
        if (step.Kind == StepKind::RaiseCombos) {
            const auto rows = RaisedRows(layout, step.First, step.Last, step.Value);
            raise += static_cast<int>(std::count(rows.begin(), rows.end(), row)) * kComboRaise;
        }
    });
    return raise;
}

int LayoutEngine::StackLift(int layout, int row) const
{
    int later = 0;
    for (int other = row + 1; other <= kLayoutRows; ++other) {
        later += RowInt(layout, other, kLayoutLeft) == RowInt(layout, row, kLayoutLeft) &&
                 RowInt(layout, other, kLayoutBottom) == RowInt(layout, row, kLayoutBottom) &&
                 !Row(layout, other)[kLayoutName].empty();
    }
    return later * kStackOffset;
}

void LayoutEngine::PlaceFrames(int layout)
{
    for (int frame = 1; frame <= kFrameRows; ++frame) {
        const auto& fields = FrameTable[static_cast<size_t>(layout)][static_cast<size_t>(frame)];
        if (fields[kFrameName].empty()) {
            continue;
        }
        if (const auto index = func_FindVisibleControl(fields[kFrameName])) {
            m_Surface.SetControlRect(*index, FrameRect(fields));
        }
    }
}

void LayoutEngine::ArrangeRows(int layout)
{
    sub_PlaceRows(1, kLayoutRows, 0, 0, 1);
    PlaceFrames(layout);

    // The design's rectangle of every row, as it will stand once the layout's
    // own steps have raised the combo boxes and the stacked boxes are lifted.
    const std::vector<LayoutBlock>& blocks = LayoutBlocks(layout);
    std::vector<LayoutCompactor::Item> items;
    std::vector<int> itemRows;
    std::vector<LayoutCompactor::Block> compactorBlocks;
    for (const LayoutBlock& block : blocks) {
        LayoutCompactor::Block compactorBlock{{}, std::nullopt, block.Below, block.RightOf};
        for (int row : block.Rows) {
            const std::string& name = Row(layout, row)[kLayoutName];
            const auto index = func_FindControl(name);
            const int height = index ? m_Surface.ControlRect(*index).Height : 0;
            const TwipRect table{RowInt(layout, row, kLayoutLeft),
                                 RowInt(layout, row, kLayoutBottom) - height - ComboRaise(layout, row) -
                                     StackLift(layout, row),
                                 RowInt(layout, row, kLayoutWidth), height};
            compactorBlock.Items.push_back(static_cast<int>(items.size()));
            items.push_back({table, func_FindVisibleControl(name).has_value()});
            itemRows.push_back(row);
        }
        for (int frame = 1; frame <= kFrameRows && !block.Frame.empty(); ++frame) {
            const auto& fields = FrameTable[static_cast<size_t>(layout)][static_cast<size_t>(frame)];
            if (fields[kFrameName] == block.Frame) {
                compactorBlock.Frame = FrameRect(fields);
            }
        }
        compactorBlocks.push_back(std::move(compactorBlock));
    }

    const auto frames = LayoutCompactor::Arrange(items, compactorBlocks);

    for (size_t i = 0; i < items.size(); ++i) {
        const LayoutCompactor::Item& item = items[i];
        const int row = itemRows[i];
        const int dLeft = item.Placed.Left - item.Table.Left;
        const int dTop = item.Placed.Top - item.Table.Top - StackLift(layout, row);
        if (item.Visible && (dLeft != 0 || dTop != 0)) {
            sub_PlaceRows(row, row, dTop, dLeft, 0);
        }
    }
    for (size_t b = 0; b < blocks.size(); ++b) {
        if (!frames[b]) {
            continue;
        }
        if (const auto index = func_FindVisibleControl(blocks[b].Frame)) {
            m_Surface.SetControlRect(*index, *frames[b]);
        }
    }
}
