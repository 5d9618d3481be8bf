#include "pad/LayoutCompactor.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {

using Item = LayoutCompactor::Item;
using Group = std::vector<int>;

enum class Axis { X, Y };

int Start(const TwipRect& rect, Axis axis)
{
    return axis == Axis::X ? rect.Left : rect.Top;
}

int End(const TwipRect& rect, Axis axis)
{
    return axis == Axis::X ? rect.Right() : rect.Bottom();
}

void Move(TwipRect& rect, Axis axis, int delta)
{
    (axis == Axis::X ? rect.Left : rect.Top) += delta;
}

TwipRect Union(const TwipRect& a, const TwipRect& b)
{
    const int left = std::min(a.Left, b.Left);
    const int top = std::min(a.Top, b.Top);
    return {left, top, std::max(a.Right(), b.Right()) - left, std::max(a.Bottom(), b.Bottom()) - top};
}

void Include(std::optional<TwipRect>& bounds, const TwipRect& rect)
{
    bounds = bounds ? Union(*bounds, rect) : rect;
}

TwipRect TableBounds(const std::vector<Item>& items, const Group& group)
{
    std::optional<TwipRect> bounds;
    for (int i : group) {
        Include(bounds, items[static_cast<size_t>(i)].Table);
    }
    return bounds.value_or(TwipRect{});
}

std::optional<TwipRect> VisibleBounds(const std::vector<Item>& items, const Group& group)
{
    std::optional<TwipRect> bounds;
    for (int i : group) {
        const Item& item = items[static_cast<size_t>(i)];
        if (item.Visible) {
            Include(bounds, item.Placed);
        }
    }
    return bounds;
}

// Cuts a group along an axis, ordered by the design's coordinates. A strict
// cut separates controls that share no extent; a sequence cut also separates
// controls that follow each other with a small overlap (each starts and ends
// after the one before and overlaps it by less than half the smaller size).
std::vector<Group> Cut(const std::vector<Item>& items, const Group& group, Axis axis, bool strict)
{
    Group sorted = group;
    std::stable_sort(sorted.begin(), sorted.end(), [&items, axis](int a, int b) {
        const TwipRect& ra = items[static_cast<size_t>(a)].Table;
        const TwipRect& rb = items[static_cast<size_t>(b)].Table;
        return std::pair(Start(ra, axis), End(ra, axis)) < std::pair(Start(rb, axis), End(rb, axis));
    });
    std::vector<Group> parts;
    int partEnd = 0;
    int lastStart = 0;
    int lastSize = 0; // size of the part's control that reaches furthest
    for (int i : sorted) {
        const TwipRect& rect = items[static_cast<size_t>(i)].Table;
        const int start = Start(rect, axis);
        const int end = End(rect, axis);
        const bool apart = strict ? start >= partEnd
                                  : start > lastStart && end > partEnd &&
                                        2 * (partEnd - start) < std::min(end - start, lastSize);
        if (parts.empty() || apart) {
            parts.emplace_back();
            partEnd = end;
            lastSize = end - start;
        } else if (end > partEnd) {
            partEnd = end;
            lastSize = end - start;
        }
        lastStart = start;
        parts.back().push_back(i);
    }
    return parts;
}

std::optional<TwipRect> CompactGroup(std::vector<Item>& items, const Group& group);

// Lays the parts of a cut one after the other along the axis: the first where
// the design starts the group, each further one behind the visible end of the
// one before with the design's gap, or in the place of a part that shows
// nothing.
std::optional<TwipRect> CloseUp(std::vector<Item>& items, const std::vector<Group>& parts, Axis axis)
{
    std::optional<TwipRect> bounds;
    int cursor = Start(TableBounds(items, parts.front()), axis);
    bool previousVisible = false;
    int previousEnd = 0;
    for (const Group& part : parts) {
        const TwipRect table = TableBounds(items, part);
        if (previousVisible) {
            cursor += Start(table, axis) - previousEnd;
        }
        std::optional<TwipRect> visible = CompactGroup(items, part);
        if (visible) {
            const int delta = cursor - Start(*visible, axis);
            for (int i : part) {
                Move(items[static_cast<size_t>(i)].Placed, axis, delta);
            }
            Move(*visible, axis, delta);
            cursor = End(*visible, axis);
            Include(bounds, *visible);
        }
        previousVisible = visible.has_value();
        previousEnd = End(table, axis);
    }
    return bounds;
}

std::optional<TwipRect> CompactGroup(std::vector<Item>& items, const Group& group)
{
    if (group.size() > 1) {
        // Lines first, so that a device's controls on one line stay together.
        static constexpr std::array<std::pair<Axis, bool>, 4> cuts = {
            {{Axis::Y, true}, {Axis::X, true}, {Axis::Y, false}, {Axis::X, false}}};
        for (const auto& [axis, strict] : cuts) {
            const std::vector<Group> parts = Cut(items, group, axis, strict);
            if (parts.size() > 1) {
                return CloseUp(items, parts, axis);
            }
        }
    }
    // A single control, or controls that cover each other: they keep their
    // places relative to each other.
    return VisibleBounds(items, group);
}

struct Placement {
    TwipRect Table;                  // the block's design rectangle
    std::optional<TwipRect> Visible; // what it shows after closing up
    int SlotLeft = 0;                // where it starts after closing up
    int SlotTop = 0;
    // The nearest design start of the blocks that follow it.
    int FirstFollowerLeft = std::numeric_limits<int>::max();
    int FirstFollowerTop = std::numeric_limits<int>::max();
};

int& Slot(Placement& placement, Axis axis)
{
    return axis == Axis::X ? placement.SlotLeft : placement.SlotTop;
}

int& FirstFollower(Placement& placement, Axis axis)
{
    return axis == Axis::X ? placement.FirstFollowerLeft : placement.FirstFollowerTop;
}

// Where a block starts along the axis after the blocks it follows: the
// design's gap behind what a block before it shows; an empty block before it
// gives up its room up to the nearest of its followers, so that followers
// that were aligned stay aligned.
int Follow(const std::vector<int>& predecessors, std::vector<Placement>& placed, const TwipRect& table, Axis axis)
{
    int slot = Start(table, axis);
    bool first = true;
    for (int p : predecessors) {
        Placement& before = placed[static_cast<size_t>(p)];
        const int candidate =
            before.Visible ? End(*before.Visible, axis) + Start(table, axis) - End(before.Table, axis)
                           : Slot(before, axis) + Start(table, axis) - FirstFollower(before, axis);
        slot = first ? candidate : std::max(slot, candidate);
        first = false;
    }
    return slot;
}

std::vector<TwipRect*> AllPlaced(std::vector<Item>& items, std::vector<std::optional<TwipRect>>& frames)
{
    std::vector<TwipRect*> rects;
    for (Item& item : items) {
        rects.push_back(&item.Placed);
    }
    for (auto& frame : frames) {
        if (frame) {
            rects.push_back(&*frame);
        }
    }
    return rects;
}

} // namespace

std::optional<TwipRect> LayoutCompactor::Compact(std::vector<Item>& items, const std::vector<int>& indexes)
{
    for (int i : indexes) {
        items[static_cast<size_t>(i)].Placed = items[static_cast<size_t>(i)].Table;
    }
    return CompactGroup(items, indexes);
}

std::vector<std::optional<TwipRect>> LayoutCompactor::Arrange(std::vector<Item>& items,
                                                              const std::vector<Block>& blocks)
{
    std::vector<std::optional<TwipRect>> frames;
    std::vector<Placement> placed(blocks.size());
    for (size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        Placement& placement = placed[b];
        placement.Visible = Compact(items, block.Items);
        placement.Table = block.Frame.value_or(TableBounds(items, block.Items));
        for (const auto& [links, axis] : {std::pair(&block.RightOf, Axis::X), std::pair(&block.Below, Axis::Y)}) {
            for (int p : *links) {
                int& follower = FirstFollower(placed[static_cast<size_t>(p)], axis);
                follower = std::min(follower, Start(placement.Table, axis));
            }
        }
    }
    for (size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        Placement& placement = placed[b];
        if (block.Frame && placement.Visible) {
            // The frame keeps its corner and its margins around what is left.
            const TwipRect content = TableBounds(items, block.Items);
            const TwipRect& frame = *block.Frame;
            placement.Visible = TwipRect{frame.Left, frame.Top,
                                         placement.Visible->Right() + frame.Right() - content.Right() - frame.Left,
                                         placement.Visible->Bottom() + frame.Bottom() - content.Bottom() - frame.Top};
        }
        placement.SlotLeft = Follow(block.RightOf, placed, placement.Table, Axis::X);
        placement.SlotTop = Follow(block.Below, placed, placement.Table, Axis::Y);
        if (placement.Visible) {
            const int dx = placement.SlotLeft - placement.Visible->Left;
            const int dy = placement.SlotTop - placement.Visible->Top;
            for (int i : block.Items) {
                Move(items[static_cast<size_t>(i)].Placed, Axis::X, dx);
                Move(items[static_cast<size_t>(i)].Placed, Axis::Y, dy);
            }
            Move(*placement.Visible, Axis::X, dx);
            Move(*placement.Visible, Axis::Y, dy);
        }
        if (block.Frame) {
            frames.push_back(placement.Visible ? *placement.Visible
                                               : TwipRect{placement.SlotLeft, placement.SlotTop, 0, 0});
        } else {
            frames.emplace_back();
        }
    }

    // The whole starts where the design starts, so that blocks that follow
    // nothing do not keep the room of others that are gone.
    std::optional<TwipRect> design;
    std::optional<TwipRect> shown;
    for (size_t b = 0; b < blocks.size(); ++b) {
        Include(design, placed[b].Table);
        if (placed[b].Visible) {
            Include(shown, *placed[b].Visible);
        }
    }
    if (shown) {
        const int dx = design->Left - shown->Left;
        const int dy = design->Top - shown->Top;
        for (TwipRect* rect : AllPlaced(items, frames)) {
            Move(*rect, Axis::X, dx);
            Move(*rect, Axis::Y, dy);
        }
    }
    return frames;
}
