#include "TestEnv.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    zotest::TestEnv::Install();
    return RUN_ALL_TESTS();
}
