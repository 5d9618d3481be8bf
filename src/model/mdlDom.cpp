#include "model/mdlDom.h"

#include "core/mdlCommon.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// An optional minus and one to nine digits, nothing else, read by hand; empty
// for any other text. Nine digits always fit 32 bits; longer numbers take the
// general path. Terminated: the text ends at its NUL (end is not used),
// otherwise at end.
template <bool Terminated>
inline std::optional<int32_t> PlainNumber(const char* p, const char* end)
{
    const auto atEnd = [=](const char* at) {
        if constexpr (Terminated)
            return *at == '\0';
        else
            return at == end;
    };
    const bool minus = !atEnd(p) && *p == '-';
    p += minus ? 1 : 0;
    const char* const first = p;
    uint32_t value = 0;
    for (; !atEnd(p); ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9 || p - first == 9)
            return std::nullopt;
        value = value * 10 + digit;
    }
    if (p == first)
        return std::nullopt;
    const auto number = static_cast<int32_t>(value);
    return minus ? -number : number;
}

std::optional<int32_t> PlainNumber(std::string_view text)
{
    return PlainNumber<false>(text.data(), text.data() + text.size());
}

} // namespace

bool func_DomNameIs(const pugi::xml_node& node, std::string_view name)
{
    return func_DomNameIs(node.name(), name);
}

bool func_DomNameIs(const pugi::xml_attribute& attribute, std::string_view name)
{
    return func_DomNameIs(attribute.name(), name);
}

bool func_DomNameIs(const char* actual, std::string_view name)
{
    // Names mostly stand as written: compared as they are first (the library
    // compares several characters at a time and stops at actual's end), then
    // without letter case.
    if (std::strncmp(actual, name.data(), name.size()) == 0)
        return actual[name.size()] == '\0';
    std::size_t i = 0;
    while (i < name.size() && Upper(actual[i]) == Upper(name[i])) // stops at actual's end: name holds no NUL
        ++i;
    return i == name.size() && actual[i] == '\0';
}

bool func_DomNameIs(std::string_view actual, std::string_view name)
{
    return EqualsNoCase(actual, name);
}

std::optional<int32_t> func_DomToLong(std::string_view text)
{
    // What this program writes needs nothing else.
    if (const auto plain = PlainNumber(text))
        return plain;
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    const bool plus = text[0] == '+';
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text[0] == '-'))
        return std::nullopt;
    if (const auto plain = PlainNumber(text))
        return plain;
    // Longer whole numbers need no rounding either.
    int64_t whole = 0;
    const auto [wholeEnd, wholeEc] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (wholeEc == std::errc() && wholeEnd == text.data() + text.size()) {
        if (whole < std::numeric_limits<int32_t>::min() || whole > std::numeric_limits<int32_t>::max())
            return std::nullopt;
        return static_cast<int32_t>(whole);
    }

    // Otherwise only plain decimal notation: sign, digits, optional point and digits.
    std::size_t digits = 0;
    bool point = false;
    for (std::size_t i = text[0] == '-' ? 1 : 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode rounds half to even
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::optional<int32_t> func_DomToLong(const char* text)
{
    if (const auto plain = PlainNumber<true>(text, nullptr))
        return plain;
    return func_DomToLong(std::string_view(text));
}

std::optional<bool> func_DomToBool(std::string_view text)
{
    const std::string_view trimmed = func_DomTrimmed(text, true);
    if (EqualsNoCase(trimmed, "True"))
        return true;
    if (EqualsNoCase(trimmed, "False"))
        return false;
    if (const auto number = func_DomToLong(trimmed))
        return *number != 0;
    return std::nullopt;
}

std::string func_DomTrim(std::string_view text, bool both)
{
    return std::string(func_DomTrimmed(text, both));
}

std::string_view func_DomTrimmed(std::string_view text, bool both)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    while (both && !text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

DomValues func_DomLastValues(const pugi::xml_node& element, std::initializer_list<std::string_view> names)
{
    return func_DomLastValues(element, std::span<const std::string_view>(names.begin(), names.size()));
}

DomValues func_DomLastValues(const pugi::xml_node& element, std::span<const std::string_view> names)
{
    const DomTexts texts = func_DomLastTexts(element, names);
    DomValues values;
    for (std::size_t k = 0; k < DomMaxNames; ++k)
        if (texts[k])
            values[k] = std::string_view(texts[k]);
    return values;
}

DomTexts func_DomLastTexts(const pugi::xml_node& element, std::span<const std::string_view> names)
{
    DomTexts texts{};
    names = names.first(std::min(names.size(), DomMaxNames));
    std::size_t next = 0;
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const std::size_t k = func_DomNameIndex(attribute.name(), names, next);
        if (k < names.size()) {
            texts[k] = attribute.value();
            next = k + 1;
        }
    }
    return texts;
}

std::optional<bool> func_DomStatus(const pugi::xml_node& element, std::string& asRead)
{
    const auto values = func_DomLastValues(element, {"STATUS"});
    asRead = values[0].value_or(std::string_view());
    const std::string_view trimmed = func_DomTrimmed(asRead, true);
    if (!func_IsBoolText(trimmed))
        return std::nullopt;
    return trimmed.size() == 4; // "TRUE" in some letter case
}

std::optional<DomConnection> func_DomReadConnection(const pugi::xml_node& element, std::string_view& idAsRead)
{
    const auto values = func_DomLastValues(element, {"ID", "BRAND", "TYPE"});
    const auto number = [&](std::size_t k) {
        return values[k] ? func_DomToLong(*values[k]) : std::optional<int32_t>(-1);
    };
    idAsRead = values[0] ? func_DomTrimmed(*values[0], true) : std::string_view("-1");
    const auto id = number(0);
    if (!id || (*id != 1 && *id != 2))
        return std::nullopt;
    return DomConnection{*id, number(1), number(2)};
}

void sub_DomWriteConnection(pugi::xml_node section, int32_t id, int32_t brand, int32_t type)
{
    pugi::xml_node value = func_DomAppend(section, "VALUE");
    sub_DomSetAttr(value, "ID", int64_t{id});
    sub_DomSetAttr(value, "BRAND", int64_t{brand});
    sub_DomSetAttr(value, "TYPE", int64_t{type});
}

DomKey func_DomReadKey(const pugi::xml_node& element, std::string_view& idAsRead)
{
    const auto values = func_DomLastValues(element, {"ID", "FUNCTION"});
    idAsRead = values[0] ? func_DomTrimmed(*values[0], true) : std::string_view("-1");
    return DomKey{values[0] ? func_DomToLong(*values[0]) : std::nullopt, values[1]};
}

void sub_DomWriteKey(pugi::xml_node section, const char* name, int32_t id, std::string_view function)
{
    pugi::xml_node key = func_DomAppend(section, name);
    sub_DomSetAttr(key, "ID", int64_t{id});
    sub_DomSetAttr(key, "FUNCTION", function);
}

pugi::xml_node func_DomAppend(pugi::xml_node parent, const char* name)
{
    return parent.append_child(name);
}

void sub_DomSetAttr(pugi::xml_node element, const char* name, std::string_view value)
{
    element.append_attribute(name).set_value(value.data(), value.size());
}

void sub_DomSetAttr(pugi::xml_node element, const char* name, int64_t value)
{
    // Decimal and without the locale; formatted here, as the text setter is
    // cheaper than pugixml's own number setter.
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    element.append_attribute(name).set_value(text, static_cast<std::size_t>(end - text));
}

void sub_DomSetAttrBool(pugi::xml_node element, const char* name, bool value)
{
    sub_DomSetAttr(element, name, std::string_view(value ? "True" : "False"));
}
