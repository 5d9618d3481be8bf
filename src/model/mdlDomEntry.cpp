#include "model/mdlDomEntry.h"

#include "model/mdlErrorLine.h"
#include "sdk/TextChars.h"

#include <algorithm>
#include <cstddef>
#include <span>

namespace {

// One field from its attribute text (nullptr: the attribute is missing).
bool ReadField(const DomField& field, const char* value, int32_t& number, std::string_view& text)
{
    switch (field.kind) {
    case DomField::Number: {
        std::optional<int32_t> read = value ? func_DomToLong(value) : std::optional<int32_t>(-1);
        if (!read)
            return false;
        const int64_t shifted = int64_t{*read} + field.offset;
        number = static_cast<int32_t>(shifted); // only kept when it lies in low..high
        return shifted >= field.low && shifted <= field.high;
    }
    case DomField::Name:
        text = value ? func_DomTrimmed(value, true) : std::string_view();
        return func_CharCount(text) <= static_cast<std::size_t>(field.high);
    case DomField::Flag: {
        const std::optional<bool> read = value ? func_DomToBool(value) : std::optional<bool>(false);
        number = read.value_or(false) ? 1 : 0;
        return read.has_value();
    }
    case DomField::Fixed:
        text = value ? std::string_view(value) : std::string_view();
        return func_CharCount(text) == static_cast<std::size_t>(field.high);
    }
    return false;
}

} // namespace

bool func_DomReadEntry(const pugi::xml_node& element, std::initializer_list<DomField> fields, DomEntry& entry)
{
    const std::size_t count = std::min(fields.size(), DomMaxNames);
    if (count == 0)
        return false;
    const DomField* const field = fields.begin();
    std::array<std::string_view, DomMaxNames> names; // the first count are used
    for (std::size_t k = 0; k < count; ++k)
        names[k] = field[k].attribute;
    const DomTexts values = func_DomLastTexts(element, std::span<const std::string_view>(names.data(), count));

    entry.position = values[0];
    entry.positionOffset = field[0].offset;

    bool valid = true;
    for (std::size_t k = 0; k < count; ++k)
        valid = ReadField(field[k], values[k], entry.number[k], entry.text[k]) && valid;
    return valid;
}

std::string func_DomEntryError(int message, const DomEntry& entry)
{
    if (entry.position)
        return func_ItemError(message, func_DomTrimmed(entry.position, true));
    return func_ItemError(message, -1 - int64_t{entry.positionOffset});
}

pugi::xml_node func_DomAppendEntry(pugi::xml_node section, const char* name, int64_t position)
{
    pugi::xml_node element = func_DomAppend(section, name);
    sub_DomSetAttr(element, "POSITION", position);
    return element;
}
