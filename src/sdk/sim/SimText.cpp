#include "sdk/sim/SimText.h"

#include "sdk/TextChars.h"

#include <charconv>
#include <cmath>

namespace ZOSCOPELib::sim {

namespace {

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::string Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

std::vector<TextLine> ParseText(std::string_view text, std::vector<TextError>& errors)
{
    std::vector<TextLine> lines;
    std::string section;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3) {
                errors.push_back({number, "a section line must look like [Name]"});
                continue;
            }
            section = Trim(std::string_view(line).substr(1, line.size() - 2));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) {
            errors.push_back({number, "expected \"Key = Value\""});
            continue;
        }
        if (section.empty()) {
            errors.push_back({number, "a key before the first [Section]"});
            continue;
        }
        lines.push_back({number, section, Trim(std::string_view(line).substr(0, eq)),
                         Trim(std::string_view(line).substr(eq + 1))});
    }
    return lines;
}

std::optional<int64_t> ParseInteger(std::string_view text)
{
    const std::string t = Trim(text);
    std::string_view v = t;
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (v.empty() || ec != std::errc() || end != v.data() + v.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseReal(std::string_view text)
{
    const std::string t = Trim(text);
    std::string_view v = t;
    if (!v.empty() && v.front() == '+')
        v.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (v.empty() || ec != std::errc() || end != v.data() + v.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string> SplitFields(std::string_view text, char separator)
{
    std::vector<std::string> fields;
    while (true) {
        const std::size_t at = text.find(separator);
        fields.push_back(Trim(text.substr(0, at)));
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at + 1);
    }
    return fields;
}

std::optional<std::vector<int64_t>> ParseIntegerList(std::string_view text)
{
    std::vector<int64_t> values;
    if (Trim(text).empty())
        return values;
    for (const std::string& field : SplitFields(text, ',')) {
        const auto v = ParseInteger(field);
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

std::string FormatReal(double value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, end);
}

std::string FormatIntegerList(const std::vector<int32_t>& values)
{
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            out += ',';
        out += std::to_string(values[i]);
    }
    return out;
}

bool IsStorableName(std::string_view name)
{
    return func_CharCount(name) <= kLongestName && name.find_first_of("|\r\n") == std::string_view::npos;
}

} // namespace ZOSCOPELib::sim
