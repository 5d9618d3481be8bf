// Numbers, Booleans and names as setup files hold them.

#include "model/mdlDom.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

// Both readers, the one for measured text and the one for attribute values
// as pugixml holds them, must agree on every text.
std::optional<int32_t> ReadBoth(const char* text)
{
    const std::optional<int32_t> measured = func_DomToLong(std::string_view(text));
    EXPECT_EQ(func_DomToLong(text), measured) << '"' << text << '"';
    return measured;
}

TEST(DomNumbers, WholeNumbersWithBlanksSignsAndRoundedFractionsAreRead)
{
    // "00000000012": more than ten digits, still in range; halves round to even.
    for (const auto& [text, value] : std::initializer_list<std::pair<const char*, int32_t>>{
             {"12", 12}, {" -1 ", -1}, {"-1\t", -1}, {"+4", 4}, {"007", 7}, {"00000000012", 12}, {"2.5", 2},
             {"3.5", 4}, {"-.5", 0}, {"-999999999", -999999999}, {"1000000000", 1000000000},
             {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}})
        EXPECT_EQ(ReadBoth(text), value) << '"' << text << '"';
}

TEST(DomNumbers, AnythingElseIsNoNumber)
{
    for (const char* text : {"", " ", "-", "+", "+-1", "--1", "-+1", "12abc", "1e3", "0x10", "1,5", "1.2.3", ".",
                             "1 2", "2147483648", "-2147483649", "99999999999999999999", "2147483647.5"})
        EXPECT_EQ(ReadBoth(text), std::nullopt) << '"' << text << '"';
}

TEST(DomNumbers, MeasuredTextEndsAtItsLengthNotAtANul)
{
    EXPECT_EQ(func_DomToLong(std::string_view("123", 2)), 12);
    EXPECT_EQ(func_DomToLong(std::string_view("1\0" "2", 3)), std::nullopt);
}

TEST(DomNumbers, BooleansAreTrueFalseOrNumbers)
{
    for (const auto& [text, value] : std::initializer_list<std::pair<const char*, std::optional<bool>>>{
             {"tRuE", true}, {" False ", false}, {"-1", true}, {"0", false}, {"yes", std::nullopt}})
        EXPECT_EQ(func_DomToBool(text), value) << text;
}

// Names as pugixml hands them: NUL-terminated text of any length.
bool Is(const std::string& actual, std::string_view name)
{
    return func_DomNameIs(actual.c_str(), name);
}

TEST(DomNames, NamesMatchWholeAndWithoutLetterCase)
{
    for (const auto& [name, wanted] :
         {std::pair("CODE", "CODE"), std::pair("cOdE", "CODE"), std::pair("Analyzer", "ANALYZER")})
        EXPECT_TRUE(Is(name, wanted)) << name;
    for (const char* name : {"CODEX", "COD", "codex", "", "C0DE"})
        EXPECT_FALSE(Is(name, "CODE")) << name;
    EXPECT_FALSE(Is("CODE@", "CODE`")) << "only letters ignore their case";

    const std::string_view names[] = {"POSITION", "CODE", "ESC"};
    EXPECT_EQ(func_DomNameIndex(std::string("esc").c_str(), names, 1), 2u) << "found past the hint";
    EXPECT_EQ(func_DomNameIndex(std::string("Position").c_str(), names, 3), 0u) << "a hint past the end";
    EXPECT_EQ(func_DomNameIndex(std::string("NAME").c_str(), names, 0), 3u);
}

} // namespace
