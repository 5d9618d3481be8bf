// What is mounted where: the nosepiece, the condenser, both filter turrets
// and both filter wheels, read from and sent to the simulated microscope.

#include "OpticsFixture.h"

using namespace ZOSCOPELib;
using namespace ZOSCOPELib::sim;
using Strings = std::vector<std::string>;

namespace {

class PositionCodes : public zotest::OpticsZo {};

TEST_F(PositionCodes, TheMountedCodesAreReadPerPositionAndRestoredAfterEdits)
{
    // The built-in instrument's turrets, and 0 outside the positions of each.
    condenser().SetCode(5, 3);
    EXPECT_EQ((std::vector<int32_t>{objective().code(0), objective().code(5), condenser().code(4), filter1().code(5),
                                    filter2().code(4), exFilter().code(7), baFilter().code(7)}),
              (std::vector<int32_t>{2, 22, 6, 19, 20, 14, 13}));
    EXPECT_EQ((std::vector<int32_t>{objective().code(6), condenser().code(5), exFilter().code(8), exFilter().code(-1)}),
              (std::vector<int32_t>{0, 0, 0, 0}));
    // Model counts of the SDK databases.
    EXPECT_EQ(std::tuple(condenser().DatabasePresetCount(), exFilter().DatabasePresetCount(),
                         baFilter().DatabasePresetCount()),
              std::tuple(6, 15, 15));

    // Restoring takes back the edits.
    objective().SetCode(0, 9);
    objective().SetEsc(0, true);
    filter1().SetCode(3, 2);
    exFilter().SetCode(7, 1);
    zo->sub_RestData();
    EXPECT_EQ(std::tuple(objective().code(0), objective().Esc(0), filter1().code(3), exFilter().code(7)),
              std::tuple(2, false, 7, 14));
}

TEST_F(PositionCodes, OnlyChangedPositionsAreWrittenAndASecondSendWritesNothing)
{
    objective().SetCode(2, 7);
    condenser().SetCode(0, 2);
    filter2().SetCode(5, 12);
    exFilter().SetCode(6, 2);
    baFilter().SetCode(1, 3); // what it holds already
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), (Strings{"Nosepiece.Item[3].SetCode(7)", "Nosepiece.Item[3].SetEscapeEnabled(0)",
                                 "Condenser.Item[1].SetCode(2)", "FilterTurret2.Item[6].SetCode(12)",
                                 "ExcitationWheel.Item[7].SetCode(2)"}));
    EXPECT_EQ(std::tuple(Codes(DeviceIndex::Nosepiece)[2], Codes(DeviceIndex::FilterTurret2)[5]), std::tuple(7, 12));
    EXPECT_EQ(RefreshFlags(), (std::vector<bool>{true, true, true, true, false}));

    MarkTrace();
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), Strings{});
}

TEST_F(PositionCodes, APositionNamingAClearedUserEntryIsSentAsNothingMounted)
{
    ConnectOptics("[Nosepiece]\nCodes = 2,301,5,12,20,22\nEscape = 0,1,0,0,0,0\n"
                  "[Database.Objectives]\n301 = ZX 25x|1|1|4|1|1|2.5|0.45|0|1\n"
                  "[FilterTurret1]\nCodes = 1,4,305,7,11,19\n"
                  "[Database.FilterBlocks]\n305 = MyGFP|6|6|3\n");
    ASSERT_EQ(std::tuple(objective().code(1), objective().Esc(1), filter1().code(2)), std::tuple(301, true, 305));

    dbObjective().SetName(301, "");
    dbFilter().SetName(305, "   ");
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(std::tuple(objective().code(1), filter1().code(2)), std::tuple(0, 0));
    EXPECT_FALSE(objective().Esc(1)) << "nothing mounted, nothing to escape from";
    EXPECT_EQ(std::tuple(Codes(DeviceIndex::Nosepiece)[1], config().turrets.at(DeviceIndex::Nosepiece).escape[1],
                         Codes(DeviceIndex::FilterTurret1)[2]),
              std::tuple(0, 0, 0));
    EXPECT_EQ(scope().Database().Objectives().Get(301).Name, "") << "a free entry is kept as a blank";
}

TEST_F(PositionCodes, AReadDuringTheWriteKeepsTheEditsBeingSent)
{
    // The pad re-reads the component whenever the nosepiece reports new
    // information, which the SDK does for the program's own writes.
    std::vector<std::string> reads;
    Subscription padHandler = scope().Nosepiece().Position()->OnInfoChanged.Subscribe(
        [&] { reads.push_back(objective().func_ReadSdk()); });
    objective().SetCode(0, 7);
    objective().SetCode(1, 8);
    EXPECT_EQ(objective().func_WriteSdk(), "");
    EXPECT_EQ(reads, (Strings{"", ""})) << "one report per changed position, each answered at once";
    EXPECT_EQ(std::tuple(Codes(DeviceIndex::Nosepiece)[0], Codes(DeviceIndex::Nosepiece)[1]), std::tuple(7, 8));
    EXPECT_EQ(std::tuple(objective().code(1), objective().Busy()), std::tuple(8, false));
}

TEST_F(PositionCodes, WritingADatabaseDoesNotLetARereadDropThePositionEdits)
{
    // The database is sent first; the SDK reports its new names as nosepiece
    // and filter-turret changes while the positions still wait to be sent.
    std::vector<Subscription> padHandlers;
    padHandlers.push_back(scope().Nosepiece().Position()->OnInfoChanged.Subscribe([&] { objective().func_ReadSdk(); }));
    padHandlers.push_back(scope().FilterTurret1().Position()->OnInfoChanged.Subscribe([&] { filter1().func_ReadSdk(); }));
    dbObjective().SetName(302, "ZX 50x");
    objective().SetCode(4, 302);
    dbFilter().SetName(301, "Mine");
    dbFilter().SetDMName(311, "DM 600");
    filter1().SetCode(0, 301);
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(std::tuple(Codes(DeviceIndex::Nosepiece)[4], Codes(DeviceIndex::FilterTurret1)[0]), std::tuple(302, 301));
}

TEST_F(PositionCodes, EscapeFlagsCountOnlyWithTheZDrive)
{
    const std::string nosepiece = "[Nosepiece]\nEscape = 1,0,0,0,0,0\n";
    EXPECT_FALSE(objective().Esc(0)) << "the built-in instrument has no escape flags set";
    ConnectOptics(nosepiece);
    EXPECT_TRUE(objective().Esc(0));
    objective().SetEsc(2, true);
    EXPECT_EQ(objective().func_WriteSdk(), "");
    EXPECT_EQ(Writes(), (Strings{"Nosepiece.Item[3].SetCode(5)", "Nosepiece.Item[3].SetEscapeEnabled(1)"}));

    ConnectOptics(nosepiece + "[Mounted]\nZDrive = 0\n");
    EXPECT_FALSE(objective().Esc(0)) << "not read";
    objective().SetEsc(2, true);
    EXPECT_EQ(objective().func_WriteSdk(), "");
    EXPECT_EQ(Writes(), Strings{}) << "not written";
    objective().SetCode(1, 7);
    objective().sub_RestData();
    EXPECT_EQ(objective().code(1), 3) << "codes are restored";
    EXPECT_TRUE(objective().Esc(2)) << "escape flags are not";
    EXPECT_EQ(Writes(), Strings{});
}

TEST_F(PositionCodes, AnAbsentDeviceIsNeitherReadWrittenNorRestored)
{
    ConnectOptics("[Mounted]\nCondenser = 0\nBarrierWheel = 0\n");
    EXPECT_EQ(condenser().code(0), 0);
    EXPECT_EQ(condenser().DatabasePresetCount(), 6) << "the database is asked all the same";
    condenser().SetCode(0, 3);
    baFilter().SetCode(0, 4);
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), Strings{});
    zo->sub_RestData();
    EXPECT_EQ(std::tuple(condenser().code(0), baFilter().code(0)), std::tuple(3, 4));
}

TEST_F(PositionCodes, EachFailingWriteGivesOneLineAndIsTriedAgainByTheNextSend)
{
    control().FailCall("Nosepiece.Item[2]", "SetCode", NotAnswering, 1);
    control().FailCall("ExcitationWheel.Item[5]", "SetCode", OutOfRange, 1);
    objective().SetCode(1, 7);
    objective().SetCode(2, 8);
    exFilter().SetCode(4, 2);
    EXPECT_EQ(zo->func_Send(), func_JoinLines(func_GetMessage(85) + "[2]", func_GetMessage(93) + "[5]"));
    EXPECT_EQ(std::tuple(Codes(DeviceIndex::Nosepiece)[1], Codes(DeviceIndex::Nosepiece)[2]), std::tuple(3, 8))
        << "1 not written";

    MarkTrace();
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), (Strings{"Nosepiece.Item[2].SetCode(7)", "Nosepiece.Item[2].SetEscapeEnabled(0)",
                                 "ExcitationWheel.Item[5].SetCode(2)"}));
    EXPECT_EQ(std::tuple(Codes(DeviceIndex::Nosepiece)[1], Codes(DeviceIndex::EXWheel)[4]), std::tuple(7, 2));
}

TEST_F(PositionCodes, AFailedReadNamesTheErrorAndKeepsTheBackup)
{
    condenser().SetCode(0, 4);
    control().FailCall("Condenser.Item[3]", "Code", NotAnswering, 1);
    EXPECT_EQ(condenser().func_ReadSdk(), func_GetMessage(87) + "(ZOSCOPELib.Condenser.Item[3]:1004)");
    condenser().sub_RestData();
    EXPECT_EQ(condenser().code(0), 1) << "the backup still holds the last good read";

    control().SetNotAnswering(DeviceIndex::FilterTurret2);
    EXPECT_EQ(filter2().func_ReadSdk(), func_GetMessage(91) + "(ZOSCOPELib.FilterTurret2:1004)");
}

} // namespace
