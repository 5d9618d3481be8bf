#include "sdk/TextChars.h"

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Bytes of the character that begins at text[at]: its whole sequence when
// that is well formed (no overlong form, no surrogate, nothing above
// U+10FFFF), else 1.
std::size_t CharLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 1;
    }
    if (text.size() - at < length)
        return 1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 1;
    for (std::size_t k = 2; k < length; ++k)
        if (!IsContinuation(static_cast<unsigned char>(text[at + k])))
            return 1;
    return length;
}

} // namespace

std::size_t func_CharCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at))
        ++count;
    return count;
}

std::string_view func_CharLeft(std::string_view text, std::size_t count)
{
    std::size_t at = 0;
    for (; at < text.size() && count > 0; --count)
        at += CharLength(text, at);
    return text.substr(0, at);
}
