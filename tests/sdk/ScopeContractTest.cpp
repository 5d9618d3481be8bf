// What the SDK boundary promises every caller, shown on the simulated
// microscope (the one implementation there is).

#include "SimFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ZOSCOPELib;
using zotest::ErrorOf;

namespace {
class ScopeContract : public ::testing::Test {
protected:
    Scope& scope() { return sim.scope(); }
    zotest::SimMicroscope sim;
};
} // namespace

TEST_F(ScopeContract, DisconnectedObjectsRefuseAndDisconnectTwiceIsHarmless)
{
    MicroscopeEntry& entry = scope().Microscopes().Item(0);
    entry.Disconnect();
    entry.Disconnect();
    try {
        scope().Nosepiece().Position();
        FAIL() << "a call without a connection must fail";
    } catch (const SdkError& e) {
        EXPECT_EQ(std::tuple(e.Number(), e.Source()), std::tuple(NotConnected, "ZOSCOPELib.Nosepiece"));
    }
    EXPECT_NO_THROW(scope().Microscopes().Count()) << "the list stays readable";
    entry.Connect();
    EXPECT_NO_THROW(scope().Nosepiece().Position());
}

TEST_F(ScopeContract, ATurretReadsZeroWhileTurningAndSameValueWritesRaiseNothing)
{
    NosepieceDevice& nosepiece = scope().Nosepiece();
    ParameterPtr position = nosepiece.Position();
    std::vector<int32_t> seen;
    Subscription s = position->OnValueChanged.Subscribe([&] { seen.push_back(position->Value()); });
    nosepiece.SetPosition(4);
    EXPECT_EQ(seen, (std::vector<int32_t>{0}));
    nosepiece.SetPosition(5); // changes its mind while turning
    sim.Settle();
    nosepiece.SetPosition(5);
    sim.Settle();
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 5})) << "moving to where the turret already is raises nothing";

    ShutterDevice& shutter = scope().EpiShutter();
    ParameterPtr opened = shutter.IsOpened();
    int changes = 0;
    Subscription t = opened->OnValueChanged.Subscribe([&] { ++changes; });
    shutter.Open();
    shutter.Open();
    EXPECT_EQ(std::tuple(opened->Value(), changes), std::tuple(1, 1));
}

// Handlers may call back and see the new configuration before the write returns.
TEST_F(ScopeContract, ConfigurationWritesRaiseInfoEventsOnTheShowingParameter)
{
    NosepieceDevice& nosepiece = scope().Nosepiece();
    ParameterPtr position = nosepiece.Position();
    PositionItem& item = nosepiece.Item(2);
    std::vector<int32_t> codes; // item 2's code as each event sees it
    Subscription s = position->OnInfoChanged.Subscribe([&] { codes.push_back(item.Code()); });
    const int32_t code = item.Code() == 7 ? 8 : 7;
    item.SetCode(code);
    item.SetCode(code); // the same code raises nothing
    nosepiece.SetALFMode(nosepiece.ALFMode() ? 0 : 1);
    EXPECT_EQ(codes, (std::vector<int32_t>{code, code}));
}

TEST_F(ScopeContract, LimitsAreEnforced)
{
    AxisDevice& z = scope().ZDrive();
    EXPECT_EQ(z.Position()->UpperLimit(), z.UpperLimit());
    EXPECT_EQ(ErrorOf([&] { z.MoveAbsolute(z.UpperLimit() + 1); }), OutOfRange);
    EXPECT_THROW(scope().Nosepiece().SetPosition(0), SdkError);
    EXPECT_THROW(scope().Nosepiece().SetPosition(scope().Nosepiece().PositionCount() + 1), SdkError);
    EXPECT_THROW(scope().Database().Condensers().Name(310), SdkError);
}

TEST_F(ScopeContract, AnAxisIsBusyUntilItsMoveArrivesOrIsStoppedAndReportsEitherEnd)
{
    for (AxisDevice* axis : {&scope().ZDrive(), &scope().FKSUnit().Offset()}) {
        ParameterPtr position = axis->Position();
        const int32_t start = position->Value();
        std::vector<std::pair<int32_t, int32_t>> reports; // position, busy
        Subscription s = position->OnValueChanged.Subscribe([&] { reports.emplace_back(position->Value(), axis->IsBusy()); });
        axis->MoveAbsolute(start);
        EXPECT_EQ(axis->IsBusy(), 0) << "a move to where the axis stands is over at once";
        axis->MoveAbsolute(start + 4000);
        EXPECT_EQ(std::tuple(axis->IsBusy(), reports.size()), std::tuple(1, 0u)) << "nothing is reported before time passes";
        sim.Settle();
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back(), std::pair(start + 4000, 0));
        EXPECT_EQ(reports.front().second, 1) << "reports on the way come while busy";
        EXPECT_TRUE(std::ranges::is_sorted(reports, {}, &std::pair<int32_t, int32_t>::first));
        EXPECT_EQ(scope().NextEventDue(), -1) << "an idle instrument has nothing due";

        reports.clear();
        axis->MoveAbsolute(start);
        sim.Run(20);
        axis->Stop();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(std::pair(reports[0].first > start, reports[0].second), std::pair(true, 0)) << "it stopped on the way";
    }
}

TEST_F(ScopeContract, StepForwardWrapsAround)
{
    TurretDevice& wheel = scope().ExcitationWheel();
    const int32_t count = wheel.PositionCount();
    wheel.SetPosition(count);
    sim.Settle();
    wheel.StepForward();
    sim.Settle();
    EXPECT_EQ(wheel.Position()->Value(), 1);
    wheel.StepBackward();
    sim.Settle();
    EXPECT_EQ(wheel.Position()->Value(), count);
}

TEST_F(ScopeContract, UserDatabaseEntriesRoundTripAndBuiltInOnesAreReadOnly)
{
    ModelDatabase& db = scope().Database();
    db.Condensers().SetName(303, "Ring X");
    EXPECT_EQ(db.Condensers().Name(303), "Ring X");
    db.Condensers().SetName(303, " ");
    EXPECT_EQ(db.Condensers().Name(303), "") << "a single blank reads back as no name";
    EXPECT_EQ(ErrorOf([&] { db.Condensers().SetName(1, "Mine"); }), ReadOnly);
    ObjectiveRecord r{"My 60x", 3, 2, 6, 1, 5, 0.131, 1.4, 0.5, 2};
    db.Objectives().Set(305, r);
    const ObjectiveRecord back = db.Objectives().Get(305);
    EXPECT_EQ(back.Name, "My 60x");
    EXPECT_DOUBLE_EQ(back.WDSeriesCode, 0.13) << "two decimals are kept";
    db.FilterBlocks().SetComposition(300, {310, 311, 312});
    EXPECT_EQ(db.FilterBlocks().Composition(300), (FilterComposition{310, 311, 312}));
    db.ExcitationFilters().SetName(319, "EX 319");
    EXPECT_EQ(db.ExcitationFilters().Name(319), "EX 319");
    EXPECT_GE(db.Objectives().DatabasePresetCount(), 1);
}

TEST_F(ScopeContract, ObservationModesStoreReadRemoveAndApply)
{
    ObservationModeList& modes = scope().ObservationModes();
    const int32_t before = modes.Count();
    ModeRecord r;
    r.fill(NotSet);
    r[5] = 4;   // condenser
    r[10] = 1;  // DIA shutter open
    modes.SetMode("Test", r);
    EXPECT_EQ(std::tuple(modes.Count(), modes.ModeName(before + 1)), std::tuple(before + 1, "Test"));
    EXPECT_EQ(modes.GetMode("Test"), r);
    r[5] = 3;
    modes.SetMode("Test", r);
    EXPECT_EQ(modes.Count(), before + 1) << "the same name replaces";
    scope().Analyzer().In();
    modes.ApplyMode("Test");
    sim.Settle();
    EXPECT_EQ(scope().Condenser().Position()->Value(), 3);
    EXPECT_EQ(scope().DiaShutter().IsOpened()->Value(), 1);
    EXPECT_EQ(scope().Analyzer().IsInserted()->Value(), 1) << "not part of the mode: left alone";
    modes.RemoveMode("Test");
    EXPECT_EQ(std::tuple(modes.Count(), ErrorOf([&] { modes.GetMode("Test"); })), std::tuple(before, NotFound));
}

TEST_F(ScopeContract, EveryPresenceIndexHasADevice)
{
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(scope().DeviceAt(i).IsMounted()->Value(), 1) << "device " << i << " of the default instrument";
    EXPECT_THROW(scope().DeviceAt(24), SdkError);
}

