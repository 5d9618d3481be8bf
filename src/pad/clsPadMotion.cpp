#include "pad/clsPadMotion.h"

#include "core/TrapErrors.h"
#include "core/mdlCommon.h"
#include "pad/PadCommandGuard.h"
#include "pad/PadScope.h"
#include "pad/frmZoControl.h"
#include "windows/frmStage.h"
#include "windows/frmTIRF.h"

namespace {

using Axis = clsPadMotion::Axis;
using Kind = PadMemoryHost::Kind;

constexpr int kUnreachableMessage = 82;

// The stage window's map that shows an axis, and the axes it shows.
std::optional<Kind> GroupOf(Axis axis)
{
    switch (axis) {
    case PadMemoryHost::AxisX:
    case PadMemoryHost::AxisY:
        return PadMemoryHost::MemXY;
    case PadMemoryHost::AxisZ:
        return PadMemoryHost::MemZ;
    case PadMemoryHost::AxisPiezo:
        return PadMemoryHost::MemPiezo;
    default:
        return std::nullopt;
    }
}

std::vector<Axis> AxesOf(Kind group)
{
    switch (group) {
    case PadMemoryHost::MemXY:
        return {PadMemoryHost::AxisX, PadMemoryHost::AxisY};
    case PadMemoryHost::MemZ:
        return {PadMemoryHost::AxisZ};
    default:
        return {PadMemoryHost::AxisPiezo};
    }
}

} // namespace

clsPadMotion::clsPadMotion(frmZoControl& pad, PadCommandPath& path) : m_Pad(pad), m_Path(path) {}

clsPadMotion::~clsPadMotion() = default;

int clsPadMotion::func_Device(Axis axis)
{
    switch (axis) {
    case PadMemoryHost::AxisX:
        return DeviceIndex::XAxis;
    case PadMemoryHost::AxisY:
        return DeviceIndex::YAxis;
    case PadMemoryHost::AxisZ:
        return DeviceIndex::ZDrive;
    case PadMemoryHost::AxisPiezo:
        return DeviceIndex::PiezoZ;
    case PadMemoryHost::AxisTIRF:
        return DeviceIndex::TIRF;
    default:
        return DeviceIndex::FKS;
    }
}

bool clsPadMotion::Moving() const
{
    for (const Track& track : m_Tracks)
        if (track.Moving)
            return true;
    return false;
}

// ============================================================== moves

PadCommandResult clsPadMotion::func_Move(const Targets& targets, bool hold)
{
    if (m_Hold)
        return {PadCommandResult::Busy, {}};
    for (const auto& [axis, target] : targets) {
        bool reachable = true;
        // Limits that cannot be read leave the refusal to the drive.
        TrapErrors([&] {
            ZOSCOPELib::AxisDevice& drive = frmZoControl::AxisDeviceOf(axis);
            reachable = target >= drive.LowerLimit() && target <= drive.UpperLimit();
        });
        if (!reachable)
            return {PadCommandResult::Refused, func_GetMessage(kUnreachableMessage)};
    }
    if (hold)
        HoldWindows();
    PadCommandResult result;
    {
        std::optional<PadCommandGuard> guard;
        if (hold)
            guard.emplace(m_Pad);
        for (const auto& [axis, target] : targets) {
            Start(axis, target);
            result = m_Path.Send(
                func_Device(axis), [&] { frmZoControl::AxisDeviceOf(axis).MoveAbsolute(target); },
                [&] {
                    Finish(axis);
                    m_Pad.sub_ReadAxis(axis);
                });
            if (!result.Ok())
                break;
            if (!func_Busy(axis))
                Finish(axis); // it stood there already: no report will come
            else if (m_Hold)
                m_Hold->Axes.push_back(axis);
        }
    }
    ReleaseWhenOver();
    Changed();
    return result;
}

void clsPadMotion::Start(Axis axis, int32_t target)
{
    m_Tracks[axis] = {true, target};
    sub_ShowTarget(axis);
}

void clsPadMotion::Finish(Axis axis)
{
    m_Tracks[axis] = {};
    sub_ShowTarget(axis);
}

void clsPadMotion::sub_Reported(Axis axis)
{
    Track& track = m_Tracks[axis];
    int32_t busy = 0;
    const bool read = TrapErrors([&] { busy = frmZoControl::AxisDeviceOf(axis).IsBusy(); });
    if (read && busy == 1) {
        if (!track.Moving) {
            // A move the pad did not start (a key of the microscope, ALF, a mode).
            track.Moving = true;
            Changed();
        }
        return;
    }
    if (!track.Moving && !track.Target)
        return;
    Finish(axis);
    ReleaseWhenOver();
    Changed();
}

bool clsPadMotion::func_Busy(Axis axis) const
{
    if (!func_PadMounted(func_Device(axis)))
        return false;
    int32_t busy = 0;
    // A drive that cannot say is taken to move when the pad knows it does.
    if (!TrapErrors([&] { busy = frmZoControl::AxisDeviceOf(axis).IsBusy(); }))
        return m_Tracks[axis].Moving;
    return busy == 1;
}

// ============================================================== stop

bool clsPadMotion::func_StopAll()
{
    bool any = false;
    const bool x = func_Busy(PadMemoryHost::AxisX);
    const bool y = func_Busy(PadMemoryHost::AxisY);
    if (x || y) {
        any = true;
        if (func_PadMounted(DeviceIndex::XAxis) && func_PadMounted(DeviceIndex::YAxis)) {
            Stop(PadMemoryHost::AxisX, [] { func_PadScope().XYStage().Stop(); },
                 {PadMemoryHost::AxisX, PadMemoryHost::AxisY});
        } else {
            for (const Axis axis : {PadMemoryHost::AxisX, PadMemoryHost::AxisY})
                if (func_Busy(axis))
                    Stop(axis, [axis] { frmZoControl::AxisDeviceOf(axis).Stop(); }, {axis});
        }
    }
    for (const Axis axis : {PadMemoryHost::AxisZ, PadMemoryHost::AxisPiezo, PadMemoryHost::AxisTIRF,
                            PadMemoryHost::AxisFKS}) {
        if (!func_Busy(axis))
            continue;
        any = true;
        Stop(axis, [axis] { frmZoControl::AxisDeviceOf(axis).Stop(); }, {axis});
    }
    ReleaseWhenOver();
    Changed();
    return any;
}

PadCommandResult clsPadMotion::Stop(Axis axis, const std::function<void()>& call, std::initializer_list<Axis> axes)
{
    // A drive that refuses to stop is given up on: its move counts as failed.
    return m_Path.Send(func_Device(axis), call, [&] {
        for (const Axis stopped : axes)
            Finish(stopped);
    });
}

// ============================================================== hold

void clsPadMotion::HoldWindows()
{
    Hold hold;
    for (QWidget* window : {m_Pad.Panels(), static_cast<QWidget*>(m_Pad.StageWindow()),
                            static_cast<QWidget*>(m_Pad.TIRFWindow())}) {
        if (!window)
            continue;
        window->setEnabled(false);
        hold.Windows.emplace_back(window);
    }
    m_Hold = std::move(hold);
}

void clsPadMotion::ReleaseWhenOver()
{
    if (!m_Hold)
        return;
    for (const Axis axis : m_Hold->Axes)
        if (m_Tracks[axis].Moving)
            return;
    for (const QPointer<QWidget>& window : m_Hold->Windows)
        if (window)
            window->setEnabled(true);
    m_Hold.reset();
    // Clicks made on the held windows are not replayed.
    TrapErrors([] { sub_FlushInput(); });
}

// ============================================================== maps and readouts

void clsPadMotion::sub_ShowTarget(Axis axis)
{
    frmStage* stage = m_Pad.StageWindow();
    const std::optional<Kind> group = GroupOf(axis);
    if (!stage || !group)
        return;
    std::vector<int32_t> target;
    bool moving = false;
    for (const Axis part : AxesOf(*group)) {
        const Track& track = m_Tracks[part];
        moving = moving || track.Target.has_value();
        target.push_back(track.Target.value_or(stage->AxisPosition(part)));
    }
    if (moving)
        stage->sub_ShowTarget(*group, target);
    else
        stage->sub_EndTarget(*group);
}

void clsPadMotion::Changed()
{
    if (OnChanged)
        OnChanged();
}
