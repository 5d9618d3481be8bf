#pragma once
// Entry texts of the pad's drop-down lists. Every device entry begins with
// the 1-based position and ": ".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class clsDBObjective;

// What the objective list shows for one nosepiece position, and what the
// stage stepping needs to know of the objective there.
struct ObjectiveEntry {
    std::string Text;
    int16_t Magnification = 0; // 0 when not known
    double NA = 0.0;
};

// Entries of objectives that the database does not describe are cut to this
// many characters, the position and ": " included.
inline constexpr std::size_t kObjectiveNameLength = 25;

// "3: " and the name.
std::string func_PositionEntry(int position, std::string_view name);

// A built-in database objective: position, ": ", model name, " ",
// magnification text, "/ ", numerical aperture, " ", type, " ", FKS text; its
// magnification is the leading number of the magnification text. Any other
// code (nothing known, a user entry): position, ": " and the stored name, the
// whole cut to kObjectiveNameLength, magnification 0. The numerical aperture
// is the record's in both cases.
ObjectiveEntry func_ObjectiveEntry(int position, int32_t code, const clsDBObjective& database);

// The number before the first "x" of a magnification text ("60x" 60, "" 0).
int16_t func_MagnificationOf(std::string_view text);
