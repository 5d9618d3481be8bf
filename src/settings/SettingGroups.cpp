#include "settings/SettingGroups.h"

#include "core/mdlLanguage.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"
#include "model/clsConnectKMX.h"
#include "model/clsConnectPiezoStage.h"
#include "model/clsConnectShutter.h"
#include "model/clsModeALF.h"
#include "model/clsModeRotation.h"
#include "settings/AccessorySwitchCtl.h"
#include "settings/AttachMainCtl.h"
#include "settings/AttachPages.h"
#include "settings/ConnectFLTurretCtl.h"
#include "settings/ConnectMicroscopeCtl.h"
#include "settings/ConnectPairCtl.h"
#include "settings/KeyErgoControlCtl.h"
#include "settings/KeyShortcutKeyCtl.h"
#include "settings/ModeSwitchCtl.h"
#include "settings/NotAvailablePage.h"
#include "settings/ObservationModeCtl.h"
#include "settings/OthersLayoutCtl.h"
#include "settings/OthersVersionCtl.h"
#include "settings/SettingPageGroup.h"
#include "settings/SettingPagePair.h"

namespace {

bool Mounted(int device)
{
    return g_Zo->IsMounted(device) == 1;
}

bool PiezoSystem()
{
    return g_Zo->HasPiezoConnection();
}

// Both nosepiece modes need the nosepiece and the Z drive.
bool NosepieceModes()
{
    return Mounted(DeviceIndex::Nosepiece) && Mounted(DeviceIndex::ZDrive);
}

template <class Page>
std::function<SettingPage*(QWidget*)> Make()
{
    return [](QWidget* parent) { return new Page(parent); };
}

SettingPage* MakeModeALF(QWidget* parent)
{
    return new ModeSwitchCtl({[] { return g_Zo->ModeALF->IsALFOn(); }, [](int32_t on) { g_Zo->ModeALF->SetIsALFOn(on); }},
                             "chkModeALF", &g_LangModeALFCtl.LblModeALF, parent);
}

SettingPage* MakeModeRotationStopper(QWidget* parent)
{
    return new ModeSwitchCtl({[] { return g_Zo->ModeRotation->IsRotationOn(); },
                              [](int32_t on) { g_Zo->ModeRotation->SetIsRotationOn(on); }},
                             "chkModeRotationStopper", &g_LangModeRotationStopperCtl.LblModeRotationStopper, parent);
}

// The working copy of a pair of connectors (the shutters', the camera
// controllers'), as the Connect page reads and writes it.
template <auto Pair>
ConnectPairCtl::Connectors ConnectorsOf()
{
    using Value = decltype(((*g_Zo).*Pair)->Use(0));
    return {[](int k) -> int32_t { return ((*g_Zo).*Pair)->Use(k); },
            [](int k, int32_t v) { ((*g_Zo).*Pair)->SetUse(k, static_cast<Value>(v)); },
            [](int k) -> int32_t { return ((*g_Zo).*Pair)->Maker(k); },
            [](int k, int32_t v) { ((*g_Zo).*Pair)->SetMaker(k, static_cast<Value>(v)); }};
}

SettingPage* MakeConnectShutter(QWidget* parent)
{
    const auto& texts = g_LangConnectObjectiveCtl;
    return new ConnectPairCtl(ConnectPairCtl::Kind::Shutters, ConnectorsOf<&clsZo::ConnectShutter>(),
                              {&texts.LblConnectShutter, &texts.LblConnectBrand, &texts.LblConnectType,
                               g_LangShutterSetting.Maker, g_LangShutterSetting.User},
                              parent);
}

SettingPage* MakeConnectCamera(QWidget* parent)
{
    const auto& texts = g_LangConnectCameraCtl;
    return new ConnectPairCtl(ConnectPairCtl::Kind::Cameras, ConnectorsOf<&clsZo::ConnectKMX>(),
                              {&texts.LblCamera, &texts.LblConnectBrand, &texts.LblConnectType,
                               g_LangCameraSetting.Maker, g_LangCameraSetting.User},
                              parent);
}

SettingPage* MakeConnectPiezoStage(QWidget* parent)
{
    return new ModeSwitchCtl({[] { return g_Zo->ConnectPiezoStage->Connected(); },
                              [](int32_t on) { g_Zo->ConnectPiezoStage->SetConnected(on); }},
                             "chkMode", &g_LangConnectPiezoCtl.LblConnectPiezoStage, parent);
}

// The pad's display switches on two sub-pages.
SettingPage* MakeAccessoryDisplay(QWidget* parent)
{
    auto* pair = new SettingPagePair(parent);
    QWidget* area = pair->PageArea();
    pair->SetPages(new AccessorySwitchCtl(AccessorySwitchCtl::kFirstPage, g_LangOthersControlCtl.ChkAccessory1, area),
                   new AccessorySwitchCtl(AccessorySwitchCtl::kSecondPage, g_LangOthersControlCtl.ChkAccessory2, area),
                   &g_LangOthersControlCtl.BtnNext, &g_LangOthersControlCtl.BtnPrevious);
    return pair;
}

} // namespace

std::vector<SettingPageGroup*> CreateSettingGroups(QWidget* parent)
{
    using namespace DeviceIndex;
    auto group = [parent](int index, const char* name, std::vector<SettingEntry> entries) {
        auto* created = new SettingPageGroup(index, std::move(entries), parent);
        created->setObjectName(name);
        return created;
    };
    auto attach = [parent](std::vector<SettingEntry> entries) -> SettingPageGroup* {
        auto* created = new AttachMainCtl(std::move(entries), parent);
        created->setObjectName("AttachMainCtl1");
        return created;
    };
    return {
        attach({{"AttachNosepiece", &g_LangAttachObjectiveLensCtl.LblTittle, [] { return Mounted(Nosepiece); },
                 MakeAttachNosepiece},
                {"AttachCondenser", &g_LangAttachCondenserCtl.LblTittle, [] { return Mounted(Condenser); },
                 MakeAttachCondenser},
                {"AttachFilter", &g_LangAttachFilterCtl.LblTittle,
                 [] { return Mounted(FilterTurret1) || Mounted(FilterTurret2); }, MakeAttachFilter},
                {"AttachEXFilter", &g_LangAttachEXFilterCtl.LblTittle, [] { return Mounted(EXWheel); },
                 MakeAttachEXFilter},
                {"AttachBAFilter", &g_LangAttachBAFilterCtl.LblTittle, [] { return Mounted(BAWheel); },
                 MakeAttachBAFilter}}),
        group(1, "ConnectMainCtl1",
              {{"ConnectShutterCtl1", &g_LangConnectObjectiveCtl.LblConnectShutter, [] { return !PiezoSystem(); },
                MakeConnectShutter},
               {"ConnectCameraCtl1", &g_LangConnectCameraCtl.LblCamera, [] { return !PiezoSystem(); },
                MakeConnectCamera},
               {"ConnectFLTurretCtl1", &g_LangConnectFLTurretCtl.LblFlChange,
                [] { return Mounted(FilterTurret1) && Mounted(FilterTurret2); }, Make<ConnectFLTurretCtl>()},
               {"ConnectPiezoStageCtl1", &g_LangConnectPiezoCtl.LblConnectPiezoStage, PiezoSystem,
                MakeConnectPiezoStage},
               {"ConnectMicroscopeCtl1", &g_LangConnectMicroscopeCtl.LblConnectMicroscope, nullptr,
                Make<ConnectMicroscopeCtl>()}}),
        group(2, "ModeMainCtl1",
              {{"ModeALFCtl1", &g_LangModeALFCtl.LblModeALF, NosepieceModes, MakeModeALF},
               {"ModeRotationStopperCtl1", &g_LangModeRotationStopperCtl.LblModeRotationStopper, NosepieceModes,
                MakeModeRotationStopper}}),
        group(3, "KeyMainCtl1",
              {{"KeyErgoControlCtl1", &g_LangKeyErgoControlCtl.LblKeyErgoButton,
                [] { return Mounted(ErgoController); }, Make<KeyErgoControlCtl>()},
               {"KeyShortcutKeyCtl1", &g_LangKeyShortcutKeyCtl.LblKeyKeyBoard, nullptr, Make<KeyShortcutKeyCtl>()}}),
        group(4, "OberservationMainCtl1",
              {{"ObservationModeCtl1", &g_LangFrmSetting.OptMenu[4], nullptr, Make<ObservationModeCtl>()}}),
        group(5, "OthersMainCtl1",
              {{"OthersLayoutCtl1", &g_LangOthersMainCtl.OptMenu[0], nullptr, Make<OthersLayoutCtl>()},
               {"OthersControlCtl1", &g_LangOthersMainCtl.OptMenu[1], nullptr, MakeAccessoryDisplay},
               {"OthersVersionCtl1", &g_LangOthersMainCtl.OptMenu[2], nullptr, Make<OthersVersionCtl>()}}),
    };
}
