#pragma once
// The simulator's own small text format, used for instrument descriptions and
// for the saved configuration state: "[Section]" lines, "Key = Value" lines,
// comments starting with ";" or "#". Names compare without letter case.
// Numbers are read and written independently of the locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ZOSCOPELib::sim {

struct TextLine {
    int line = 0;          // 1-based line number in the source
    std::string section;   // as written
    std::string key;       // as written, trimmed
    std::string value;     // trimmed
};

struct TextError {
    int line = 0;
    std::string message;
};

// Parses text; lines that are neither sections, pairs, comments nor blank
// are reported and skipped. Never throws.
std::vector<TextLine> ParseText(std::string_view text, std::vector<TextError>& errors);

bool SameName(std::string_view a, std::string_view b);

std::optional<int64_t> ParseInteger(std::string_view text);
std::optional<double> ParseReal(std::string_view text);
// Comma-separated whole numbers; empty when any item is not a number.
std::optional<std::vector<int64_t>> ParseIntegerList(std::string_view text);
std::vector<std::string> SplitFields(std::string_view text, char separator);
std::string Trim(std::string_view text);

// The instrument keeps a name (a database entry, an observation mode) as one
// line of at most kLongestName characters without "|".
inline constexpr std::size_t kLongestName = 40;
bool IsStorableName(std::string_view name);

std::string FormatReal(double value);
std::string FormatIntegerList(const std::vector<int32_t>& values);

} // namespace ZOSCOPELib::sim
