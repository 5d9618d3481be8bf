#include "model/mdlDom.h"

#include "core/mdlCommon.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

bool func_DomNameIs(const pugi::xml_node& node, std::string_view name)
{
    return EqualsNoCase(node.name(), name);
}

bool func_DomNameIs(const pugi::xml_attribute& attribute, std::string_view name)
{
    return EqualsNoCase(attribute.name(), name);
}

std::optional<int32_t> func_DomToLong(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    // Only plain decimal notation: sign, digits, optional point and digits.
    std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    if (text[0] == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode rounds half to even
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::optional<bool> func_DomToBool(std::string_view text)
{
    const std::string trimmed = func_DomTrim(text, true);
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
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    while (both && !text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return std::string(text);
}

std::vector<std::optional<std::string>> func_DomLastValues(const pugi::xml_node& element,
                                                           std::initializer_list<std::string_view> names)
{
    std::vector<std::optional<std::string>> values(names.size());
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        std::size_t index = 0;
        for (const std::string_view name : names) {
            if (func_DomNameIs(attribute, name)) {
                values[index] = std::string(attribute.value());
                break;
            }
            ++index;
        }
    }
    return values;
}

std::optional<bool> func_DomStatus(const pugi::xml_node& element, std::string& asRead)
{
    const auto values = func_DomLastValues(element, {"STATUS"});
    asRead = values[0].value_or(std::string());
    const std::string trimmed = func_DomTrim(asRead, true);
    if (!func_IsBoolText(trimmed))
        return std::nullopt;
    return trimmed.size() == 4; // "TRUE" in some letter case
}

std::optional<DomConnection> func_DomReadConnection(const pugi::xml_node& element, std::string& idAsRead)
{
    const auto values = func_DomLastValues(element, {"ID", "BRAND", "TYPE"});
    const auto number = [&](std::size_t k) {
        return values[k] ? func_DomToLong(*values[k]) : std::optional<int32_t>(-1);
    };
    idAsRead = values[0] ? func_DomTrim(*values[0], true) : std::string("-1");
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

DomKey func_DomReadKey(const pugi::xml_node& element, std::string& idAsRead)
{
    auto values = func_DomLastValues(element, {"ID", "FUNCTION"});
    idAsRead = values[0] ? func_DomTrim(*values[0], true) : std::string("-1");
    return DomKey{values[0] ? func_DomToLong(*values[0]) : std::nullopt, std::move(values[1])};
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
    element.append_attribute(name).set_value(std::string(value).c_str());
}

void sub_DomSetAttr(pugi::xml_node element, const char* name, int64_t value)
{
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    sub_DomSetAttr(element, name, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

void sub_DomSetAttrBool(pugi::xml_node element, const char* name, bool value)
{
    sub_DomSetAttr(element, name, std::string_view(value ? "True" : "False"));
}
