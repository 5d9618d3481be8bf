#include "pad/clsPadStepping.h"

#include "core/NumberText.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "core/DeviceValue.h"
#include "pad/PadScope.h"
#include "pad/clsPadMotion.h"
#include "core/TrapErrors.h"
#include "sdk/DeviceIndex.h"
#include "widgets/PanelStyle.h"
#include "widgets/RealValue.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"

#include <algorithm>
#include <cmath>

namespace {

using Axis = frmZoControl::Axis;

// What decides a stage axis's step factor: its presence index and its
// increment flag and default in the settings file.
struct StageAxisInfo {
    int mounted;
    int setting; // index into g_IncrementFlag and g_DefaultIncreValue
    bool depthOfField;
};

constexpr std::array<StageAxisInfo, 4> kStageAxes = {{
    {DeviceIndex::XAxis, saXY, false},
    {DeviceIndex::YAxis, saXY, false},
    {DeviceIndex::ZDrive, saZ, true},
    {DeviceIndex::PiezoZ, saPiezo, true},
}};

bool IsStageAxis(Axis axis)
{
    return axis >= frmZoControl::AxisX && axis <= frmZoControl::AxisPiezo;
}

} // namespace

clsPadStepping::clsPadStepping(frmZoControl& pad) : m_Pad(pad)
{
    for (std::size_t i = 0; i < kStageAxes.size(); ++i)
        m_Factor[i] = g_DefaultIncreValue[static_cast<std::size_t>(kStageAxes[i].setting)];
    for (int axis = 0; axis < StepAxisCount; ++axis) {
        const auto step = static_cast<StepAxis>(axis);
        // One state per increment of the settings file.
        Button(step).setStateCount(3);
        QObject::connect(&Button(step), &usrMPButton::clicked, &pad, [this, step] { sub_ApplyStep(step); });
    }
    const auto spin = [this](SpinControl* control, Axis first) {
        QObject::connect(control, &SpinControl::stepped, &m_Pad, [this, first](int part, int, double position) {
            TrapErrors([&] { OnStepped(static_cast<Axis>(first + part), position); });
        });
        QObject::connect(control, &SpinControl::pressEnded, &m_Pad, [this, first](int part, int) {
            TrapErrors([&] { OnPressEnded(static_cast<Axis>(first + part)); });
        });
    };
    // The XY control's parts 0 and 1 are X and Y.
    spin(pad.spnStageXY, frmZoControl::AxisX);
    spin(pad.spnStageZ, frmZoControl::AxisZ);
    spin(pad.spnStagePiezo, frmZoControl::AxisPiezo);
}

usrMPButton& clsPadStepping::Button(StepAxis axis) const
{
    switch (axis) {
    case StepXY:
        return *m_Pad.picStageXY;
    case StepZ:
        return *m_Pad.picStageZ;
    case StepPiezo:
        return *m_Pad.picStagePiezo;
    case StepTIRF:
        return *m_Pad.btnStageTIRF;
    case StepFKS:
    case StepAxisCount:
        break;
    }
    return *m_Pad.btnStageFKS;
}

double clsPadStepping::func_Increment(StepAxis axis, int state)
{
    if (axis < 0 || axis >= StepAxisCount || state < 1 || state > 3)
        return 1.0;
    const auto& texts = g_IncrementValue[static_cast<std::size_t>(axis)];
    return zo::ParseNumber(texts[static_cast<std::size_t>(state - 1)]).value_or(1.0);
}

double clsPadStepping::StepFactor(Axis axis) const
{
    return IsStageAxis(axis) ? m_Factor[static_cast<std::size_t>(axis)] : m_Pad.DisplayFactor(axis);
}

void clsPadStepping::sub_ShowStepTips()
{
    for (int each = 0; each < StepAxisCount; ++each) {
        const auto axis = static_cast<StepAxis>(each);
        ShowStepTip(axis, func_Increment(axis, Button(axis).state()));
    }
}

void clsPadStepping::ShowStepTip(StepAxis axis, double increment) const
{
    constexpr std::array<std::string LangPadTips::*, StepAxisCount> kTips = {
        &LangPadTips::XYStep, &LangPadTips::ZStep, &LangPadTips::PiezoStep, &LangPadTips::TIRFStep,
        &LangPadTips::FKSStep};
    constexpr std::array<frmZoControl::Axis, StepAxisCount> kShownAxis = {
        frmZoControl::AxisX, frmZoControl::AxisZ, frmZoControl::AxisPiezo, frmZoControl::AxisTIRF,
        frmZoControl::AxisFKS};
    const double step = increment * StepFactor(kShownAxis[axis]);
    // Three significant digits: 0.489 µm, not 0.488888888889.
    const double scale = step > 0 ? std::pow(10.0, 2 - std::floor(std::log10(step))) : 1.0;
    const QString text = QString::fromStdString(RealValue::format(std::round(step * scale) / scale));
    Button(axis).setToolTip(PanelStyle::fillTip(QString::fromStdString(g_LangPadTips.*kTips[axis]), text));
}

void clsPadStepping::sub_ApplyStep(StepAxis axis)
{
    const double increment = func_Increment(axis, Button(axis).state());
    ShowStepTip(axis, increment);
    switch (axis) {
    case StepXY:
        m_Pad.spnStageXY->setXStep(increment * StepFactor(frmZoControl::AxisX));
        m_Pad.spnStageXY->setYStep(increment * StepFactor(frmZoControl::AxisY));
        break;
    case StepZ:
        m_Pad.spnStageZ->setStep(increment * StepFactor(frmZoControl::AxisZ));
        break;
    case StepPiezo:
        m_Pad.spnStagePiezo->setStep(increment * StepFactor(frmZoControl::AxisPiezo));
        break;
    case StepTIRF:
        m_Pad.sbTIRFAngle->setSmallStep(increment * m_Pad.DisplayFactor(frmZoControl::AxisTIRF));
        break;
    case StepFKS:
        m_Pad.sbFKS->setSmallStep(increment);
        break;
    case StepAxisCount:
        break;
    }
}

void clsPadStepping::sub_AdvanceStepButton(StepAxis axis)
{
    usrMPButton& button = Button(axis);
    button.setState(button.state() % button.stateCount() + 1);
    sub_ApplyStep(axis);
}

double clsPadStepping::func_StepFactor(Axis axis) const
{
    const StageAxisInfo& info = kStageAxes[static_cast<std::size_t>(axis)];
    const double fallback = g_DefaultIncreValue[static_cast<std::size_t>(info.setting)];
    if (!func_PadMounted(info.mounted) || !m_Pad.m_mipNosepisePos ||
        !g_IncrementFlag[static_cast<std::size_t>(info.setting)])
        return fallback;
    int32_t position = 0;
    if (!TrapErrors([&] { position = m_Pad.m_mipNosepisePos.Value(); }) || position < 1 || position > 6)
        return fallback;
    double factor = 0.0;
    if (info.depthOfField) {
        // Depth of field at 0.55 um for the objective's aperture.
        const double na = m_Pad.ObjectiveNA(position);
        if (na == 0.0)
            return fallback;
        factor = 0.55 / (2.0 * na * na);
    } else {
        const int16_t magnification = m_Pad.ObjectiveMagnification(position);
        if (magnification == 0)
            return fallback;
        factor = 1.0 / magnification;
    }
    // No step finer than the axis can show.
    return std::max(factor, m_Pad.DisplayFactor(axis));
}

void clsPadStepping::sub_RecomputeStepFactors()
{
    for (int axis = frmZoControl::AxisX; axis <= frmZoControl::AxisPiezo; ++axis)
        m_Factor[static_cast<std::size_t>(axis)] = func_StepFactor(static_cast<Axis>(axis));
    sub_ApplyStep(StepXY);
    sub_ApplyStep(StepZ);
    sub_ApplyStep(StepPiezo);
}

void clsPadStepping::sub_AxisInitialised(Axis axis)
{
    TrapErrors([&] { sub_SetSpeed(axis, g_StageInfoSpeed, g_StageInfoTolerance); });
    sub_RecomputeStepFactors();
}

void clsPadStepping::sub_SetSpeed(Axis axis, int16_t speed, int16_t tolerance)
{
    if (axis != frmZoControl::AxisX && axis != frmZoControl::AxisY && axis != frmZoControl::AxisZ)
        return;
    ZOSCOPELib::AxisDevice& device = frmZoControl::AxisDeviceOf(axis);
    device.SetSpeed(speed);
    device.SetTolerance(tolerance);
}

void clsPadStepping::OnStepped(Axis axis, double position)
{
    if (!m_Pad.Commands()
             .Send(clsPadMotion::func_Device(axis), [&] { sub_SetSpeed(axis, g_SpinInfoSpeed, g_SpinInfoTolerance); })
             .Ok())
        return;
    const auto [spin, part] = m_Pad.SpinOf(axis);
    const double target = std::clamp(position, spin->minimum(part), spin->maximum(part));
    m_Pad.Motion().func_Move({{axis, func_DeviceValue(target, m_Pad.DisplayFactor(axis))}}, false);
}

void clsPadStepping::OnPressEnded(Axis axis)
{
    m_Pad.Commands().Send(clsPadMotion::func_Device(axis),
                          [&] { sub_SetSpeed(axis, g_StageInfoSpeed, g_StageInfoTolerance); });
}
