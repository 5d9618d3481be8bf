#pragma once
// Numbers as they appear in the program's files. Nothing here looks at the C
// locale: a German desktop reads and writes 12.5, never 12,5.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zo {

// Blanks and tabs removed at both ends.
std::string_view TrimBlanks(std::string_view text);

// True for an optionally signed decimal number with an optional fraction and
// exponent, surrounding blanks allowed: "12", "-5", " 12.5 ", ".5", "1e3".
// Hexadecimal, thousands separators and a decimal comma are not numbers.
bool IsNumericText(std::string_view text);

// The value of a numeric text; nullopt for text that is not numeric or does
// not fit a double.
std::optional<double> ParseNumber(std::string_view text);

// Converting reads: they throw (std::invalid_argument, std::out_of_range) for
// text that is not a number or does not fit, which the file readers count as
// a failed statement.
double ToDouble(std::string_view text);
// Rounded to the nearest integer, halves to even, as a 16-bit Integer.
int16_t ToInt16Rounded(std::string_view text);
// Narrowing that fails instead of wrapping.
int16_t CheckedInt16(int64_t value);

// The profile file's integer read: blanks skipped, an optional sign, then the
// leading decimal digits ("12abc" 12, "-5" -5, " 7" 7, "abc" 0). Values
// beyond the 32-bit range saturate.
int32_t LeadingInt(std::string_view text);

// Shortest text that reads back as the same double ("0.1", "12.5", "0").
std::string FormatDouble(double value);
std::string FormatInt(int64_t value);

} // namespace zo
