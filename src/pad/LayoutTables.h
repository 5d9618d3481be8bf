#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The pad's coordinate tables. They are compiled into the program from
// LayoutTables.tsv, so no file can go missing at run time.

inline constexpr int kLayoutFirst = 1;
inline constexpr int kLayoutLast = 8;
inline constexpr int kLayoutRows = 68;     // rows 1..68 are used
inline constexpr int kLayoutRowSlots = 72; // rows 0..71
inline constexpr int kFrameRows = 3;       // frames 1..3

// Fields of a LayoutTable row and of a FrameTable row.
enum LayoutField { kLayoutName = 0, kLayoutLeft = 1, kLayoutBottom = 2, kLayoutWidth = 3 };
enum FrameField { kFrameName = 0, kFrameLeft = 1, kFrameTop = 2, kFrameWidth = 3, kFrameHeight = 4 };

// LayoutTable[layout][row][field], texts in twips; layout 0 and rows 0, 69..71
// stay empty. FrameTable[layout][frame][field], filled for layouts 2, 4, 6, 8.
using LayoutTableArray = std::array<std::array<std::array<std::string, 4>, kLayoutRowSlots>, kLayoutLast + 1>;
using FrameTableArray = std::array<std::array<std::array<std::string, 5>, kFrameRows + 1>, kLayoutLast + 1>;

extern LayoutTableArray LayoutTable;
extern FrameTableArray FrameTable;

// Fills both tables, layout 1, 2, then 3, 5, 7, then 4, 6, 8 (the order of the
// data file). Safe to call again; the tables never change afterwards.
void sub_FillLayoutTables();

// A group of rows of one layout whose lines close up among themselves when
// hidden controls leave room. Blocks then close up on the earlier blocks they
// follow downwards (Below) and rightwards (RightOf), given as indexes into
// the layout's block list. Frame names the frame drawn around the rows.
struct LayoutBlock {
    std::string Name;
    std::string Frame;
    std::vector<int> Rows;
    std::vector<int> Below;
    std::vector<int> RightOf;
};

// The blocks of a layout (none for layout 1, which is used as it stands).
const std::vector<LayoutBlock>& LayoutBlocks(int layout);

// Lines of the compiled-in data that could not be read; empty when the data
// is sound.
const std::vector<std::string>& LayoutDataProblems();

// The compiled-in text of LayoutTables.tsv.
std::string_view LayoutTablesText();
