#pragma once
// Turrets, wheels and the light path: one position-device implementation
// whose differences are data (position count, codes, delay per step).

#include "sdk/sim/SimDeviceCore.h"

#include <functional>
#include <memory>
#include <vector>

namespace ZOSCOPELib::sim {

// The moving part of every position device (also the illuminator's ND
// wheel): 1-based position, 0 while turning, the arrival raised from the
// clock.
class TurretMotion final : public Mover {
public:
    TurretMotion(DeviceCore& core, std::string member, std::function<TurretDescription&()> description);

    int32_t Count() const { return m_description().count; }
    int32_t Current() const { return m_moving ? 0 : m_position; }
    int32_t Settled() const { return m_position; } // the last position reached
    void MoveTo(int32_t position);                  // OutOfRange outside 1..Count
    void Step(int direction);
    void Tick(int64_t now) override;
    int64_t Due() const override { return m_moving ? m_end : -1; }
    const SimParameterPtr& Parameter() const { return m_parameter; }

private:
    DeviceCore& m_core;
    std::function<TurretDescription&()> m_description;
    int32_t m_position;
    int32_t m_target = 0;
    bool m_moving = false;
    int64_t m_end = 0;
    SimParameterPtr m_parameter;
};

class SimTurretBase;

// One position of a turret; nosepiece positions also answer as objectives.
class SimPositionItem final : public ObjectiveItem {
public:
    SimPositionItem(SimTurretBase& turret, int32_t position) : m_turret(turret), m_position(position) {}
    int32_t Position() override;
    int32_t Code() override;
    void SetCode(int32_t code) override;
    int32_t EscapeEnabled() override;
    void SetEscapeEnabled(int32_t enabled) override;
    ObjectiveRecord Objective() override;

private:
    template <class F>
    auto Call(std::string_view member, const std::string& args, F&& body);
    SimTurretBase& m_turret;
    int32_t m_position;
};

// The shared state of every turret, independent of which SDK interface it
// answers to.
class SimTurretBase {
public:
    SimTurretBase(DeviceCore& core);
    virtual ~SimTurretBase() = default;

    TurretDescription& Described() const { return m_turretCore.hub.Config().turrets.at(m_turretCore.index); }
    DeviceCore& Core() const { return m_turretCore; }
    TurretMotion& Motion() { return m_motion; }
    PositionItem& ItemAt(int32_t position);
    ObjectiveItem& ObjectiveAt(int32_t position);
    // A configuration shown by this turret changed: its Position raises OnInfoChanged.
    void InfoChanged();

private:
    DeviceCore& m_turretCore;
    TurretMotion m_motion;
    std::vector<std::unique_ptr<SimPositionItem>> m_items;
};

template <class Iface>
class SimTurret : public SimDevice<Iface>, public SimTurretBase {
public:
    SimTurret(Hub& hub, int index) : SimDevice<Iface>(hub, index, DeviceObjectName(index)), SimTurretBase(SimDevice<Iface>::m_core) {}

    ParameterPtr Value() override { return Position(); }
    void SetValue(double value) override { SetPosition(static_cast<int32_t>(value)); }
    ParameterPtr Position() override
    {
        return SimDevice<Iface>::m_core.Call("Position", "", [this] { return ParameterPtr(Motion().Parameter()); });
    }
    void SetPosition(int32_t position) override
    {
        SimDevice<Iface>::m_core.Call("SetPosition", TraceArgs(position), [&] { Motion().MoveTo(position); });
    }
    int32_t PositionCount() override
    {
        return SimDevice<Iface>::m_core.Call("PositionCount", "", [this] { return Motion().Count(); });
    }
    PositionItem& Item(int32_t position) override
    {
        return *SimDevice<Iface>::m_core.Call("Item", TraceArgs(position), [&] { return &ItemAt(position); });
    }
    void StepForward() override
    {
        SimDevice<Iface>::m_core.Call("StepForward", "", [this] { Motion().Step(1); });
    }
    void StepBackward() override
    {
        SimDevice<Iface>::m_core.Call("StepBackward", "", [this] { Motion().Step(-1); });
    }

protected:
    Limits DeviceLimits() const override { return {1, Described().count, 1}; }
};

class SimNosepiece final : public SimTurret<NosepieceDevice> {
public:
    SimNosepiece(Hub& hub, std::function<AxisDevice*()> zDrive);
    ObjectiveItem& Objective(int32_t position) override;
    int32_t ALFMode() override;
    void SetALFMode(int32_t on) override;
    int32_t RotationStopper() override;
    void SetRotationStopper(int32_t on) override;
    void ExecuteALF() override;
    void SetPosition(int32_t position) override;

private:
    void SetFlag(std::string_view member, int32_t& flag, int32_t on);
    std::function<AxisDevice*()> m_zDrive;
    std::vector<int32_t> m_focus; // Z level last used with each objective, -1 none
};

class SimFilterTurret final : public SimTurret<FilterTurretDevice> {
public:
    using SimTurret::SimTurret;
    int32_t Level() override;
    void SetLevel(int32_t level) override;
};

class SimLightPath final : public SimTurret<LightPathDevice> {
public:
    using SimTurret::SimTurret;
    int32_t PortKind(int32_t position) override;
};

using SimPlainTurret = SimTurret<TurretDevice>;

} // namespace ZOSCOPELib::sim
