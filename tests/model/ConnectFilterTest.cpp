// The turret order of the filter-turret mount: read from the levels, the
// stored observation modes exchanged when it changes behind the program's
// back, and written as the two levels.

#include "OpticsFixture.h"

using namespace ZOSCOPELib;
using Strings = std::vector<std::string>;

namespace {

class ConnectFilter : public zotest::OpticsZo {
protected:
    // The filter-turret cells of the built-in instrument's GFP mode.
    std::pair<int32_t, int32_t> GfpTurrets()
    {
        const ModeRecord gfp = scope().ObservationModes().GetMode("GFP");
        return {gfp[1], gfp[2]};
    }
};

TEST_F(ConnectFilter, TheOrderFollowsTheLevelOfTurretOneOrWhichTurretIsThereAndNeedsBothToBeWritten)
{
    // The built-in instrument has turret 1 at the second level.
    for (const auto& [description, exchanged] :
         {std::pair("", false), std::pair("[FilterTurret1]\nLevel = 1\n[FilterTurret2]\nLevel = 2\n", true),
          std::pair("[Mounted]\nFilterTurret1 = 0\n[FilterTurret1]\nLevel = 2\n", true),
          std::pair("[Mounted]\nFilterTurret2 = 0\n", false),
          std::pair("[Mounted]\nFilterTurret1 = 0\nFilterTurret2 = 0\n", false)}) {
        ConnectOptics(description);
        EXPECT_EQ(connectFilter().FilterPosition(), exchanged) << description;
    }

    // The order is only written with both turrets.
    ConnectOptics("[Mounted]\nFilterTurret2 = 0\n");
    connectFilter().SetFilterPosition(true);
    EXPECT_EQ(connectFilter().func_WriteSdk(), "");
    EXPECT_EQ(Writes(), Strings{});
    connectFilter().sub_RestData();
    EXPECT_FALSE(connectFilter().FilterPosition());
}

TEST_F(ConnectFilter, AChangeBetweenTwoReadsExchangesTheStoredModesOnceButTheFirstReadNever)
{
    // A first read after the modes were read: the order it finds is no change.
    zo->ConnectFilter = std::make_unique<clsConnectFilter>();
    zo->ConnectFilter->Zo = zo.get();
    EXPECT_EQ(connectFilter().func_ReadSdk(), "");
    EXPECT_FALSE(connectFilter().FilterPosition());
    const std::pair<int32_t, int32_t> asStored{3, ZOSCOPELib::NotSet};
    EXPECT_EQ(GfpTurrets(), asStored);

    scope().FilterTurret1().SetLevel(1);
    scope().FilterTurret2().SetLevel(2);
    EXPECT_EQ(connectFilter().func_ReadSdk(), "");
    EXPECT_TRUE(connectFilter().FilterPosition());
    const std::pair<int32_t, int32_t> exchanged{ZOSCOPELib::NotSet, 3};
    EXPECT_EQ(GfpTurrets(), exchanged);
    EXPECT_EQ(connectFilter().func_ReadSdk(), "");
    EXPECT_EQ(GfpTurrets(), exchanged) << "no change, no exchange";
}

TEST_F(ConnectFilter, AWriteSetsBothLevelsAndItsOwnReportsExchangeNothing)
{
    std::vector<std::string> reads;
    Subscription padHandler = scope().FilterTurret1().Position()->OnInfoChanged.Subscribe(
        [&] { reads.push_back(connectFilter().func_ReadSdk()); });
    connectFilter().SetFilterPosition(true);
    EXPECT_EQ(connectFilter().func_WriteSdk(), "");
    EXPECT_EQ(Writes(), (Strings{"FilterTurret1.SetLevel(1)", "FilterTurret2.SetLevel(2)"}));
    EXPECT_EQ(reads, Strings{""});
    EXPECT_TRUE(g_RefreshFilterBlock);
    EXPECT_EQ(GfpTurrets(), std::make_pair(3, ZOSCOPELib::NotSet));

    EXPECT_EQ(connectFilter().func_ReadSdk(), "");
    EXPECT_TRUE(connectFilter().FilterPosition());
    EXPECT_EQ(GfpTurrets(), std::make_pair(3, ZOSCOPELib::NotSet)) << "the program's own change";

    MarkTrace();
    EXPECT_EQ(connectFilter().func_WriteSdk(), "");
    EXPECT_EQ(Writes(), Strings{}) << "unchanged";
}

TEST_F(ConnectFilter, AFailedWriteGivesItsLineAndIsTriedAgain)
{
    control().FailCall("FilterTurret2", "SetLevel", NotAnswering, 1);
    connectFilter().SetFilterPosition(true);
    EXPECT_EQ(connectFilter().func_WriteSdk(), func_GetMessage(99) + "[True]");
    MarkTrace();
    EXPECT_EQ(connectFilter().func_WriteSdk(), "");
    EXPECT_EQ(Writes(), (Strings{"FilterTurret1.SetLevel(1)", "FilterTurret2.SetLevel(2)"}));

    control().FailCall("FilterTurret1", "Level", NotAnswering, 1);
    EXPECT_EQ(connectFilter().func_ReadSdk(), func_GetMessage(99) + "(ZOSCOPELib.FilterTurret1:1004)");
}

} // namespace
