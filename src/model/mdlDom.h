#pragma once
// Small helpers over pugixml for setup files: element and attribute names are
// compared without letter case, numbers are read and written independently of
// the locale.

#include <pugixml.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// True when the node's (element's or attribute's) name equals name, ignoring letter case.
bool func_DomNameIs(const pugi::xml_node& node, std::string_view name);
bool func_DomNameIs(const pugi::xml_attribute& attribute, std::string_view name);
// The same for a name already at hand (loops that compare one name many times).
bool func_DomNameIs(std::string_view actual, std::string_view name);

// True when the NUL-terminated name actual equals name (which holds no NUL),
// ignoring letter case.
bool func_DomNameIs(const char* actual, std::string_view name);

// Which of names (compared without letter case) the NUL-terminated name
// actual is: its index, or names.size() for none. names[hint] is tried first:
// elements and attributes usually stand in the order they are written, so a
// caller that passes the index after its last find mostly hits at once.
// Inline: the section readers call it for every element and attribute.
inline std::size_t func_DomNameIndex(const char* actual, std::span<const std::string_view> names, std::size_t hint = 0)
{
    if (hint < names.size() && func_DomNameIs(actual, names[hint]))
        return hint;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (i != hint && func_DomNameIs(actual, names[i]))
            return i;
    return names.size();
}

// A whole number as the setup files hold it: optional blanks, an optional
// sign, digits, an optional fraction (rounded half to even). Empty when the
// text is not a number or does not fit 32 bits.
std::optional<int32_t> func_DomToLong(std::string_view text);
// The same for a NUL-terminated text, such as an attribute value: a plain
// number is read without measuring the text first.
std::optional<int32_t> func_DomToLong(const char* text);

// "True"/"False" in any letter case, or a number (non-zero = True).
std::optional<bool> func_DomToBool(std::string_view text);

// The text with trailing blanks removed; with both = true, leading ones too.
std::string func_DomTrim(std::string_view text, bool both = false);
// The same without a copy.
std::string_view func_DomTrimmed(std::string_view text, bool both = false);

// The text of each named attribute of element (at most DomMaxNames names),
// in the order of names: attributes are taken in document order and the last
// one of a name wins; names compare without letter case; attributes not named
// are ignored. nullopt for a name the element does not carry. The texts live
// as long as the element's document.
constexpr std::size_t DomMaxNames = 5; // the "OPTION" of "FILTER1" has five
using DomValues = std::array<std::optional<std::string_view>, DomMaxNames>;
DomValues func_DomLastValues(const pugi::xml_node& element, std::span<const std::string_view> names);
DomValues func_DomLastValues(const pugi::xml_node& element, std::initializer_list<std::string_view> names);
// The same as the NUL-terminated texts pugixml holds, nullptr for a name the
// element does not carry: for readers that need not measure every text.
using DomTexts = std::array<const char*, DomMaxNames>;
DomTexts func_DomLastTexts(const pugi::xml_node& element, std::span<const std::string_view> names);

// The "STATUS" attribute of a "VALUE" element: "TRUE" or "FALSE" in any
// letter case, surrounding blanks allowed; nullopt for anything else (a
// missing attribute included). asRead receives the text as it stood.
std::optional<bool> func_DomStatus(const pugi::xml_node& element, std::string& asRead);

// A "VALUE" element of the "SHUTTER" and "CAMERA" sections: connector "ID"
// (1 or 2), "BRAND" (maker number) and "TYPE" (use or camera type). A missing
// BRAND or TYPE reads -1, text that is not a number reads nullopt.
struct DomConnection {
    int32_t id = 0;
    std::optional<int32_t> brand;
    std::optional<int32_t> type;
};
// nullopt when the ID is not 1 or 2; idAsRead receives the ID as it stood
// ("-1" when missing), for the error line; it lives as long as the document.
std::optional<DomConnection> func_DomReadConnection(const pugi::xml_node& element, std::string_view& idAsRead);
// Appends one such element to section.
void sub_DomWriteConnection(pugi::xml_node section, int32_t id, int32_t brand, int32_t type);

// A "KEY" or "KEYAB" element of the controller sections: key "ID" as a
// number (nullopt when missing or not a number) and "FUNCTION" as text
// (nullopt when missing). idAsRead receives the ID as it stood ("-1" when
// missing), for the error line; it lives as long as the document.
struct DomKey {
    std::optional<int32_t> id;
    std::optional<std::string_view> function; // lives as long as the element's document
};
DomKey func_DomReadKey(const pugi::xml_node& element, std::string_view& idAsRead);
// Appends one such element, named name, to section.
void sub_DomWriteKey(pugi::xml_node section, const char* name, int32_t id, std::string_view function);

// Appends an element to parent and returns it.
pugi::xml_node func_DomAppend(pugi::xml_node parent, const char* name);

// Appends an attribute; numbers as decimal text, Booleans as "True"/"False".
void sub_DomSetAttr(pugi::xml_node element, const char* name, std::string_view value);
void sub_DomSetAttr(pugi::xml_node element, const char* name, int64_t value);
void sub_DomSetAttrBool(pugi::xml_node element, const char* name, bool value);
