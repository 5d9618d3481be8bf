#include "ScriptedUi.h"

#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"

#include <gtest/gtest.h>

namespace {

class MessageTest : public ::testing::Test {
protected:
    zotest::ScriptedUi ui;
    zotest::ScopedUi installed{ui};
};

TEST_F(MessageTest, MissingTextShowsTheNumberMinusOne)
{
    g_Messages[1] = "Close the program?";
    std::vector<std::string> texts;
    for (const int number : {2, 56, 1, 257, 0, 258, -3})
        texts.push_back(func_GetMessage(number));
    EXPECT_EQ(texts, (std::vector<std::string>{"Close the program?", "55", "0", "256", "", "", ""}));
}

TEST_F(MessageTest, ShowMessageJoinsTheExtraTextAndReturnsTheAnswer)
{
    g_Messages[61] = "Devices failed:";
    ui.QueueAnswer(UiServices::ID_NO);
    EXPECT_EQ(func_ShowMessage(62, "Nosepiece", UiServices::MB_YESNO_QUESTION), UiServices::ID_NO);
    EXPECT_EQ(ui.StyledBoxes(), std::vector{zotest::ScriptedUi::Styled(UiServices::MB_YESNO_QUESTION,
                                                                        "Devices failed:\r\nNosepiece")});
}

TEST(CommonTest, JoinLinesAndTrimNull)
{
    const std::string ax("a\0x", 3);
    EXPECT_EQ((std::vector{func_JoinLines("a", "b"), func_JoinLines(ax, ""), func_JoinLines(ax, "b"),
                           func_JoinLines(std::string("\0x", 2), "b"), func_JoinLines("", "")}),
              (std::vector<std::string>{"a\r\nb", ax, "a\r\nb", "b", ""}));
    EXPECT_EQ(std::tuple(func_TrimNull(std::string("ab\0cd\0", 6)), func_TrimNull("abc")), std::tuple("ab", "abc"));
}

TEST(CommonTest, BoolTextsAndLists)
{
    for (const char* text : {"TRUE", "false", "True", "fAlSe"})
        EXPECT_TRUE(func_IsBoolText(text)) << text;
    for (const char* text : {"", "yes", "1", "-1", " TRUE", "TRUE "})
        EXPECT_FALSE(func_IsBoolText(text)) << text;
    EXPECT_EQ((std::vector{BoolTextOrTrue("false"), BoolTextOrTrue("TrUe"), BoolTextOrTrue("no"), BoolTextOrTrue("")}),
              (std::vector{false, true, true, true}));

    EXPECT_EQ(func_SplitList(""), std::vector<std::string>{""});
    EXPECT_EQ(func_SplitList("1, 10,,100 "), (std::vector<std::string>{"1", " 10", "", "100 "}));
    EXPECT_EQ(func_SplitList(","), (std::vector<std::string>{"", ""}));
}

TEST(CommonTest, ValidNames)
{
    for (const char* name : {"Obj 60x/1.40", "A-+/*#&. z9", "x", " "})
        EXPECT_TRUE(func_IsValidName(name)) << name;
    for (const char* name : {"", "under_score", "Caf\xC3\xA9", "a,b", "tab\t", "quote\"", "new\nline"})
        EXPECT_FALSE(func_IsValidName(name)) << name;
}

TEST(CommonTest, DashHexAndBase62)
{
    EXPECT_EQ(func_DashLine(0) + func_DashLine(-2) + "|" + func_DashLine(3), "|---");
    EXPECT_EQ(func_HexPad(255, 4), "00FF");
    EXPECT_EQ(func_HexPad(0x12345, 3), "12345") << "longer results are not cut";
    EXPECT_EQ(func_HexPad(0, 0), "0");
    EXPECT_EQ(func_HexPad(-1, 2), "FFFFFFFF");

    const std::pair<const char*, int> values[] = {{"", 0},   {"0", 0},  {"9x", 9},  {"A", 10},    {"Z", 35}, {"a", 36},
                                                  {"z", 61}, {" ", -1}, {":", -2},  {"{", -3}, {"\xC3", -3}, {"_", -4}};
    for (const auto& [text, value] : values)
        EXPECT_EQ(func_Base62Value(text), value) << text;
    for (int v = 0; v < 62; ++v)
        EXPECT_EQ(func_Base62Value(func_Base62Char(v)), v);
    EXPECT_EQ(std::tuple(func_Base62Char(61), func_Base62Char(-1), func_Base62Char(62)), std::tuple("z", " ", ""));
}

TEST(CommonTest, IndexInList)
{
    const std::vector<std::string> list{"DAPI", "GFP", "gfp", "GFP"};
    // Case-sensitive, and only up to the last index.
    EXPECT_EQ((std::vector{func_IndexInList("GFP", list, 3), func_IndexInList("gfp", list, 3),
                           func_IndexInList("GFP", list, 0), func_IndexInList("DAPI", list, -1),
                           func_IndexInList("none", list, 99)}),
              (std::vector{1, 2, -1, -1, -1}));
}

TEST(NumberTextTest, NumericTexts)
{
    for (const char* text : {"12", "-5", " 12.5 ", ".5", "5.", "+3", "1e3", "2.5E-2"})
        EXPECT_TRUE(zo::IsNumericText(text)) << text;
    for (const char* text : {"", " ", "abc", "12,5", "1e", "--1", "0x10", "1 2", ".", "inf", "nan"})
        EXPECT_FALSE(zo::IsNumericText(text)) << text;
    EXPECT_THROW(zo::ToDouble("1e999"), std::out_of_range);
    EXPECT_EQ(std::tuple(zo::ToInt16Rounded("2.5"), zo::ToInt16Rounded("3.5"), zo::ToInt16Rounded("-32768")),
              std::tuple(2, 4, -32768)) << "halves to even";
    EXPECT_THROW(zo::ToInt16Rounded("32768"), std::out_of_range);
    EXPECT_THROW(zo::ToInt16Rounded("x"), std::invalid_argument);
    EXPECT_EQ(std::tuple(zo::FormatDouble(-0.0), zo::FormatDouble(0.025), zo::FormatDouble(39999.5)),
              std::tuple("0", "0.025", "39999.5"));
}

} // namespace
