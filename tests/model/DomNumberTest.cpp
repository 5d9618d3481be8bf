// Numbers and Booleans as setup files hold them.

#include "model/mdlDom.h"

#include <gtest/gtest.h>

namespace {

TEST(DomNumbers, WholeNumbersWithBlanksSignsAndRoundedFractionsAreRead)
{
    EXPECT_EQ(func_DomToLong("12"), 12);
    EXPECT_EQ(func_DomToLong(" -1 "), -1);
    EXPECT_EQ(func_DomToLong("+4"), 4);
    EXPECT_EQ(func_DomToLong("007"), 7);
    EXPECT_EQ(func_DomToLong("2.5"), 2) << "halves round to even";
    EXPECT_EQ(func_DomToLong("3.5"), 4);
    EXPECT_EQ(func_DomToLong("-.5"), 0);
    EXPECT_EQ(func_DomToLong("2147483647"), 2147483647);
    EXPECT_EQ(func_DomToLong("-2147483648"), -2147483647 - 1);
}

TEST(DomNumbers, AnythingElseIsNoNumber)
{
    for (const char* text : {"", " ", "-", "+", "+-1", "--1", "12abc", "1e3", "0x10", "1,5", "1.2.3", ".",
                             "2147483648", "-2147483649", "99999999999999999999", "2147483647.5"})
        EXPECT_EQ(func_DomToLong(text), std::nullopt) << '"' << text << '"';
}

TEST(DomNumbers, BooleansAreTrueFalseOrNumbers)
{
    EXPECT_EQ(func_DomToBool("tRuE"), true);
    EXPECT_EQ(func_DomToBool(" False "), false);
    EXPECT_EQ(func_DomToBool("-1"), true);
    EXPECT_EQ(func_DomToBool("0"), false);
    EXPECT_EQ(func_DomToBool("yes"), std::nullopt);
}

} // namespace
