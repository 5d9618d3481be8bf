#pragma once
// The numbered elements of the optics sections of a setup file: "ITEM" (what
// is mounted at a turret position) and "OPTION" (a user entry of a model
// database). Each is a POSITION and a few further attributes; one reader
// checks them all, the components only say which attributes they expect.

#include "model/mdlDom.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

struct DomField {
    enum Kind {
        Number, // converted to a number, valid in low..high; a missing one reads -1
        Name,   // surrounding blanks removed, at most high characters; a missing one reads ""
        Flag,   // "True"/"False" or a number; a missing one reads False
        Fixed,  // taken as it stands and exactly high characters long
    };
    std::string_view attribute;
    Kind kind = Number;
    int32_t low = 0;
    int32_t high = 0;
    int32_t offset = 0; // Number: added to the value before the range check
};

// An element as read. Field k of the reader's list is number[k] (Number with
// its offset added, Flag as 1 or 0) or text[k] (Name, Fixed). The texts are
// views into the element's document.
struct DomEntry {
    std::array<int32_t, DomMaxNames> number{};
    std::array<std::string_view, DomMaxNames> text{};
    // The first field (the POSITION) as it stood, for the error line;
    // nullptr when missing, which is shown as -1 less its offset.
    const char* position = nullptr;
    int32_t positionOffset = 0;
};

// Reads the fields of element (attributes in document order, the last of a
// name wins, unknown ones ignored). False when any field is invalid.
bool func_DomReadEntry(const pugi::xml_node& element, std::initializer_list<DomField> fields, DomEntry& entry);

// The load-report line of a rejected element: message `message`, "[", the
// POSITION as read, "]".
std::string func_DomEntryError(int message, const DomEntry& entry);

// Appends an element named name with the numbered POSITION attribute first.
pugi::xml_node func_DomAppendEntry(pugi::xml_node section, const char* name, int64_t position);
