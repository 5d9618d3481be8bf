// Behaviour of the simulated microscope beyond the boundary's contract:
// travel over time, faults, persistence, descriptions, the trace.

#include "SimFixture.h"

#include "sdk/sim/SimDescription.h"

#include <gtest/gtest.h>

#include "ProgramFolder.h"

#include <fstream>

using namespace ZOSCOPELib;
using zotest::ErrorOf;
using zotest::SimMicroscope;
using zotest::SimOptions;

namespace {
class Simulator : public ::testing::Test {
protected:
    SimMicroscope sim; // the built-in instrument, connected
};
} // namespace

TEST_F(Simulator, AnAxisTurnsBackFromWhereItIs)
{
    AxisDevice& z = sim.scope().ZDrive();
    const int32_t start = z.Position()->Value();
    z.MoveAbsolute(start + 40000);
    sim.Run(500);
    const int32_t halfway = z.Position()->Value();
    EXPECT_TRUE(halfway > start && halfway < start + 40000) << halfway;
    z.MoveAbsolute(start);
    sim.Run(50);
    EXPECT_LT(z.Position()->Value(), halfway) << "it turned back at once";
    sim.Settle();
    EXPECT_EQ(z.Position()->Value(), start);
}

TEST_F(Simulator, HandlersMayCallBackAndSeeTheWholeStateBeforeTheCallReturns)
{
    ShutterDevice& epi = sim.scope().EpiShutter();
    ShutterDevice& dia = sim.scope().DiaShutter();
    ParameterPtr epiOpen = epi.IsOpened();
    ParameterPtr diaOpen = dia.IsOpened();
    std::vector<std::string> log;
    // Opening the epi shutter closes the DIA shutter from inside the event,
    // whose own event then reads both values.
    Subscription a = epiOpen->OnValueChanged.Subscribe([&] {
        log.push_back("epi " + std::to_string(epiOpen->Value()));
        if (epiOpen->Value() == 1)
            dia.Close();
    });
    Subscription b = diaOpen->OnValueChanged.Subscribe(
        [&] { log.push_back("dia " + std::to_string(diaOpen->Value()) + " epi " + std::to_string(epiOpen->Value())); });
    dia.Open();
    epi.Open();
    EXPECT_EQ(log, (std::vector<std::string>{"dia 1 epi 0", "epi 1", "dia 0 epi 1"}));

}

TEST_F(Simulator, FaultsCanBeInjected)
{
    auto& control = sim.control();

    control.SetNotAnswering(DeviceIndex::FKS);
    EXPECT_EQ(ErrorOf([&] { sim.scope().FKSUnit().IsMounted()->Value(); }), NotAnswering);
    control.SetNotAnswering(DeviceIndex::FKS, false);
    EXPECT_EQ(sim.scope().FKSUnit().IsMounted()->Value(), 1);

    control.FailCall("Nosepiece", "SetCode", 4242, 1);
    EXPECT_EQ(ErrorOf([&] { sim.scope().Nosepiece().Item(1).SetCode(9); }), 4242) << "items belong to their turret";
    EXPECT_EQ(ErrorOf([&] { sim.scope().Nosepiece().Item(1).SetCode(9); }), 0) << "once only";

    control.FailCall("*", "Open", 77);
    EXPECT_EQ(ErrorOf([&] { sim.scope().EpiShutter().Open(); }), 77);
    EXPECT_EQ(ErrorOf([&] { sim.scope().Irlux().Open(); }), 77);
    control.ClearFaults();
    EXPECT_EQ(ErrorOf([&] { sim.scope().EpiShutter().Open(); }), 0);

    control.FailCall("Microscopes[0]", "Connect", 1234, 1);
    MicroscopeEntry& entry = sim.scope().Microscopes().Item(0);
    entry.Disconnect();
    EXPECT_EQ((std::tuple{ErrorOf([&] { entry.Connect(); }), control.IsConnected()}), std::tuple(1234, false));
    entry.Connect();
    EXPECT_TRUE(control.IsConnected());

    // A described instrument brings its faults along from the start.
    SimMicroscope faulty(SimOptions{.description = "[Faults]\nNotAnswering = FKSUnit\nNosepiece.SetCode = 4242, 1\n"});
    Scope& s = faulty.scope();
    EXPECT_EQ(ErrorOf([&] { s.FKSUnit().IsMounted()->Value(); }), NotAnswering);
    EXPECT_EQ(ErrorOf([&] { s.Nosepiece().Item(1).SetCode(9); }), 4242);
    EXPECT_EQ(ErrorOf([&] { s.Nosepiece().Item(1).SetCode(9); }), 0) << "once only";
}

TEST_F(Simulator, PresenceFollowsPluggingShutterWiringAndThePiezoConnection)
{
    ParameterPtr mounted = sim.scope().KMX2().IsMounted();
    ParameterPtr port = sim.scope().KMX2().Value();
    int info = 0, portValue = 0;
    Subscription a = mounted->OnInfoChanged.Subscribe([&] { ++info; });
    Subscription b = port->OnValueChanged.Subscribe([&] { ++portValue; });
    sim.control().Plug(DeviceIndex::KMX2, false);
    EXPECT_EQ(std::tuple(mounted->Value(), port->Value(), info, portValue), std::tuple(0, 0, 1, 1));
    EXPECT_EQ(ErrorOf([&] { sim.scope().KMX2().CameraType(); }), NotMounted);
    sim.control().Plug(DeviceIndex::KMX2, true);
    EXPECT_EQ(mounted->Value(), 1);

    ShutterDevice& aux = sim.scope().AuxShutter();
    ShutterDevice& epi = sim.scope().EpiShutter();
    int32_t connector = 0, maker = 0;
    ParameterPtr auxMounted = aux.IsMounted();
    int auxInfo = 0;
    Subscription s = auxMounted->OnInfoChanged.Subscribe([&] { ++auxInfo; });

    aux.Release(2);
    EXPECT_EQ(std::tuple(auxMounted->Value(), auxInfo), std::tuple(0, 1)) << "an external shutter without wiring is absent";
    epi.Connect(2, 3); // epi moves to connector 2
    epi.GetConnection(connector, maker);
    EXPECT_EQ(std::tuple(connector, maker), std::tuple(2, 3));
    aux.Connect(2, 1); // and AUX takes connector 2 back: epi loses it
    epi.GetConnection(connector, maker);
    EXPECT_EQ(std::tuple(connector, epi.IsMounted()->Value()), std::tuple(0, 0));

    ShutterDevice& dia = sim.scope().DiaShutter();
    dia.GetConnection(connector, maker);
    EXPECT_EQ(std::tuple(maker, dia.IsMounted()->Value()), std::tuple(1, 1)) << "the built-in DIA shutter reports maker 1";

    // The piezo on system types five (the built-in instrument) and six only.
    PiezoDevice& piezo = sim.scope().PiezoZ();
    piezo.SetConnection(0);
    EXPECT_EQ(piezo.IsMounted()->Value(), 0);
    piezo.SetConnection(-1);
    EXPECT_EQ(piezo.IsMounted()->Value(), 1);

    SimMicroscope four(SimOptions{.description = "[Instrument]\nSystemType = 4\n"});
    four.scope().PiezoZ().SetConnection(0);
    EXPECT_EQ(four.scope().PiezoZ().IsMounted()->Value(), 1) << "other systems do not use the connection";
}

TEST_F(Simulator, TheDiaLampRefusesWhileUnderManualControl)
{
    LampDevice& lamp = sim.scope().DiaLamp();
    lamp.SetValue(12);
    EXPECT_EQ(lamp.Value()->Value(), 12);
    lamp.SetControlSwitch(0);
    for (const auto& call : std::initializer_list<std::function<void()>>{[&] { lamp.SetValue(6); }, [&] { lamp.On(); },
                                                                         [&] { lamp.SetValue(25); }})
        EXPECT_EQ(ErrorOf(call), ManualControl);
    lamp.SetControlSwitch(1);
    EXPECT_EQ(ErrorOf([&] { lamp.SetValue(25); }), OutOfRange);
}

TEST_F(Simulator, TheErgoSwitchIsPressedByHand)
{
    ParameterPtr sw = sim.scope().ErgoController().Switch();
    std::vector<int32_t> seen;
    Subscription s = sw->OnValueChanged.Subscribe([&] { seen.push_back(sw->Value()); });
    sim.control().PressErgoSwitch(true);
    sim.control().PressErgoSwitch(true);
    sim.control().PressErgoSwitch(false);
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 0}));
}

TEST_F(Simulator, ConfigurationSurvivesARestartEvenWithoutModesAndADamagedStateIsIgnored)
{
    std::string folder;
    {
        SimMicroscope sim;
        folder = sim.stateFolder();
        Scope& s = sim.scope();
        s.Nosepiece().Item(3).SetCode(301);
        s.Nosepiece().Objective(3).SetEscapeEnabled(1);
        s.Nosepiece().SetRotationStopper(1);
        s.FilterTurret1().SetLevel(2);
        s.Database().Objectives().Set(301, {"Mine", 1, 1, 3, 1, 1, 2.5, 0.3, 0, 0});
        s.Database().DichroicMirrors().SetName(312, "DM user");
        s.ErgoController().SetKeys({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        s.ErgoController().DisableSwitch();
        s.KMX2().SetCamera(3, 2);
        s.PiezoZ().SetConnection(-1);
        s.ObservationModes().RemoveMode("PH");
        s.AuxShutter().Release(2);
    }
    SimMicroscope again(SimOptions{.stateFolder = folder});
    Scope& s = again.scope();
    EXPECT_EQ(std::tuple(s.Nosepiece().Item(3).Code(), s.Nosepiece().Objective(3).EscapeEnabled(),
                         s.Nosepiece().RotationStopper(), s.FilterTurret1().Level()),
              std::tuple(301, 1, 1, 2));
    EXPECT_EQ(s.Database().Objectives().Get(301).Name + "|" + s.Database().DichroicMirrors().Name(312), "Mine|DM user");
    EXPECT_DOUBLE_EQ(s.Database().Objectives().Get(301).WDSeriesCode, 2.5);
    EXPECT_EQ(std::tuple(s.ErgoController().GetKeys()[9], s.ErgoController().SwitchEnabled()->Value(),
                         s.KMX2().CameraType(), s.PiezoZ().Connection(), s.ObservationModes().Count(),
                         s.AuxShutter().IsMounted()->Value()),
              std::tuple(10, 0, 3, -1, 2, 0));

    std::ofstream(folder + "/state.ini") << "[Nosepiece]\nCodes = 1,2,banana\n";
    SimMicroscope damaged(SimOptions{.stateFolder = folder});
    EXPECT_EQ(damaged.scope().Nosepiece().Item(3).Code(),
              sim::Description::Default().turrets.at(DeviceIndex::Nosepiece).codes[2]);

    // Every mode can be removed, and they stay removed.
    ObservationModeList& modes = sim.scope().ObservationModes();
    while (modes.Count() > 0)
        modes.RemoveMode(modes.ModeName(1));
    EXPECT_EQ(SimMicroscope(SimOptions{.stateFolder = sim.stateFolder()}).scope().ObservationModes().Count(), 0);
}

TEST_F(Simulator, DescriptionsDescribeOtherInstrumentsAndBadLinesAreNamed)
{
    SimMicroscope sim(SimOptions{.description = "[Instrument]\nSystemType = 3\nMicroscope.1 = Lab two, available\n"
                                 "Microscope.2 = Old one, unavailable\n"
                                 "[Mounted]\nTIRF = 0\nPiezoZ = 0\n"
                                 "[Nosepiece]\nPositions = 5\nCodes = 1,2,3,4,5\n"
                                 "[ZDrive]\nLower = -100\nUpper = 21200\n"
                                 "[LightPath]\nPortKinds = 2,2,1,0\n"});
    Scope& s = sim.scope();
    EXPECT_EQ(std::tuple(s.SystemType(), s.Microscopes().Count(), s.Microscopes().Item(1).Name()),
              std::tuple(3, 3, "Lab two"));
    EXPECT_EQ(std::tuple(s.Microscopes().Item(2).IsAvailable(), ErrorOf([&] { s.Microscopes().Item(2).Connect(); })),
              std::tuple(false, NotAvailable));
    EXPECT_EQ(std::tuple(s.TIRF().IsMounted()->Value(), ErrorOf([&] { s.TIRF().On(); })), std::tuple(0, NotMounted));
    EXPECT_EQ(std::tuple(s.Nosepiece().PositionCount(), s.ZDrive().UpperLimit(), s.LightPath().PortKind(3)),
              std::tuple(5, 21200, 1));

    const auto badLine = [](const std::string& text) {
        try {
            SimMicroscope bad(SimOptions{.description = text});
        } catch (const SdkError& e) {
            return e.Description();
        }
        return std::string("accepted");
    };
    const std::pair<const char*, const char*> bad[] = {
        {"[Instrument]\nSystemType = 5\n[Nosepiece]\nCodes = 1,2\n", ":4:"}, {"[Nowhere]\nA = 1\n", "unknown section"},
        {"[XAxis]\nUpper = x\n", ":2:"}, {"no section\n", ":1:"},
        {"[Faults]\nNotAnswering = Nowhere\n", "unknown device"}, {"[Faults]\nNosepiece = 5\n", ":2:"},
        {"[Faults]\nNosepiece.SetCode = x\n", ":2:"}, {"[Faults]\nNosepiece.SetCode = 5, 0\n", ":2:"},
        {"[Faults]\n.Open = 5\n", ":2:"}};
    for (const auto& [text, named] : bad)
        EXPECT_NE(badLine(text).find(named), std::string::npos) << text;
}

TEST_F(Simulator, TheTraceHasOneLinePerCallAndTheSameScriptGivesTheSameTrace)
{
    const std::string trace = (zotest::TestEnv::FreshDir("trace") / "calls.log").string();
    {
        SimMicroscope sim(SimOptions{.traceFile = trace});
        sim.scope().Nosepiece().SetPosition(2);
        try {
            sim.scope().Nosepiece().SetPosition(9);
        } catch (const SdkError&) {
        }
        sim.scope().XAxis().Position()->Value();
    }
    for (const char* line : {"Microscopes[0].Connect() -> ok", "Nosepiece.SetPosition(2) -> ok",
                             "Nosepiece.SetPosition(9) !! 1003", "XAxis.Position.Value() -> 0"})
        EXPECT_EQ(zotest::LinesContaining(trace, line).size(), 1u) << line;

    auto run = []() {
        const std::string trace = (zotest::TestEnv::FreshDir("determinism") / "calls.log").string();
        {
            SimMicroscope sim(SimOptions{.traceFile = trace});
            Scope& s = sim.scope();
            ParameterPtr x = s.XAxis().Position();
            Subscription sub = x->OnValueChanged.Subscribe([&] { x->Value(); });
            s.XYStage().MoveAbsolute(3000, -2000);
            s.Nosepiece().StepForward();
            s.ObservationModes().ApplyMode("GFP");
            sim.Settle();
        }
        return zotest::ReadText(trace);
    };
    const std::string first = run();
    EXPECT_GT(std::count(first.begin(), first.end(), '\n'), 20);
    EXPECT_EQ(first, run());
}

TEST_F(Simulator, ExecuteAlfReturnsToTheFocusUsedWithTheObjective)
{
    Scope& s = sim.scope();
    // Leaving position 1 at Z 150000 and coming back to it from Z 90000.
    for (const auto& step : std::initializer_list<std::function<void()>>{
             [&] { s.ZDrive().MoveAbsolute(150000); }, [&] { s.Nosepiece().SetPosition(3); },
             [&] { s.ZDrive().MoveAbsolute(90000); }, [&] { s.Nosepiece().SetPosition(1); },
             [&] { s.Nosepiece().ExecuteALF(); }}) {
        step();
        sim.Settle();
    }
    EXPECT_EQ(s.ZDrive().Position()->Value(), 150000);
}

// A handler may let go of the whole Scope while the simulator delivers events
// (the program's shutdown can start from an event): the rest of the delivery
// must not touch the freed instrument, and parameters still held fail cleanly.
TEST_F(Simulator, AHandlerMayDropTheScopeWhileAWriteDeliversItsEvents)
{
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
    EXPECT_EQ(std::tuple(ErrorOf([&] { (void)epi->Value(); }), ErrorOf([&] { (void)dia->Value(); })),
              std::tuple(NotConnected, NotConnected));
    EXPECT_EQ(diaEvents, 0); // nothing is raised for an instrument that is gone
}

TEST_F(Simulator, AHandlerMayDropTheScopeWhileTimeDeliversArrivals)
{
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
    EXPECT_EQ(std::tuple(ErrorOf([&] { (void)x->Value(); }), yEvents), std::tuple(NotConnected, 0));
}
