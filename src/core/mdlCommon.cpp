#include "core/mdlCommon.h"

#include "core/UiServices.h"
#include "core/mdlLanguage.h"
#include "sdk/ZoScope.h"

#include <algorithm>
#include <regex>

int ShowMessageText(const std::string& text, int buttons)
{
    if (g_UiServices == nullptr)
        return UiServices::ID_OK;
    return g_UiServices->ShowMessageBox(text, buttons);
}

int func_ShowMessage(int number, std::string_view extra, int buttons)
{
    std::string text = func_GetMessage(number);
    if (!extra.empty())
        text = func_JoinLines(text, extra);
    return ShowMessageText(text, buttons);
}

std::string func_GetMessage(int number)
{
    const int index = number - 1;
    if (index < 0 || index >= static_cast<int>(g_Messages.size()))
        return {};
    const std::string& text = g_Messages[static_cast<size_t>(index)];
    return text.empty() ? std::to_string(index) : text;
}

std::string func_JoinLines(std::string_view first, std::string_view second)
{
    if (second.empty())
        return std::string(first);
    const std::string head = func_TrimNull(first);
    if (head.empty())
        return std::string(second);
    return head + "\r\n" + std::string(second);
}

std::string func_TrimNull(std::string_view text)
{
    return std::string(text.substr(0, text.find('\0')));
}

bool func_IsBoolText(std::string_view value)
{
    std::string upper(value);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper == "TRUE" || upper == "FALSE";
}

std::vector<std::string> func_SplitList(std::string_view text)
{
    std::vector<std::string> pieces;
    size_t pos = 0;
    for (;;) {
        const size_t comma = text.find(',', pos);
        pieces.emplace_back(text.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
        if (comma == std::string_view::npos)
            return pieces;
        pos = comma + 1;
    }
}

void sub_FlushInput()
{
    if (g_UiServices != nullptr)
        g_UiServices->FlushInput();
}

bool func_IsValidName(std::string_view text)
{
    static const std::regex pattern("^[A-Za-z0-9-+/*#&. ]+$");
    return std::regex_match(text.begin(), text.end(), pattern);
}

std::string func_DashLine(int count)
{
    return count > 0 ? std::string(static_cast<size_t>(count), '-') : std::string();
}

bool func_IsDashLine(std::string_view text)
{
    return !text.empty() && text.find_first_not_of('-') == std::string_view::npos;
}

std::string func_HexPad(int32_t value, int width)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    uint32_t v = static_cast<uint32_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[v & 0xF]);
        v >>= 4;
    } while (v != 0);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), '0');
    return text;
}

int16_t func_Base62Value(std::string_view text)
{
    if (text.empty())
        return 0;
    const unsigned char c = static_cast<unsigned char>(text.front());
    if (c < '0')
        return -1;
    if (c <= '9')
        return static_cast<int16_t>(c - '0');
    if (c < 'A')
        return -2;
    if (c <= 'Z')
        return static_cast<int16_t>(c - 'A' + 10);
    if (c < 'a')
        return -4;
    if (c <= 'z')
        return static_cast<int16_t>(c - 'a' + 36);
    return -3;
}

std::string func_Base62Char(int value)
{
    static constexpr std::string_view alphabet =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (value < 0)
        return " ";
    if (value >= static_cast<int>(alphabet.size()))
        return {};
    return std::string(1, alphabet[static_cast<size_t>(value)]);
}

int func_IndexInList(std::string_view text, std::span<const std::string> list, int lastIndex)
{
    const int last = std::min(lastIndex, static_cast<int>(list.size()) - 1);
    for (int i = 0; i <= last; ++i)
        if (list[static_cast<size_t>(i)] == text)
            return i;
    return -1;
}

std::string func_GetSdkVersion()
{
    return ZOSCOPELib::LibraryVersion();
}

bool BoolTextOrTrue(std::string_view value)
{
    if (!func_IsBoolText(value))
        return true;
    return value.size() == 4; // "TRUE" in some letter case; "FALSE" has five letters
}

std::string_view BoolText(bool value)
{
    return value ? "True" : "False";
}
