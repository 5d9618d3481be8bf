// Numbers, Booleans and names as setup files hold them.

#include "model/mdlDom.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(ReadBoth("12"), 12);
    EXPECT_EQ(ReadBoth(" -1 "), -1);
    EXPECT_EQ(ReadBoth("-1\t"), -1);
    EXPECT_EQ(ReadBoth("+4"), 4);
    EXPECT_EQ(ReadBoth("007"), 7);
    EXPECT_EQ(ReadBoth("00000000012"), 12) << "more than ten digits, still in range";
    EXPECT_EQ(ReadBoth("2.5"), 2) << "halves round to even";
    EXPECT_EQ(ReadBoth("3.5"), 4);
    EXPECT_EQ(ReadBoth("-.5"), 0);
    EXPECT_EQ(ReadBoth("-999999999"), -999999999);
    EXPECT_EQ(ReadBoth("1000000000"), 1000000000);
    EXPECT_EQ(ReadBoth("2147483647"), 2147483647);
    EXPECT_EQ(ReadBoth("-2147483648"), -2147483647 - 1);
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
    EXPECT_EQ(func_DomToBool("tRuE"), true);
    EXPECT_EQ(func_DomToBool(" False "), false);
    EXPECT_EQ(func_DomToBool("-1"), true);
    EXPECT_EQ(func_DomToBool("0"), false);
    EXPECT_EQ(func_DomToBool("yes"), std::nullopt);
}

// Names as pugixml hands them: NUL-terminated text of any length.
bool Is(const std::string& actual, std::string_view name)
{
    return func_DomNameIs(actual.c_str(), name);
}

TEST(DomNames, NamesMatchWholeAndWithoutLetterCase)
{
    EXPECT_TRUE(Is("CODE", "CODE"));
    EXPECT_TRUE(Is("cOdE", "CODE"));
    EXPECT_TRUE(Is("Analyzer", "ANALYZER"));
    EXPECT_FALSE(Is("CODEX", "CODE"));
    EXPECT_FALSE(Is("COD", "CODE"));
    EXPECT_FALSE(Is("codex", "CODE"));
    EXPECT_FALSE(Is("", "CODE"));
    EXPECT_FALSE(Is("C0DE", "CODE"));
    EXPECT_FALSE(Is("CODE@", "CODE`")) << "only letters ignore their case";

    const std::string_view names[] = {"POSITION", "CODE", "ESC"};
    EXPECT_EQ(func_DomNameIndex(std::string("esc").c_str(), names, 1), 2u) << "found past the hint";
    EXPECT_EQ(func_DomNameIndex(std::string("Position").c_str(), names, 3), 0u) << "a hint past the end";
    EXPECT_EQ(func_DomNameIndex(std::string("NAME").c_str(), names, 0), 3u);
}

} // namespace
