// A handler may let go of the whole Scope while the simulator is delivering
// events (the program's shutdown can start from an event). The rest of the
// delivery must not touch the freed instrument, and parameters still held
// must fail cleanly afterwards.
#include "SimFixture.h"

#include <gtest/gtest.h>

using namespace ZOSCOPELib;
using zotest::SimMicroscope;

namespace {

int NumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const SdkError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace

TEST(ScopeTeardown, AHandlerMayDropTheScopeWhileAWriteDeliversItsEvents)
{
    SimMicroscope sim;
    std::unique_ptr<Scope> scope = sim.Release();
    ParameterPtr epi = scope->EpiShutter().IsOpened();
    ParameterPtr dia = scope->DiaShutter().IsOpened();
    int diaEvents = 0;
    Subscription dropper = epi->OnValueChanged.Subscribe([&] { scope.reset(); });
    Subscription later = dia->OnValueChanged.Subscribe([&] { ++diaEvents; });
    // One call that changes both shutters: a mode holding the epi and DIA
    // shutter cells.
    ModeRecord record{};
    record.fill(NotSet);
    record[9] = 1;
    record[10] = 1;
    scope->ObservationModes().SetMode("EPDI", record);
    scope->ObservationModes().ApplyMode("EPDI");
    EXPECT_EQ(scope, nullptr);
    EXPECT_EQ(NumberOf([&] { (void)epi->Value(); }), NotConnected);
    EXPECT_EQ(NumberOf([&] { (void)dia->Value(); }), NotConnected);
    EXPECT_EQ(diaEvents, 0); // nothing is raised for an instrument that is gone
}

TEST(ScopeTeardown, AHandlerMayDropTheScopeWhileTimeDeliversArrivals)
{
    SimMicroscope sim;
    auto clock = sim.sharedClock();
    std::unique_ptr<Scope> scope = sim.Release();
    ParameterPtr x = scope->XAxis().Position();
    ParameterPtr y = scope->YAxis().Position();
    int yEvents = 0;
    Subscription dropper = x->OnValueChanged.Subscribe([&] { scope.reset(); });
    Subscription later = y->OnValueChanged.Subscribe([&] { ++yEvents; });
    scope->XYStage().MoveAbsolute(1000, 1000);
    for (int i = 0; i < 100 && scope; ++i) {
        clock->AdvanceMs(10);
        scope->ProcessEvents();
    }
    EXPECT_EQ(scope, nullptr);
    EXPECT_EQ(NumberOf([&] { (void)x->Value(); }), NotConnected);
    EXPECT_EQ(yEvents, 0);
}
