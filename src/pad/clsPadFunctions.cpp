#include "pad/clsPadFunctions.h"

#include "core/mdlLanguage.h"
#include "model/clsConnectFilter.h"
#include "model/clsZo.h"
#include "pad/PadScope.h"
#include "core/TrapErrors.h"
#include "pad/clsPadStepping.h"
#include "pad/frmZoControl.h"
#include "sdk/DeviceIndex.h"
#include "widgets/SpinControl.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"

#include <iterator>

namespace {

using Action = clsPadFunctions::Action;
using Target = clsPadFunctions::Target;
using Row = clsPadFunctions::Row;

// Every function code the pad runs. Steps: the first code of a pair steps
// forward (+1), the second backward (-1).
constexpr Row kFunctions[] = {
    {1, 1, Action::StepSize, Target::StageZ, 0, 0},
    {5, 8, Action::PortKind, Target::LightPath, 1, 1},
    {9, 10, Action::Step, Target::LightPath, 1, -2},
    {11, 11, Action::PortToggle, Target::LightPath, 0, 0},
    {12, 12, Action::Toggle, Target::DIALamp, 0, 0},
    {14, 14, Action::Settings, Target::None, 0, 0},
    {15, 20, Action::Position, Target::Nosepiece, 1, 1},
    {21, 22, Action::Step, Target::Nosepiece, 1, -2},
    {23, 23, Action::Toggle, Target::FKS, 0, 0},
    {26, 30, Action::Position, Target::Condenser, 1, 1},
    {31, 32, Action::Step, Target::Condenser, 1, -2},
    {33, 38, Action::Position, Target::FirstFL, 1, 1},
    {39, 39, Action::Toggle, Target::Analyzer, 0, 0},
    {40, 41, Action::Step, Target::FirstFL, 1, -2},
    {42, 47, Action::Position, Target::SecondFL, 1, 1},
    {48, 49, Action::Step, Target::SecondFL, 1, -2},
    {50, 57, Action::Position, Target::EXWheel, 1, 1},
    {58, 59, Action::Step, Target::EXWheel, 1, -2},
    {60, 67, Action::Position, Target::BAWheel, 1, 1},
    {68, 69, Action::Step, Target::BAWheel, 1, -2},
    {70, 70, Action::Toggle, Target::DIAShutter, 0, 0},
    {71, 71, Action::Toggle, Target::EpiShutter, 0, 0},
    {72, 72, Action::Toggle, Target::TIRF, 0, 0},
    {73, 76, Action::TIRFMemory, Target::None, 1, 1},
    {77, 77, Action::Toggle, Target::TIRFERG, 0, 0},
    {78, 78, Action::Toggle, Target::AUXShutter, 0, 0},
    {79, 79, Action::Toggle, Target::IrluxShutter, 0, 0},
    {80, 85, Action::Position, Target::IrluxND, 1, 1},
    {86, 87, Action::Step, Target::IrluxND, 1, -2},
    {88, 88, Action::StepSize, Target::StageXY, 0, 0},
    {901, 902, Action::Spin, Target::StageZ, 1, -2},
    {903, 903, Action::StepSize, Target::StagePiezo, 0, 0},
    {904, 905, Action::Spin, Target::StagePiezo, 1, -2},
    {906, 907, Action::Spin, Target::StageX, 1, -2},
    {908, 909, Action::Spin, Target::StageY, 1, -2},
    {991, 998, Action::Mode, Target::None, 1, 1},
};

ZOSCOPELib::Scope& S()
{
    return func_PadScope();
}

bool FiltersExchanged()
{
    return g_Zo->ConnectFilter->FilterPosition() != 0;
}

// The turrets by target; the first FL turret is the one cboFL1 shows.
ZOSCOPELib::TurretDevice& Turret(Target target)
{
    switch (target) {
    case Target::LightPath:
        return S().LightPath();
    case Target::Nosepiece:
        return S().Nosepiece();
    case Target::Condenser:
        return S().Condenser();
    case Target::FirstFL:
        return FiltersExchanged() ? S().FilterTurret2() : S().FilterTurret1();
    case Target::SecondFL:
        return FiltersExchanged() ? S().FilterTurret1() : S().FilterTurret2();
    case Target::EXWheel:
        return S().ExcitationWheel();
    default:
        return S().BarrierWheel();
    }
}

// A two-state device to the opposite of its state parameter.
template <class Device>
void Toggle(Device& device, ZOSCOPELib::ParameterPtr (Device::*state)(), void (Device::*on)(), void (Device::*off)())
{
    const bool isOn = (device.*state)()->Value() == 1;
    (device.*(isOn ? off : on))();
}

} // namespace

clsPadFunctions::clsPadFunctions(frmZoControl& pad, clsPadStepping& stepping,
                                 std::function<void(int16_t subPage)> openSettings)
    : m_Pad(pad), m_Stepping(stepping), m_OpenSettings(std::move(openSettings))
{
}

std::span<const Row> clsPadFunctions::Table()
{
    return kFunctions;
}

std::optional<clsPadFunctions::Function> clsPadFunctions::func_Function(int code)
{
    for (const Row& row : Table())
        if (code >= row.First && code <= row.Last)
            return Function{row.Kind, row.On, row.Argument + (code - row.First) * row.Stride};
    return std::nullopt;
}

void clsPadFunctions::sub_RunFunction(int code)
{
    const std::optional<Function> function = func_Function(code);
    if (!function)
        return;
    // The functions that call the instrument themselves go the command path;
    // the others reach it through a control's own handler, which does.
    switch (function->Kind) {
    case Action::PortKind:
    case Action::PortToggle:
    case Action::Position:
    case Action::Step:
    case Action::Toggle:
        m_Pad.Commands().Send(func_Device(function->On), [&] { Run(*function); });
        break;
    default:
        TrapErrors([&] { Run(*function); });
        break;
    }
}

int clsPadFunctions::func_Device(Target target)
{
    // The presence index of each target, in the order of Target; -1 for the
    // pad's own step-size buttons.
    namespace D = DeviceIndex;
    constexpr int kPresence[] = {-1, // none
                                 // step-size buttons and spin controls
                                 -1, D::ZDrive, D::PiezoZ, D::XAxis, D::YAxis,
                                 // turrets, wheels, the ND filter
                                 D::LightPath, D::Nosepiece, D::Condenser, D::FilterTurret1, D::FilterTurret2,
                                 D::EXWheel, D::BAWheel, D::Illuminator,
                                 // two-state devices
                                 D::DiaLamp, D::FKS, D::Analyzer, D::DiaShutter, D::EpiShutter, D::TIRF, D::TIRF,
                                 D::AuxShutter, D::Illuminator};
    static_assert(std::size(kPresence) == static_cast<std::size_t>(Target::IrluxShutter) + 1);
    const int index = kPresence[static_cast<std::size_t>(target)];
    // cboFL1 drives turret 2 when the turrets are exchanged.
    if (FiltersExchanged() && (index == D::FilterTurret1 || index == D::FilterTurret2))
        return index == D::FilterTurret1 ? D::FilterTurret2 : D::FilterTurret1;
    return index;
}

bool clsPadFunctions::func_Mounted(Target target) const
{
    const int index = func_Device(target);
    return index < 0 || func_PadMounted(index);
}

void clsPadFunctions::Run(const Function& function)
{
    // The step-size buttons act on the pad only.
    if (function.Kind != Action::StepSize && !func_Mounted(function.On))
        return;
    switch (function.Kind) {
    case Action::StepSize:
        m_Stepping.sub_AdvanceStepButton(function.On == Target::StageXY  ? clsPadStepping::StepXY
                                         : function.On == Target::StageZ ? clsPadStepping::StepZ
                                                                         : clsPadStepping::StepPiezo);
        break;
    case Action::PortKind:
        sub_PortKind(function.Argument);
        break;
    case Action::PortToggle:
        sub_PortToggle();
        break;
    case Action::Position:
        sub_Position(function.On, function.Argument);
        break;
    case Action::Step:
        sub_Step(function.On, function.Argument > 0);
        break;
    case Action::Toggle:
        sub_Toggle(function.On);
        break;
    case Action::Settings:
        if (m_OpenSettings)
            m_OpenSettings(func_PadMounted(DeviceIndex::ErgoController) ? 1 : 0);
        break;
    case Action::TIRFMemory:
    case Action::Mode: {
        // The list's own handler recalls the memory or applies the mode.
        usrComboBox& list = function.Kind == Action::Mode ? *m_Pad.cboCHGMode : *m_Pad.cboTIRF;
        if (list.count() >= function.Argument)
            list.setSelectedIndex(function.Argument - 1);
        break;
    }
    case Action::Spin: {
        // The step starts from the last reported position, not one a frame old.
        m_Pad.FlushReadouts();
        const frmZoControl::Axis axis = function.On == Target::StageZ       ? frmZoControl::AxisZ
                                        : function.On == Target::StagePiezo ? frmZoControl::AxisPiezo
                                        : function.On == Target::StageX     ? frmZoControl::AxisX
                                                                            : frmZoControl::AxisY;
        const auto [spin, part] = m_Pad.SpinOf(axis);
        spin->press(part, function.Argument);
        break;
    }
    }
}

void clsPadFunctions::sub_Position(Target target, int position)
{
    if (target == Target::IrluxND)
        S().Irlux().SetNDPosition(position);
    else
        Turret(target).SetPosition(position);
}

void clsPadFunctions::sub_Step(Target target, bool forward)
{
    if (target == Target::IrluxND) {
        forward ? S().Irlux().NDStepForward() : S().Irlux().NDStepBackward();
        return;
    }
    ZOSCOPELib::TurretDevice& turret = Turret(target);
    forward ? turret.StepForward() : turret.StepBackward();
}

void clsPadFunctions::sub_Toggle(Target target)
{
    using namespace ZOSCOPELib;
    switch (target) {
    case Target::DIALamp:
        Toggle(S().DiaLamp(), &LampDevice::IsOn, &LampDevice::On, &LampDevice::Off);
        break;
    case Target::FKS:
        // The FKS follows what its button shows.
        m_Pad.chkFKS->state() == 1 ? S().FKSUnit().Off() : S().FKSUnit().On();
        break;
    case Target::Analyzer:
        Toggle(S().Analyzer(), &AnalyzerDevice::IsInserted, &AnalyzerDevice::In, &AnalyzerDevice::Out);
        break;
    case Target::DIAShutter:
        Toggle(S().DiaShutter(), &ShutterDevice::IsOpened, &ShutterDevice::Open, &ShutterDevice::Close);
        break;
    case Target::EpiShutter:
        Toggle(S().EpiShutter(), &ShutterDevice::IsOpened, &ShutterDevice::Open, &ShutterDevice::Close);
        break;
    case Target::AUXShutter:
        Toggle(S().AuxShutter(), &ShutterDevice::IsOpened, &ShutterDevice::Open, &ShutterDevice::Close);
        break;
    case Target::TIRF:
        Toggle(S().TIRF(), &TIRFDevice::IsOn, &TIRFDevice::On, &TIRFDevice::Off);
        break;
    case Target::TIRFERG: {
        TIRFDevice& tirf = S().TIRF();
        tirf.SetERG(tirf.ERG()->Value() == 1 ? 0 : 1);
        break;
    }
    case Target::IrluxShutter:
        Toggle(S().Irlux(), &IlluminatorDevice::IsOpened, &IlluminatorDevice::Open, &IlluminatorDevice::Close);
        break;
    default:
        break;
    }
}

void clsPadFunctions::sub_PortKind(int kind)
{
    ZOSCOPELib::LightPathDevice& path = S().LightPath();
    for (int32_t position = 1; position <= 4; ++position) {
        if (path.PortKind(position) == kind) {
            path.SetPosition(position);
            return;
        }
    }
}

void clsPadFunctions::sub_PortToggle()
{
    // From the port of kind 1 to that of kind 2, from any other back to kind 1.
    const QString kind1 = QString::fromStdString(g_LangFrmZoControl.CboPath[1]);
    sub_PortKind(m_Pad.cboPath->text() == kind1 ? 2 : 1);
}
