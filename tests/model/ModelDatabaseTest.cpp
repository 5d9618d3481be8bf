// The model databases: objectives with their optical data, condensers,
// filter blocks with their composition and mirrors, excitation and barrier
// filters; built-in entries read, user entries read, edited and sent.

#include "OpticsFixture.h"

using namespace ZOSCOPELib;
using namespace ZOSCOPELib::sim;
using Strings = std::vector<std::string>;

namespace {

class ModelDatabases : public zotest::OpticsZo {};

TEST_F(ModelDatabases, ObjectiveRecordsAndListsAreRead)
{
    ConnectOptics("[Database.Objectives]\n301 = ZX 25x  |1|2|4|3|1|2.5|0.45|0.2|2\n");
    EXPECT_EQ(std::tuple(dbObjective().DatabasePresetCount(), dbObjective().Mag().at(3), dbObjective().FKS().size()),
              std::tuple(35, "10x", 3u));
    // 36 is an unused code, 310 beyond the user entries.
    EXPECT_EQ(dbObjective().Name(3) + "|" + dbObjective().Name(36) + "|" + dbObjective().Name(301) + "|" +
                  dbObjective().Name(310),
              "ZPA 10x||ZX 25x|");

    clsDBObjective::Record record;
    dbObjective().sub_GetDbNosepiece(301, record);
    EXPECT_EQ(record, (clsDBObjective::Record{"ZX 25x", 1, 2, 4, 3, 1, 2.5, 0.45, 0.2, 2}));
    // User entries by number: 1 is code 301.
    EXPECT_EQ(dbObjective().MagCode(1), 4);
    EXPECT_DOUBLE_EQ(dbObjective().NA(1), 0.45);
    EXPECT_EQ(dbObjective().FKSCode(10), 0) << "outside 0..9";
    dbObjective().SetNA(10, 1.0);
    dbObjective().SetNA(-1, 1.0);
    EXPECT_DOUBLE_EQ(dbObjective().NA(9), 0);

    for (int32_t code : {310, -1}) {
        dbObjective().sub_GetDbNosepiece(code, record);
        EXPECT_EQ(record, (clsDBObjective::Record{"", -1, -1, -1, -1, -1, -1, -1, -1, -1})) << code;
    }
}

TEST_F(ModelDatabases, OnlyChangedUserEntriesAreWrittenAndASecondSendWritesNothing)
{
    dbObjective().SetName(302, "ZX 50x");
    dbObjective().SetNA(2, 0.8);
    dbObjective().SetMagCode(2, 5);
    dbCondenser().SetName(301, "Ph4");
    dbFilter().SetName(301, "Mine");
    dbFilter().SetCustomEX(301, 311);
    dbFilter().SetCustomBA(301, 311);
    dbFilter().SetCustomDM(301, 311);
    dbFilter().SetDMName(311, "DM 600");
    dbEXFilter().SetName(311, "600/20");
    dbBAFilter().SetName(311, "650/40");
    dbBAFilter().SetName(100, "built-in names are not sent");
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), (Strings{"Database.Objectives.Set(302, \"ZX 50x\")", "Database.Condensers.SetName(301, \"Ph4\")",
                                 "Database.FilterBlocks.SetName(301, \"Mine\")",
                                 "Database.FilterBlocks.SetComposition(301, 311, 311, 311)",
                                 "Database.DichroicMirrors.SetName(311, \"DM 600\")",
                                 "Database.BarrierFilters.SetName(311, \"650/40\")",
                                 "Database.ExcitationFilters.SetName(311, \"600/20\")"}));
    EXPECT_EQ(RefreshFlags(), (std::vector<bool>{true, true, true, true, true}));

    MarkTrace();
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), Strings{});

    // What the microscope now holds.
    ModelDatabase& sdk = scope().Database();
    const ObjectiveRecord record = sdk.Objectives().Get(302);
    EXPECT_EQ(std::tuple(record.Name, record.MagCode), std::tuple("ZX 50x", 5));
    EXPECT_DOUBLE_EQ(record.NA, 0.8);
    EXPECT_EQ(sdk.FilterBlocks().Composition(301), (FilterComposition{311, 311, 311}));
    EXPECT_EQ(sdk.FilterBlocks().Name(301) + "|" + sdk.DichroicMirrors().Name(311) + "|" +
                  sdk.ExcitationFilters().Name(311),
              "Mine|DM 600|600/20");
}

TEST_F(ModelDatabases, AClearedEntryIsStoredAsABlankAndReadsBackEmpty)
{
    ConnectOptics("[Database.Condensers]\n303 = Mine\n");
    ASSERT_EQ(dbCondenser().Name(303), "Mine");
    dbCondenser().SetName(303, "");
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), Strings{"Database.Condensers.SetName(303, \" \")"});
    EXPECT_EQ(dbCondenser().func_ReadSdk(), "");
    EXPECT_EQ(dbCondenser().Name(303), "");
}

TEST_F(ModelDatabases, WithoutTheirDeviceDatabasesAreNotWrittenAndARestoreKeepsOnlyFilterEdits)
{
    ConnectOptics("[Mounted]\nExcitationWheel = 0\nCondenser = 0\nNosepiece = 0\n"
                  "[Database.ExcitationFilters]\n305 = EX 555\n[Database.Condensers]\n301 = Mine\n");
    EXPECT_EQ(dbEXFilter().Name(305) + "|" + dbEXFilter().Name(1), "EX 555|340/26");
    EXPECT_EQ(dbCondenser().Name(301) + dbCondenser().Name(1), "") << "the condenser database needs the condenser";

    // As a setup-file load leaves them.
    dbEXFilter().SetName(306, "EX 600");
    dbCondenser().SetName(302, "Ph9");
    dbObjective().SetName(303, "Obj");
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), Strings{});
    zo->sub_RestData();
    EXPECT_EQ(std::tuple(dbEXFilter().Name(306), dbCondenser().Name(302), dbObjective().Name(303)),
              std::tuple("EX 600", "", ""))
        << "filters are restored only with their wheel; objectives and condensers always";
}

TEST_F(ModelDatabases, FilterBlocksNeedEitherTurret)
{
    ConnectOptics("[Mounted]\nFilterTurret1 = 0\n");
    EXPECT_EQ(dbFilter().Name(4) + "|" + dbFilter().DMName(10), "GFP|DM Quad");
    EXPECT_EQ(std::tuple(dbFilter().DatabasePresetCount(), dbFilter().DMDatabasePresetCount()), std::tuple(20, 10));

    ConnectOptics("[Mounted]\nFilterTurret1 = 0\nFilterTurret2 = 0\n");
    EXPECT_EQ(dbFilter().Name(4) + dbFilter().DMName(10), "");
    dbFilter().SetName(301, "Mine");
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), Strings{});
}

TEST_F(ModelDatabases, EachFailingEntryGivesOneLineAndIsTriedAgainAndAFailedReadNamesTheError)
{
    control().FailCall("Database.Objectives", "Set", NotAnswering, 1);
    control().FailCall("Database.FilterBlocks", "SetComposition", OutOfRange, 1);
    dbObjective().SetName(301, "A");
    dbObjective().SetName(303, "B");
    dbFilter().SetName(309, "Blk");
    dbFilter().SetCustomEX(309, 2);
    EXPECT_EQ(zo->func_Send(), func_JoinLines(func_GetMessage(86) + "[2]", func_GetMessage(90) + "[10]"));
    EXPECT_EQ(scope().Database().Objectives().Get(303).Name, "B");

    MarkTrace();
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Writes(), (Strings{"Database.Objectives.Set(301, \"A\")", "Database.FilterBlocks.SetName(309, \"Blk\")",
                                 "Database.FilterBlocks.SetComposition(309, 2, 0, 0)"}));

    // A failed read names the error.
    control().FailCall("Database.Objectives", "Get", NotAnswering, 1);
    EXPECT_EQ(dbObjective().func_ReadSdk(), func_GetMessage(86) + "(ZOSCOPELib.Database.Objectives:1004)");
    control().FailCall("Database.BarrierFilters", "Name", OutOfRange, 1);
    EXPECT_EQ(dbBAFilter().func_ReadSdk(), func_GetMessage(96) + "(ZOSCOPELib.Database.BarrierFilters:1003)");
}

TEST_F(ModelDatabases, RestoringTakesBackTheEdits)
{
    dbObjective().SetName(300, "X");
    dbObjective().SetWDSeriesCode(0, 3.5);
    dbFilter().SetCustomBA(305, 7);
    dbFilter().SetDMName(319, "M");
    dbBAFilter().SetName(319, "B");
    zo->sub_RestData();
    clsDBObjective::Record record;
    dbObjective().sub_GetDbNosepiece(300, record);
    EXPECT_EQ(record, clsDBObjective::Record{});
    EXPECT_EQ(dbFilter().CustomBA(305), 0);
    EXPECT_EQ(dbFilter().DMName(319) + dbBAFilter().Name(319), "");
}

} // namespace
