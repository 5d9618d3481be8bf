#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "widgets/RealValue.h"

namespace {

TEST(RealValue, CleanRemovesBinaryNoiseOnly)
{
    for (const auto& [value, cleaned] :
         {std::pair{0.1 + 0.2, 0.3}, {12.5, 12.5}, {123456.789012, 123456.789012}, {-0.0000123, -0.0000123}})
        EXPECT_EQ(RealValue::clean(value), cleaned) << value;
    EXPECT_TRUE(std::isinf(RealValue::clean(std::numeric_limits<double>::infinity())));
}

TEST(RealValue, FormatIsShortAndLocaleFree)
{
    const char* had = std::setlocale(LC_ALL, nullptr);
    const std::string previous = had ? had : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");   // may not exist; the test holds either way
    for (const auto& [value, text] : {std::pair{12.5, "12.5"}, {100.0, "100"}, {0.1 + 0.2, "0.3"}, {-0.0, "0"},
                                      {-1250000.0, "-1250000"}, {1e-7, "0.0000001"}})
        EXPECT_EQ(RealValue::format(value), text) << value;
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(RealValue, LimitsClampAndFollowEachOther)
{
    RealValue v(0, 10, 0.5);
    EXPECT_TRUE(v.setValue(12));
    EXPECT_EQ(v.value(), 10);
    EXPECT_FALSE(v.setValue(std::nan("")));
    v.setMinimum(20);   // above the maximum: the maximum follows
    EXPECT_EQ(std::tuple(v.maximum(), v.value()), std::tuple(20.0, 20.0));
    v.setMaximum(-5);
    EXPECT_EQ(std::tuple(v.minimum(), v.value()), std::tuple(-5.0, -5.0));
}

TEST(RealValue, SteppingAndTheGrid)
{
    RealValue v(-1, 1, 0.1);
    for (int i = 0; i < 7; ++i)
        v.stepBy(1);
    EXPECT_EQ(v.value(), 0.7);
    EXPECT_TRUE(v.stepTowards(1, 2));
    EXPECT_EQ(v.value(), 0.9);
    EXPECT_TRUE(v.stepTowards(0.95, 2));   // never past the target
    EXPECT_EQ(v.value(), 0.95);
    for (const auto& [fraction, value] : {std::pair{0.5, 0.0}, {0.333, -0.3}, {7.0, 1.0}})
        EXPECT_EQ(v.valueAtFraction(fraction), value) << fraction;
    v.setStep(0);
    EXPECT_FALSE(v.stepBy(1));
    EXPECT_EQ(v.valueAtFraction(0.333), -0.334);
}

} // namespace
