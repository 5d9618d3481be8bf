#include "pad/LayoutTables.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <span>

LayoutTableArray LayoutTable;
FrameTableArray FrameTable;

namespace {

std::vector<std::string_view> SplitText(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::optional<int> ToInt(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool AllNumbers(const std::vector<std::string_view>& fields, size_t first)
{
    return std::all_of(fields.begin() + static_cast<std::ptrdiff_t>(first), fields.end(),
                       [](std::string_view field) { return ToInt(field).has_value(); });
}

// Calls visit(line, fields) for every line that is not empty or a comment.
template <typename Visit>
void ForEachDataLine(Visit visit)
{
    for (std::string_view line : SplitText(LayoutTablesText(), '\n')) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        visit(line, SplitText(line, '\t'));
    }
}

bool InLayoutRange(std::optional<int> layout)
{
    return layout && *layout >= kLayoutFirst && *layout <= kLayoutLast;
}

// A "row" line (layout, row 1..68, name, Left, Bottom, Width) or a "frame"
// line (layout, frame 1..3, name, Left, Top, Width, Height).
struct TableLine {
    bool IsRow = false;
    size_t Layout = 0;
    size_t Index = 0;
};

std::optional<TableLine> ReadTableLine(const std::vector<std::string_view>& fields)
{
    const bool isRow = fields.front() == "row" && fields.size() == 7;
    const bool isFrame = fields.front() == "frame" && fields.size() == 8;
    if (!isRow && !isFrame) {
        return std::nullopt;
    }
    const auto layout = ToInt(fields[1]);
    const auto index = ToInt(fields[2]);
    if (!InLayoutRange(layout) || !index || *index < 1 || *index > (isRow ? kLayoutRows : kFrameRows) ||
        fields[3].empty() || !AllNumbers(fields, 4)) {
        return std::nullopt;
    }
    return TableLine{isRow, static_cast<size_t>(*layout), static_cast<size_t>(*index)};
}

// "1-28,30" -> 1..28, 30.
std::optional<std::vector<int>> ParseRows(std::string_view text)
{
    std::vector<int> rows;
    for (std::string_view part : SplitText(text, ',')) {
        const size_t dash = part.find('-');
        const auto first = ToInt(part.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : ToInt(part.substr(dash + 1));
        if (!first || !last || *first < 1 || *last > kLayoutRows || *first > *last) {
            return std::nullopt;
        }
        for (int row = *first; row <= *last; ++row) {
            rows.push_back(row);
        }
    }
    return rows;
}

struct ParsedBlocks {
    std::array<std::vector<LayoutBlock>, kLayoutLast + 1> Blocks;
    std::vector<std::string> Problems;
};

// Names of earlier blocks of the same layout -> their indexes.
std::optional<std::vector<int>> ResolveBlocks(std::string_view text, const std::vector<LayoutBlock>& earlier)
{
    std::vector<int> indexes;
    if (text == "-") {
        return indexes;
    }
    for (std::string_view name : SplitText(text, ',')) {
        const auto found = std::find_if(earlier.begin(), earlier.end(),
                                        [name](const LayoutBlock& block) { return block.Name == name; });
        if (found == earlier.end()) {
            return std::nullopt;
        }
        indexes.push_back(static_cast<int>(found - earlier.begin()));
    }
    return indexes;
}

ParsedBlocks ParseData()
{
    ParsedBlocks parsed;
    ForEachDataLine([&parsed](std::string_view line, const std::vector<std::string_view>& fields) {
        const std::string_view kind = fields.front();
        bool sound = false;
        if (kind == "row" || kind == "frame") {
            sound = ReadTableLine(fields).has_value();
        } else if (kind == "block" && fields.size() == 7) {
            const auto layout = ToInt(fields[1]);
            if (InLayoutRange(layout)) {
                auto& blocks = parsed.Blocks[static_cast<size_t>(*layout)];
                auto rows = ParseRows(fields[4]);
                auto below = ResolveBlocks(fields[5], blocks);
                auto rightOf = ResolveBlocks(fields[6], blocks);
                sound = rows && below && rightOf && !fields[2].empty();
                if (sound) {
                    blocks.push_back({std::string(fields[2]), fields[3] == "-" ? std::string() : std::string(fields[3]),
                                      std::move(*rows), std::move(*below), std::move(*rightOf)});
                }
            }
        }
        if (!sound) {
            parsed.Problems.emplace_back(line);
        }
    });
    return parsed;
}

const ParsedBlocks& Parsed()
{
    static const ParsedBlocks parsed = ParseData();
    return parsed;
}

} // namespace

void sub_FillLayoutTables()
{
    LayoutTable = {};
    FrameTable = {};
    // The data file lists the layouts in filling order; unreadable lines are
    // reported by LayoutDataProblems and left out here.
    ForEachDataLine([](std::string_view, const std::vector<std::string_view>& fields) {
        const auto line = ReadTableLine(fields);
        if (!line) {
            return;
        }
        const std::span<std::string> target = line->IsRow ? std::span<std::string>(LayoutTable[line->Layout][line->Index])
                                   : std::span<std::string>(FrameTable[line->Layout][line->Index]);
        for (size_t field = 0; field < target.size(); ++field) {
            target[field] = std::string(fields[3 + field]);
        }
    });
}

const std::vector<LayoutBlock>& LayoutBlocks(int layout)
{
    static const std::vector<LayoutBlock> none;
    if (layout < kLayoutFirst || layout > kLayoutLast) {
        return none;
    }
    return Parsed().Blocks[static_cast<size_t>(layout)];
}

const std::vector<std::string>& LayoutDataProblems()
{
    return Parsed().Problems;
}
