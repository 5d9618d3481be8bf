#pragma once

#include "pad/LayoutSurface.h"

#include <optional>
#include <vector>

// Closes the room that hidden controls leave in a layout, keeping the order
// and spacing of the design.
//
// Inside a block, the rows are cut recursively into bands: first into lines
// that share no height, else into columns that share no width; a band whose
// controls are all hidden gives up its room and the gap behind it, and the
// bands after it close up with the design's spacing. Controls the design lets
// overlap slightly (its buttons stand 555 twips apart at 600 wide) are cut
// apart as a sequence when nothing else separates them; controls that cover
// each other keep their places relative to each other.
//
// Blocks then follow the earlier blocks they are declared below or right of:
// each keeps the design's gap behind the visible part of those blocks; an
// empty block gives up its room up to the nearest of its followers, so that
// followers aligned in the design stay aligned. A framed block keeps its
// frame's margins around what is left of its content. Finally the whole is
// moved so that it starts where the design starts.
class LayoutCompactor {
public:
    struct Item {
        TwipRect Table;           // where the design puts the control
        bool Visible = false;
        TwipRect Placed = Table;  // result: Table moved by the compaction
    };

    struct Block {
        std::vector<int> Items;      // indexes into the item list
        std::optional<TwipRect> Frame; // the frame's design rectangle
        std::vector<int> Below;      // earlier blocks, by index
        std::vector<int> RightOf;
    };

    // Moves the visible items of every block; returns each block's frame
    // rectangle (a frame around nothing gets no size, at the block's place).
    static std::vector<std::optional<TwipRect>> Arrange(std::vector<Item>& items, const std::vector<Block>& blocks);

    // One block without neighbours: compacts the items in place and returns
    // the rectangle around the visible ones, if any.
    static std::optional<TwipRect> Compact(std::vector<Item>& items, const std::vector<int>& indexes);
};
