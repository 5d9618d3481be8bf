// Connected shutters and cameras, the piezo stage, the microscope list and
// the two nosepiece modes, against the simulated microscope.

#include "AccessoriesFixture.h"

using namespace ZOSCOPELib;

namespace {

class ConnectAccessories : public zotest::ConnectedZo {
protected:
    clsConnectShutter& shutter() { return *zo->ConnectShutter; }
    clsConnectKMX& kmx() { return *zo->ConnectKMX; }

    // Use and maker of connector (controller) 1, then of 2.
    template <class Component>
    static std::vector<int32_t> UsesAndMakers(const Component& c)
    {
        return {c.Use(0), c.Maker(0), c.Use(1), c.Maker(1)};
    }
    std::vector<int32_t> Shutters() { return UsesAndMakers(shutter()); }
    std::vector<int32_t> Cameras() { return UsesAndMakers(kmx()); }

    // The connector and maker a shutter device reports.
    std::pair<int32_t, int32_t> Wiring(ShutterDevice& device)
    {
        int32_t connector = 0, maker = 0;
        device.GetConnection(connector, maker);
        return {connector, maker};
    }
};

TEST_F(ConnectAccessories, ShuttersAreReadByTheShutterWiredToEachConnector)
{
    // The built-in instrument: epi shutter (maker 2) on connector 1, the
    // microscope's own DIA shutter also on 1, AUX shutter (maker 2) on 2.
    EXPECT_EQ(Shutters(), (std::vector<int32_t>{clsConnectShutter::UseEpi, 2, clsConnectShutter::UseAUX, 2}));
    EXPECT_EQ(shutter().Use(2), 0) << "outside the two connectors";

    // The microscope's own DIA shutter occupies no connector.
    Connect("[DiaShutter]\nBuiltIn = 1\nConnector = 2\nMaker = 1\n"
            "[AuxShutter]\nConnector = 0\nMaker = 0\n");
    shutter().SetUse(1, clsConnectShutter::UseAUX);
    shutter().SetMaker(1, 2);
    EXPECT_EQ(shutter().func_ReadSdk(), "");
    EXPECT_EQ(std::tuple(shutter().Use(1), shutter().Maker(1)), std::tuple(0, 0));
    EXPECT_EQ(zo->IsMounted(4), 0) << "the unwired AUX shutter is absent";

    // No shutter at all clears both connectors.
    Connect("[Mounted]\nDiaShutter = 0\nEpiShutter = 0\nAuxShutter = 0\n");
    shutter().SetUse(0, 1);
    shutter().SetMaker(0, 2);
    EXPECT_EQ(shutter().func_ReadSdk(), "");
    EXPECT_EQ(Shutters(), (std::vector<int32_t>{0, 0, 0, 0}));
}

TEST_F(ConnectAccessories, AShutterWriteRewiresAndRereadsWhichShuttersArePresent)
{
    // Connector 2 becomes an external DIA shutter: the AUX shutter loses its
    // connector and with it its presence.
    shutter().SetUse(1, clsConnectShutter::UseDIA);
    shutter().SetMaker(1, 2);
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(Wiring(scope().DiaShutter()), std::make_pair(2, 2));
    EXPECT_EQ(Wiring(scope().AuxShutter()).first, 0);
    EXPECT_EQ(Wiring(scope().EpiShutter()), std::make_pair(1, 2)) << "connector 1 is wired again as it was";
    EXPECT_EQ(zo->IsMounted(4), 0);
    EXPECT_TRUE(g_LayoutPending);

    // Nothing changed since: the next send does not touch the shutters.
    control().FailCall("*", "Release", NotAnswering);
    g_LayoutPending = false;
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_FALSE(g_LayoutPending);

    EXPECT_EQ(shutter().func_ReadSdk(), "");
    EXPECT_EQ(Shutters(), (std::vector<int32_t>{clsConnectShutter::UseEpi, 2, clsConnectShutter::UseDIA, 2}));
}

TEST_F(ConnectAccessories, AFailedShutterConnectionIsReportedAndRetriedByTheNextSend)
{
    shutter().SetMaker(0, 1);
    control().FailCall("EpiShutter", "Connect", NotAnswering, 1);
    EXPECT_EQ(shutter().func_WriteSdk(), Line(97, "1"));
    EXPECT_FALSE(shutter().Busy());
    EXPECT_EQ(shutter().func_WriteSdk(), "");
    EXPECT_EQ(Wiring(scope().EpiShutter()), std::make_pair(1, 1));
    EXPECT_EQ(Wiring(scope().AuxShutter()), std::make_pair(2, 2));
}

TEST_F(ConnectAccessories, AReadDuringTheShutterWriteReturnsAtOnce)
{
    // The SDK reports the shutters going and coming while the write rewires
    // them, and the pad re-reads on those reports. Halfway through, only the
    // microscope's own DIA shutter is wired: a read then would clear
    // connector 1 and the epi shutter would not be wired again.
    int reports = 0;
    auto reread = [&] {
        ++reports;
        EXPECT_EQ(shutter().func_ReadSdk(), "");
    };
    std::vector<Subscription> subscriptions;
    for (ShutterDevice* device : {&scope().AuxShutter(), &scope().EpiShutter(), &scope().DiaShutter()}) {
        subscriptions.push_back(device->IsMounted()->OnInfoChanged.Subscribe(reread));
        subscriptions.push_back(device->IsMounted()->OnValueChanged.Subscribe(reread));
    }
    shutter().SetMaker(1, 1);
    EXPECT_EQ(shutter().func_WriteSdk(), "");
    EXPECT_GT(reports, 0);
    EXPECT_EQ(Wiring(scope().EpiShutter()), std::make_pair(1, 2));
    EXPECT_EQ(Wiring(scope().AuxShutter()), std::make_pair(2, 1));
    EXPECT_EQ(shutter().Use(0), clsConnectShutter::UseEpi);
}

TEST_F(ConnectAccessories, ShutterEntriesOfASetupFileAreCommittedAsAPair)
{
    const std::vector<int32_t> committed = {clsConnectShutter::UseDIA, 2, clsConnectShutter::UseAUX, 1};
    // The first entry alone is only staged.
    EXPECT_EQ(ReadElement(shutter(), "<VALUE ID='1' BRAND='2' TYPE='2'/>"), "");
    EXPECT_EQ(shutter().Use(0), clsConnectShutter::UseEpi);
    EXPECT_EQ(ReadElement(shutter(), "<value id='2' brand='1' type='3'/>"), "");
    EXPECT_EQ(Shutters(), committed);

    // Both connectors the same use: nothing is committed.
    EXPECT_EQ(ReadElement(shutter(), "<VALUE ID='1' BRAND='2' TYPE='1'/>"), "");
    EXPECT_EQ(ReadElement(shutter(), "<VALUE ID='2' BRAND='2' TYPE='1'/>"), Line(97, "2"));
    EXPECT_EQ(Shutters(), committed);

    // Both without a use is no conflict.
    EXPECT_EQ(ReadElement(shutter(), "<VALUE ID='1' BRAND='0' TYPE='0'/>"), "");
    EXPECT_EQ(ReadElement(shutter(), "<VALUE ID='2' BRAND='0' TYPE='0'/>"), "");
    EXPECT_EQ(Shutters(), (std::vector<int32_t>{0, 0, 0, 0}));
}

TEST_F(ConnectAccessories, ARejectedShutterEntryKeepsItsConnectorWhileTheOtherIsTaken)
{
    struct Case {
        const char* first;
        const char* why;
    };
    for (const Case& c : {Case{"BRAND='1' TYPE='2'", "maker 1 cannot be a DIA shutter"},
                          Case{"BRAND='0' TYPE='1'", "no maker, no use"}, Case{"BRAND='2' TYPE='0'", "a maker needs a use"},
                          Case{"BRAND='3' TYPE='1'", "above the maker limit of the language file"},
                          Case{"BRAND='2' TYPE='4'", "above the use limit"}, Case{"BRAND='x' TYPE='1'", "not a number"},
                          Case{"TYPE='1'", "BRAND missing"}}) {
        Connect("");
        const std::string first = std::string("<VALUE ID='1' ") + c.first + "/>";
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ReadElement(shutter(), first.c_str()), Line(97, "1"));
        EXPECT_EQ(ReadElement(shutter(), "<VALUE ID='2' BRAND='2' TYPE='2'/>"), "");
        EXPECT_EQ(Shutters(), (std::vector<int32_t>{clsConnectShutter::UseEpi, 2, clsConnectShutter::UseDIA, 2}));
    }
    EXPECT_EQ(ReadElement(shutter(), "<VALUE ID='3' BRAND='2' TYPE='2'/>"), Line(97, "3"));
    EXPECT_EQ(ReadElement(shutter(), "<VALUE BRAND='2' TYPE='2'/>"), Line(97, "-1"));
}

TEST_F(ConnectAccessories, OnlyChangedCameraSettingsAreWritten)
{
    kmx().func_ReadSdk();
    kmx().SetUse(1, 3);
    kmx().SetMaker(1, 1);
    control().FailCall("KMX1", "*", NotAnswering); // controller 1 must not be asked
    EXPECT_EQ(kmx().func_WriteSdk(), "");
    EXPECT_EQ(std::tuple(scope().KMX2().CameraType(), scope().KMX2().CameraMaker()), std::tuple(3, 1));

    kmx().SetUse(1, 4);
    control().FailCall("KMX2", "SetCamera", NotAnswering, 1);
    EXPECT_EQ(kmx().func_WriteSdk(), Line(98, "2"));
    EXPECT_EQ(kmx().func_WriteSdk(), "") << "the failed item is sent again";
    EXPECT_EQ(scope().KMX2().CameraType(), 4);
}

TEST_F(ConnectAccessories, CameraEntriesNeedMakerAndTypeTogetherAndCamerasAreReadFromPresentControllers)
{
    // TYPE 6 is above the type limit.
    for (const char* xml : {"<VALUE ID='2' BRAND='3' TYPE='0'/>", "<VALUE ID='2' BRAND='0' TYPE='2'/>",
                            "<VALUE ID='2' BRAND='1' TYPE='6'/>"})
        EXPECT_EQ(ReadElement(kmx(), xml), Line(98, "2")) << xml;
    EXPECT_EQ(ReadElement(kmx(), "<VALUE ID='0' BRAND='1' TYPE='1'/>"), Line(98, "0"));
    EXPECT_EQ(kmx().Use(1), 0) << "rejected entries change nothing";
    EXPECT_EQ(ReadElement(kmx(), "<VALUE ID='2' BRAND='3' TYPE='5'/>"), "");
    EXPECT_EQ(ReadElement(kmx(), "<VALUE ID='1' BRAND='0' TYPE='0'/>"), "");
    EXPECT_EQ(Cameras(), (std::vector<int32_t>{0, 0, 5, 3}));

    // Cameras are read from present controllers.
    Connect("[KMX1]\nCameraType = 1\nCameraMaker = 2\n[KMX2]\nCameraType = -1\nCameraMaker = 2\n");
    kmx().func_ReadSdk();
    // An unknown camera type counts as none, and then no maker is kept.
    EXPECT_EQ(Cameras(), (std::vector<int32_t>{1, 2, 0, 0}));

    Connect("[Mounted]\nKMX1 = 0\n");
    kmx().func_ReadSdk();
    EXPECT_EQ(kmx().Use(0), 0) << "an absent controller";
}

TEST_F(ConnectAccessories, ThePiezoSettingExistsOnlyOnSystemTypesFiveAndSix)
{
    // Elsewhere it is neither read, written nor restored.
    for (const auto& [type, exists] : {std::pair("4", false), std::pair("5", true), std::pair("6", true)}) {
        Connect(std::string("[Instrument]\nSystemType = ") + type + "\n[PiezoZ]\nConnection = 1\n");
        clsConnectPiezoStage& piezo = *zo->ConnectPiezoStage;
        EXPECT_EQ(piezo.Connected(), exists ? 1 : 0) << type;
        piezo.SetConnected(-1);
        EXPECT_EQ(zo->func_Send(), "");
        EXPECT_EQ(std::tuple(scope().PiezoZ().Connection(), g_RefreshPiezoStage), std::tuple(exists ? -1 : 1, exists))
            << type;
        if (!exists) {
            zo->sub_RestData();
            EXPECT_EQ(piezo.Connected(), -1) << "not restored";
        }
    }
}

TEST_F(ConnectAccessories, APiezoEntryTakesOnlyTheThreeConnectionValues)
{
    clsConnectPiezoStage& piezo = *zo->ConnectPiezoStage;
    for (const auto& [xml, report, connected] : {std::tuple("<CONNECTED STATUS='2'/>", Line(108, "2"), 1),
                                                 std::tuple("<CONNECTED STATUS='on'/>", Line(108, "on"), 1),
                                                 std::tuple("<connected status=' -1 '/>", std::string(), -1)}) {
        EXPECT_EQ(ReadElement(piezo, xml), report) << xml;
        EXPECT_EQ(piezo.Connected(), connected) << xml;
    }
}

TEST_F(ConnectAccessories, MicroscopeNamesAreCapitalisedAndMarkedWhenUnavailable)
{
    Connect("[Instrument]\nMicroscope.1 = left SCOPE  two\nMicroscope.2 = , available\n"
            "Microscope.3 = Spare, unavailable\n");
    const clsConnectMicroscope& list = *zo->ConnectMicroscope;
    EXPECT_EQ(list.func_MicroscopeCount(), 3);
    std::vector<std::string> names;
    for (const int32_t i : {1, 2, 3, 4, -1})
        names.push_back(list.func_MicroscopeName(i));
    EXPECT_EQ(names, (std::vector<std::string>{"Left Scope  Two", "NoName", "Not Available", "", ""}));
}

TEST_F(ConnectAccessories, NosepieceModesNeedTheNosepieceAndTheZDrive)
{
    Connect("[Nosepiece]\nALF = 1\nRotationStopper = 1\n[Mounted]\nZDrive = 0\n");
    clsModeALF& alf = *zo->ModeALF;
    alf.func_ReadSdk();
    EXPECT_EQ(alf.IsALFOn(), 0) << "not read without the Z drive";
    alf.SetIsALFOn(1);
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(scope().Nosepiece().ALFMode(), 1) << "the SDK's own value";
    scope().Nosepiece().SetALFMode(0);
    zo->sub_RestData();
    EXPECT_EQ(alf.IsALFOn(), 1) << "not restored either";
}

TEST_F(ConnectAccessories, NosepieceModesAreSentWhenChangedAndRetriedAfterAFailure)
{
    clsModeALF& alf = *zo->ModeALF;
    clsModeRotation& rotation = *zo->ModeRotation;
    alf.func_ReadSdk();
    rotation.func_ReadSdk();
    alf.SetIsALFOn(1);
    rotation.SetIsRotationOn(1);
    control().FailCall("Nosepiece", "SetRotationStopper", NotAnswering, 1);
    EXPECT_EQ(zo->func_Send(), Line(102, "1"));
    EXPECT_FALSE(alf.Busy || rotation.Busy);
    EXPECT_EQ(std::tuple(scope().Nosepiece().ALFMode(), scope().Nosepiece().RotationStopper()), std::tuple(1, 0));

    control().FailCall("Nosepiece", "SetALFMode", NotAnswering); // ALF is not sent again
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(scope().Nosepiece().RotationStopper(), 1);

    rotation.SetIsRotationOn(0);
    zo->sub_RestData();
    EXPECT_EQ(rotation.IsRotationOn(), 1);
}

TEST_F(ConnectAccessories, AModeReadWhileClsZoSendsIsIgnored)
{
    clsModeALF& alf = *zo->ModeALF;
    alf.func_ReadSdk();
    alf.SetIsALFOn(1);
    zo->ModeRotation->SetIsRotationOn(1);
    // The pad re-reads the modes when the nosepiece reports a change.
    std::vector<int32_t> seen;
    Subscription s = scope().Nosepiece().Position()->OnInfoChanged.Subscribe([&] {
        zo->ModeRotation->func_ReadSdk();
        seen.push_back(zo->ModeRotation->IsRotationOn());
    });
    EXPECT_EQ(zo->func_Send(), "");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 1) << "the rotation edit survives the report of the ALF write";
    EXPECT_EQ(scope().Nosepiece().RotationStopper(), 1);
}

TEST_F(ConnectAccessories, NosepieceModeEntriesAreTrueOrFalse)
{
    clsModeALF& alf = *zo->ModeALF;
    EXPECT_EQ(ReadElement(alf, "<VALUE STATUS='tRUE'/>"), "");
    EXPECT_EQ(alf.IsALFOn(), 1);
    EXPECT_EQ(ReadElement(alf, "<VALUE STATUS='yes'/>"), Line(101, "yes"));
    EXPECT_EQ(ReadElement(alf, "<VALUE/>"), Line(101, ""));
    EXPECT_EQ(alf.IsALFOn(), 1);
    EXPECT_EQ(ReadElement(*zo->ModeRotation, "<VALUE STATUS='1'/>"), Line(102, "1"));
    EXPECT_EQ(ReadElement(*zo->ModeRotation, "<VALUE STATUS='False'/>"), "");
}

} // namespace
