// Observation modes: capture from the pad, the SDK's list read and rebuilt,
// the filter-turret exchange, and the "USER" elements of setup files.

#include "AccessoriesFixture.h"

using namespace ZOSCOPELib;
using Pad = clsPadParameters;

namespace {

constexpr int32_t kNotSet = clsObservationMode::NotSet;

class ObservationModes : public zotest::ConnectedZo {
protected:
    // The built-in instrument has turret 1 on the second level: the
    // filter-block rows in turret order unless a test exchanges them.
    void SetUp() override
    {
        Connect("");
        zo->PadParameters = &pad;
    }

    clsObservationMode& modes() { return *zo->ObservationMode; }
    ObservationModeList& sdk() { return scope().ObservationModes(); }

    std::vector<std::string> SdkNames()
    {
        std::vector<std::string> names;
        for (int32_t i = 1; i <= sdk().Count(); ++i)
            names.push_back(sdk().ModeName(i));
        return names;
    }

    std::string ReadElement(const char* xml) { return ConnectedZo::ReadElement(modes(), xml); }

    // Cells of one slot: the flag (Mode) or the value (Value) of each column.
    using Columns = std::initializer_list<int>;
    std::vector<int32_t> Flags(int slot, Columns columns) { return Cells(&clsObservationMode::Mode, slot, columns); }
    std::vector<int32_t> Values(int slot, Columns columns) { return Cells(&clsObservationMode::Value, slot, columns); }
    template <class Cell>
    std::vector<int32_t> Cells(Cell cell, int slot, Columns columns)
    {
        std::vector<int32_t> cells;
        for (const int column : columns)
            cells.push_back((modes().*cell)(slot, column));
        return cells;
    }

    zotest::FakePad pad;
};

TEST_F(ObservationModes, TheSdksModesFillTheSlotsWithFlagsDerivedFromTheirValuesAndTheTurretOrder)
{
    // The built-in instrument: BF, PH and GFP; connector 1 is the epi shutter,
    // connector 2 the AUX shutter.
    EXPECT_EQ(modes().Name(0) + modes().Name(2) + "|" + modes().Name(3) + modes().Name(8), "BFGFP|");
    // GFP: objective 4 (flag 0), condenser not set (1), turret 1 at 3 (3),
    // turret 2 not part of it (4), shutter 1 the epi shutter, open (13),
    // shutter 2 the AUX shutter, not set (14); 17 is outside the flags.
    EXPECT_EQ(Flags(2, {0, 1, 3, 4, 13, 14, 17}), (std::vector<int32_t>{-1, 0, -1, 0, -1, 0, 0}));
    EXPECT_EQ(std::tuple(modes().FilterBlock(2, 0), modes().FilterBlock(2, 1)), std::tuple(3, kNotSet));
    EXPECT_EQ(modes().Mode(0, 13), -1) << "a closed shutter (0) is part of the mode";
    EXPECT_EQ(modes().Value(2, 0), 4);

    // Exchanged turrets swap the filter-block rows.
    zo->ConnectFilter->SetFilterPosition(true);
    EXPECT_EQ(modes().func_ReadSdk(), "");
    EXPECT_EQ(std::tuple(modes().FilterBlock(2, 0), modes().FilterBlock(2, 1)), std::tuple(kNotSet, 3));
    EXPECT_EQ(Flags(2, {3, 4}), (std::vector<int32_t>{0, -1}));
}

TEST_F(ObservationModes, TenSdkModesGiveEightSlotsAndTheNextChangedWriteDropsTheRest)
{
    // Mode n is "Mn" with n in its first cell, every other cell not set.
    std::string description = "[Modes]\n";
    for (int n = 1; n <= 10; ++n) {
        description += std::to_string(n) + " = M" + std::to_string(n) + "|" + std::to_string(n);
        for (std::size_t i = 1; i < std::tuple_size_v<ModeRecord>; ++i)
            description += "," + std::to_string(kNotSet);
        description += "\n";
    }
    Connect(description);
    EXPECT_EQ(std::tuple(modes().Name(7), modes().Value(7, 0)), std::tuple("M8", 8));

    modes().SetName(0, "ONE");
    EXPECT_EQ(modes().func_WriteSdk(), "");
    EXPECT_EQ(SdkNames(), (std::vector<std::string>{"ONE", "M2", "M3", "M4", "M5", "M6", "M7", "M8"}));
    EXPECT_TRUE(g_RefreshObservationMode);
    EXPECT_EQ(modes().Name(0), "ONE") << "read back from the SDK";
}

TEST_F(ObservationModes, AWriteWithoutDifferenceLeavesTheSdkAlone)
{
    control().FailCall("ObservationModes", "*", NotAnswering);
    modes().SetMode(1, 15, 0); // PH has no FKS: the cell stays not set
    EXPECT_EQ(modes().func_WriteSdk(), "");
    EXPECT_FALSE(g_RefreshObservationMode);
}

TEST_F(ObservationModes, ABlankNamedSlotIsNotStored)
{
    modes().SetName(3, "   ");
    modes().SetMode(3, 0, -1);
    EXPECT_EQ(modes().func_WriteSdk(), "");
    EXPECT_EQ(SdkNames(), (std::vector<std::string>{"BF", "PH", "GFP"}));
    EXPECT_EQ(std::tuple(modes().Name(3), modes().Mode(3, 0)), std::tuple("", 0))
        << "the working copy shows what the SDK holds";
}

TEST_F(ObservationModes, SettingAFlagCapturesTheDeviceStateFromThePad)
{
    pad.Set(Pad::NosepiecePos, 5);
    pad.Set(Pad::Anlyz, 1);
    pad.Set(Pad::FKS, 2);
    pad.Set(Pad::Epi, 1);
    // A position is stored as it is; of a switch, 1 is on and anything else off.
    for (const auto& [column, slot, value] : {std::tuple(0, 0, 5), std::tuple(5, 6, 1), std::tuple(15, 19, 0)}) {
        modes().SetMode(4, column, -1);
        EXPECT_EQ(modes().Value(4, slot), value) << column;
    }
    modes().SetMode(4, 1, -1);
    EXPECT_EQ(std::tuple(modes().Value(4, 5), modes().Mode(4, 1)), std::tuple(1, -1)) << "the pad has no condenser";
    modes().SetMode(4, 1, 0);
    EXPECT_EQ(std::tuple(modes().Value(4, 5), modes().Mode(4, 1)), std::tuple(kNotSet, 0));

    // Shutters by the use of their connector: connector 1 is the epi shutter;
    // connector 2 without a use stores nothing.
    modes().SetMode(4, 13, -1);
    EXPECT_EQ(modes().Value(4, 9), 1);
    zo->ConnectShutter->SetUse(1, clsConnectShutter::UseNone);
    modes().SetMode(4, 14, -1);
    EXPECT_EQ(modes().Mode(4, 14), -1);
    EXPECT_EQ(Values(4, {10, 11}), (std::vector<int32_t>{kNotSet, kNotSet}));

    modes().SetMode(8, 0, -1); // outside the slots: ignored
    modes().SetMode(4, 17, -1);
    EXPECT_EQ(modes().Mode(8, 0), 0);

    zo->PadParameters = nullptr;
    modes().SetMode(4, 0, -1);
    EXPECT_EQ(modes().Value(4, 0), 1) << "no pad at all";
}

TEST_F(ObservationModes, WithExchangedTurretsTheFirstRowCapturesTheSecondTurret)
{
    pad.Set(Pad::FL1, 2);
    pad.Set(Pad::FL2, 5);
    zo->ConnectFilter->SetFilterPosition(true);
    modes().SetName(4, "EX");
    modes().SetMode(4, 3, -1);
    EXPECT_EQ(modes().FilterBlock(4, 0), 5);
    EXPECT_EQ(modes().func_WriteSdk(), "");
    const ModeRecord stored = sdk().GetMode("EX");
    EXPECT_EQ(std::tuple(stored[1], stored[2]), std::tuple(kNotSet, 5)) << "turret 2 takes the first row";
    EXPECT_EQ(modes().Name(3), "EX") << "the SDK keeps no gaps between its modes";
    EXPECT_EQ(modes().FilterBlock(3, 0), 5) << "read back into the same row";
}

TEST_F(ObservationModes, TheTurretExchangeRestoresTheStoredModesWithTheTurretsSwapped)
{
    modes().SetMode(2, 0, -1); // an edit that must not reach the SDK
    EXPECT_EQ(modes().func_ReserveFL(), "");
    const ModeRecord gfp = sdk().GetMode("GFP");
    EXPECT_EQ(std::tuple(gfp[1], gfp[2]), std::tuple(kNotSet, 3));
    EXPECT_EQ(gfp[0], 4) << "the backup is stored, not the working copy";
    EXPECT_EQ(modes().Value(2, 0), 1) << "the working copy is left alone";
}

TEST_F(ObservationModes, FailuresAreReportedOnceAndWhatTheSdkHoldsIsReadBack)
{
    modes().SetName(0, "BFX");
    control().FailCall("ObservationModes", "SetMode", NotAnswering, 1);
    EXPECT_EQ(modes().func_WriteSdk(), Line(105, "9"));
    EXPECT_EQ(SdkNames(), (std::vector<std::string>{"PH", "GFP"}));
    EXPECT_EQ(modes().Name(0), "PH");

    control().FailCall("ObservationModes", "GetMode", NotAnswering, 1);
    modes().SetName(0, "EDIT");
    EXPECT_EQ(modes().func_ReadSdk(), func_GetMessage(105) + "(ZOSCOPELib.ObservationModes:1004)");
    modes().sub_RestData();
    EXPECT_EQ(modes().Name(0), "PH") << "the backup was not refreshed by the failed read";
}

TEST_F(ObservationModes, RestoringTakesBackEveryEdit)
{
    modes().SetName(1, "XX");
    modes().SetMode(1, 2, 0);
    modes().sub_RestData();
    EXPECT_EQ(std::tuple(modes().Name(1), modes().Mode(1, 2), modes().Value(1, 13)), std::tuple("PH", -1, 1));
}

TEST_F(ObservationModes, AUserElementFillsItsSlotAndLeavesTheBackupForTheNextWrite)
{
    EXPECT_EQ(ReadElement("<User id=' 5 ' NAME='DAPI ' OBJECTIVE='2 ' FILTERBLOCK1='4' FILTERBLOCK2='2147483647' "
                          "analyzer='0' SHUTTER1='1' SHUTTER2='0' FKSOFFSET='1234' unknown='x'/>"),
              "");
    EXPECT_EQ(modes().Name(4), "DAPI");
    EXPECT_EQ(modes().FilterBlock(4, 0), 4);
    EXPECT_EQ(Flags(4, {0, 4, 5}), (std::vector<int32_t>{-1, 0, -1}));
    // Shutter 1 is the epi shutter (9), shutter 2 the AUX shutter (11).
    EXPECT_EQ(Values(4, {0, 6, 9, 11, 20}), (std::vector<int32_t>{2, 0, 1, 0, 1234}));

    EXPECT_EQ(modes().func_WriteSdk(), "");
    EXPECT_EQ(sdk().GetMode("DAPI")[1], 4);
}

TEST_F(ObservationModes, ShutterCellsOfASavedFileAreNotReadBack)
{
    EXPECT_EQ(ReadElement("<USER ID='3' EPISHUTTER='0' DIASHUTTER='1' AUXSHUTTER='1'/>"), "");
    EXPECT_EQ(Values(2, {9, 10, 11}), (std::vector<int32_t>{1, 0, kNotSet}));
    EXPECT_EQ(Flags(2, {13, 14}), (std::vector<int32_t>{-1, 0}));
}

TEST_F(ObservationModes, ABadAttributeStopsTheElementWithItsId)
{
    // The name's length limit is OpticsElements.NameLimitsCountCharactersNotBytes'.
    const std::pair<const char*, const char*> rejected[] = {
        {"<USER NAME='A' ID='2'/>", "0"}, {"<USER ID='9' NAME='A'/>", "9"}, {"<USER ID='x'/>", "0"}};
    for (const auto& [xml, id] : rejected) {
        EXPECT_EQ(ReadElement(xml), Line(105, id)) << xml;
        EXPECT_EQ(modes().Name(1), "PH") << xml;
    }
    // Cells before the bad attribute keep their new values.
    EXPECT_EQ(ReadElement("<USER ID='3' OBJECTIVE='6' CONDENSER='two' PATH='2'/>"), Line(105, "3"));
    EXPECT_EQ(modes().Value(2, 0), 6);
    EXPECT_EQ(modes().Value(2, 13), 2) << "GFP's light path as it was";
}

} // namespace
