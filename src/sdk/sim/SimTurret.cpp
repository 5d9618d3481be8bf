#include "sdk/sim/SimTurret.h"

#include <algorithm>
#include <cstdlib>

namespace ZOSCOPELib::sim {

// ---------------------------------------------------------------- motion

TurretMotion::TurretMotion(DeviceCore& core, std::string member, std::function<TurretDescription&()> description)
    : m_core(core), m_description(std::move(description)), m_position(std::clamp(m_description().position, 1, m_description().count))
{
    m_parameter = core.MakeParameter(
        std::move(member), [this] { return Current(); }, [this] { return Limits{1, Count(), 1}; });
    core.hub.AddMover(*this);
}

void TurretMotion::MoveTo(int32_t position)
{
    if (position < 1 || position > Count())
        throw SdkError("ZOSCOPELib." + m_core.object, OutOfRange,
                       "position " + std::to_string(position) + " is outside 1.." + std::to_string(Count()));
    if (!m_moving && position == m_position)
        return;
    // Time for the shorter way round, one delay per position passed.
    const int32_t from = m_position;
    const int32_t forward = ((position - from) % Count() + Count()) % Count();
    const int32_t steps = std::max(1, std::min(forward, Count() - forward));
    const int64_t duration = static_cast<int64_t>(steps) * m_description().delayMs * 1000;
    m_target = position;
    if (duration == 0) {
        m_moving = false;
        m_position = position;
        m_parameter->NotifyValue();
        return;
    }
    if (!m_moving)
        m_parameter->NotifyValue(); // now reads 0
    m_moving = true;
    m_end = m_core.hub.Now() + duration;
}

void TurretMotion::Step(int direction)
{
    const int32_t from = m_moving ? m_target : m_position;
    MoveTo((from - 1 + direction + Count()) % Count() + 1);
}

void TurretMotion::Tick(int64_t now)
{
    if (m_moving && now >= m_end) {
        m_moving = false;
        m_position = m_target;
        m_parameter->NotifyValue();
    }
}

// ---------------------------------------------------------------- items

template <class F>
auto SimPositionItem::Call(std::string_view member, const std::string& args, F&& body)
{
    DeviceCore& core = m_turret.Core();
    return core.hub.Call(core.object + ".Item[" + std::to_string(m_position) + "]", core.index, Need::Mounted, member,
                         args, std::forward<F>(body));
}

int32_t SimPositionItem::Position()
{
    return m_position;
}

int32_t SimPositionItem::Code()
{
    return Call("Code", "", [this] { return m_turret.Described().codes.at(static_cast<std::size_t>(m_position - 1)); });
}

void SimPositionItem::SetCode(int32_t code)
{
    Call("SetCode", TraceArgs(code), [&] {
        const int32_t last =
            m_turret.Core().index == DeviceIndex::EXWheel || m_turret.Core().index == DeviceIndex::BAWheel ? 319 : 309;
        if (code < 0 || code > last)
            throw SdkError("ZOSCOPELib." + m_turret.Core().object, OutOfRange,
                           "model code " + std::to_string(code) + " is outside 0.." + std::to_string(last));
        int32_t& slot = m_turret.Described().codes.at(static_cast<std::size_t>(m_position - 1));
        if (slot == code)
            return;
        slot = code;
        m_turret.InfoChanged();
    });
}

int32_t SimPositionItem::EscapeEnabled()
{
    return Call("EscapeEnabled", "", [this] {
        const auto& escape = m_turret.Described().escape;
        return static_cast<std::size_t>(m_position) <= escape.size() ? escape[static_cast<std::size_t>(m_position - 1)]
                                                                      : 0;
    });
}

void SimPositionItem::SetEscapeEnabled(int32_t enabled)
{
    Call("SetEscapeEnabled", TraceArgs(enabled), [&] {
        auto& escape = m_turret.Described().escape;
        if (static_cast<std::size_t>(m_position) > escape.size())
            throw SdkError("ZOSCOPELib." + m_turret.Core().object, InvalidArgument, "this turret has no escape flags");
        const int32_t value = enabled != 0 ? 1 : 0;
        if (escape[static_cast<std::size_t>(m_position - 1)] == value)
            return;
        escape[static_cast<std::size_t>(m_position - 1)] = value;
        m_turret.InfoChanged();
    });
}

ObjectiveRecord SimPositionItem::Objective()
{
    return Call("Objective", "", [this] {
        const int32_t code = m_turret.Described().codes.at(static_cast<std::size_t>(m_position - 1));
        const auto& objectives = m_turret.Core().hub.Config().databases.objectives;
        const auto it = objectives.find(code);
        return it == objectives.end() ? ObjectiveRecord{} : it->second;
    });
}

// ---------------------------------------------------------------- turret

SimTurretBase::SimTurretBase(DeviceCore& core)
    : m_turretCore(core), m_motion(core, "Position", [&core]() -> TurretDescription& {
          return core.hub.Config().turrets.at(core.index);
      })
{
    for (int32_t p = 1; p <= m_motion.Count(); ++p)
        m_items.push_back(std::make_unique<SimPositionItem>(*this, p));
}

PositionItem& SimTurretBase::ItemAt(int32_t position)
{
    return ObjectiveAt(position);
}

ObjectiveItem& SimTurretBase::ObjectiveAt(int32_t position)
{
    if (position < 1 || position > static_cast<int32_t>(m_items.size()))
        throw SdkError("ZOSCOPELib." + m_turretCore.object, OutOfRange, "no position " + std::to_string(position));
    return *m_items[static_cast<std::size_t>(position - 1)];
}

void SimTurretBase::InfoChanged()
{
    m_motion.Parameter()->NotifyInfo();
    m_turretCore.hub.ConfigChanged();
}

// ---------------------------------------------------------------- nosepiece

SimNosepiece::SimNosepiece(Hub& hub, std::function<AxisDevice*()> zDrive)
    : SimTurret(hub, DeviceIndex::Nosepiece), m_zDrive(std::move(zDrive)),
      m_focus(static_cast<std::size_t>(Described().count), -1)
{
}

ObjectiveItem& SimNosepiece::Objective(int32_t position)
{
    return *Core().Call("Objective", TraceArgs(position), [&] { return &ObjectiveAt(position); });
}

void SimNosepiece::SetFlag(std::string_view member, int32_t& flag, int32_t on)
{
    Core().Call(member, TraceArgs(on), [&] {
        const int32_t value = on != 0 ? 1 : 0;
        if (flag == value)
            return;
        flag = value;
        InfoChanged();
    });
}

int32_t SimNosepiece::ALFMode()
{
    return Core().Call("ALFMode", "", [this] { return Core().hub.Config().alfMode; });
}

void SimNosepiece::SetALFMode(int32_t on)
{
    SetFlag("SetALFMode", Core().hub.Config().alfMode, on);
}

int32_t SimNosepiece::RotationStopper()
{
    return Core().Call("RotationStopper", "", [this] { return Core().hub.Config().rotationStopper; });
}

void SimNosepiece::SetRotationStopper(int32_t on)
{
    SetFlag("SetRotationStopper", Core().hub.Config().rotationStopper, on);
}

void SimNosepiece::SetPosition(int32_t position)
{
    Core().Call("SetPosition", TraceArgs(position), [&] {
        // Remember where the focus was for the objective being left, so
        // ExecuteALF can bring it back later.
        AxisDevice* z = Core().hub.Mounted(DeviceIndex::ZDrive) ? m_zDrive() : nullptr;
        const int32_t leaving = Motion().Settled();
        if (z && leaving >= 1 && leaving <= static_cast<int32_t>(m_focus.size()))
            m_focus[static_cast<std::size_t>(leaving - 1)] = z->Position()->Value();
        Motion().MoveTo(position);
    });
}

void SimNosepiece::ExecuteALF()
{
    Core().Call("ExecuteALF", "", [this] {
        AxisDevice* z = Core().hub.Mounted(DeviceIndex::ZDrive) ? m_zDrive() : nullptr;
        const int32_t at = Motion().Current();
        if (!z || at < 1 || at > static_cast<int32_t>(m_focus.size()) || m_focus[static_cast<std::size_t>(at - 1)] < 0)
            return; // nothing remembered for this objective yet
        z->MoveAbsolute(m_focus[static_cast<std::size_t>(at - 1)]);
    });
}

// ---------------------------------------------------------------- others

int32_t SimFilterTurret::Level()
{
    return Core().Call("Level", "", [this] { return Described().level; });
}

void SimFilterTurret::SetLevel(int32_t level)
{
    Core().Call("SetLevel", TraceArgs(level), [&] {
        if (level < 1 || level > 2)
            throw SdkError("ZOSCOPELib." + Core().object, OutOfRange, "the level is 1 or 2");
        if (Described().level == level)
            return;
        Described().level = level;
        InfoChanged();
    });
}

int32_t SimLightPath::PortKind(int32_t position)
{
    return Core().Call("PortKind", TraceArgs(position), [&] {
        const auto& kinds = Described().portKinds;
        if (position < 1 || position > static_cast<int32_t>(kinds.size()))
            throw SdkError("ZOSCOPELib." + Core().object, OutOfRange, "no position " + std::to_string(position));
        return kinds[static_cast<std::size_t>(position - 1)];
    });
}

} // namespace ZOSCOPELib::sim
