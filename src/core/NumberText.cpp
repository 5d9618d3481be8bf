#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace zo {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the numeric prefix of text (sign, digits, fraction, exponent),
// or 0 when the text does not start with a number.
size_t NumberLength(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t expDigits = 0;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
        else
            return 0; // "1e" is not a number
    }
    return i;
}

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsNumericText(std::string_view text)
{
    text = TrimBlanks(text);
    return !text.empty() && NumberLength(text) == text.size();
}

std::optional<double> ParseNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty() || NumberLength(text) != text.size())
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1); // from_chars takes no plus sign
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double ToDouble(std::string_view text)
{
    if (!IsNumericText(text))
        throw std::invalid_argument("not a number");
    const auto value = ParseNumber(text);
    if (!value)
        throw std::out_of_range("number too large");
    return *value;
}

int16_t ToInt16Rounded(std::string_view text)
{
    const double value = ToDouble(text);
    // nearbyint rounds halves to even in the default rounding mode.
    return CheckedInt16(static_cast<int64_t>(std::clamp(std::nearbyint(value), -1e18, 1e18)));
}

int16_t CheckedInt16(int64_t value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw std::out_of_range("overflow");
    return static_cast<int16_t>(value);
}

int32_t LeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            value = limit; // saturate, keep consuming digits
    }
    if (negative)
        value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

std::string FormatDouble(double value)
{
    if (value == 0)
        value = 0; // no "-0"
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string FormatInt(int64_t value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

} // namespace zo
