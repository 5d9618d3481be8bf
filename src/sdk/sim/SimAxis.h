#pragma once
// Axis drives (X, Y, Z, piezo Z, TIRF, the FKS offset): one travel
// implementation; a move is start, target, start time and duration, and the
// position is computed from the clock when asked.

#include "sdk/sim/SimDeviceCore.h"

namespace ZOSCOPELib::sim {

class AxisMotion final : public Mover {
public:
    // Positions are reported this often while the axis travels.
    static constexpr int64_t ReportIntervalUs = 50'000;

    AxisMotion(DeviceCore& core, std::function<AxisDescription&()> description);

    int32_t Current() const;
    void MoveTo(int32_t target); // OutOfRange outside the limits
    void Stop();
    bool Moving() const { return m_moving; }
    // Until the clock reaches the end of the move (its arrival report may
    // still be waiting for ProcessEvents).
    bool Busy() const { return m_moving && m_core.hub.Now() < m_endTime; }
    void Tick(int64_t now) override;
    int64_t Due() const override;
    const SimParameterPtr& Parameter() const { return m_parameter; }
    Limits Range() const;

    int32_t speed = 1;
    int32_t tolerance = 5;

private:
    DeviceCore& m_core;
    std::function<AxisDescription&()> m_description;
    int32_t m_position;
    int32_t m_start = 0;
    int32_t m_target = 0;
    int64_t m_startTime = 0;
    int64_t m_endTime = 0;
    int64_t m_lastReport = 0;
    bool m_moving = false;
    SimParameterPtr m_parameter;
};

template <class Iface>
class SimAxis : public SimDevice<Iface> {
public:
    SimAxis(Hub& hub, int index, std::string object, std::function<AxisDescription&()> description)
        : SimDevice<Iface>(hub, index, std::move(object)), m_motion(this->m_core, std::move(description))
    {
    }

    ParameterPtr Value() override { return Position(); }
    void SetValue(double value) override { MoveAbsolute(static_cast<int32_t>(value)); }
    ParameterPtr Position() override
    {
        return this->m_core.Call("Position", "", [this] { return ParameterPtr(m_motion.Parameter()); });
    }
    void MoveAbsolute(int32_t position) override
    {
        this->m_core.Call("MoveAbsolute", TraceArgs(position), [&] { m_motion.MoveTo(position); });
    }
    void MoveRelative(int32_t distance) override
    {
        this->m_core.Call("MoveRelative", TraceArgs(distance), [&] {
            m_motion.MoveTo(static_cast<int32_t>(static_cast<int64_t>(m_motion.Current()) + distance));
        });
    }
    void Stop() override
    {
        this->m_core.Call("Stop", "", [this] { m_motion.Stop(); });
    }
    int32_t IsBusy() override
    {
        return this->m_core.Call("IsBusy", "", [this] { return m_motion.Busy() ? 1 : 0; });
    }
    int32_t Speed() override
    {
        return this->m_core.Call("Speed", "", [this] { return m_motion.speed; });
    }
    void SetSpeed(int32_t speed) override
    {
        this->m_core.Call("SetSpeed", TraceArgs(speed), [&] { m_motion.speed = speed; });
    }
    int32_t Tolerance() override
    {
        return this->m_core.Call("Tolerance", "", [this] { return m_motion.tolerance; });
    }
    void SetTolerance(int32_t tolerance) override
    {
        this->m_core.Call("SetTolerance", TraceArgs(tolerance), [&] { m_motion.tolerance = tolerance; });
    }
    AxisMotion& Motion() { return m_motion; }

protected:
    Limits DeviceLimits() const override { return m_motion.Range(); }
    AxisMotion m_motion;
};

using SimPlainAxis = SimAxis<AxisDevice>;

class SimPiezo final : public SimAxis<PiezoDevice> {
public:
    explicit SimPiezo(Hub& hub);
    int32_t Connection() override;
    void SetConnection(int32_t value) override;
};

class SimTIRF final : public SimAxis<TIRFDevice> {
public:
    explicit SimTIRF(Hub& hub);
    ParameterPtr IsOn() override;
    void On() override;
    void Off() override;
    ParameterPtr ERG() override;
    void SetERG(int32_t value) override;

private:
    StateValue m_on;
    StateValue m_erg;
};

class SimFKS final : public SimDevice<FKSDevice> {
public:
    explicit SimFKS(Hub& hub);
    ParameterPtr Value() override { return Status(); }
    void SetValue(double value) override { value != 0 ? On() : Off(); }
    ParameterPtr Status() override;
    void On() override;
    void Off() override;
    AxisDevice& Offset() override;

private:
    StateValue m_status;
    SimPlainAxis m_offset;
};

class SimXYStage final : public SimDevice<XYStageDevice> {
public:
    SimXYStage(Hub& hub, SimPlainAxis& x, SimPlainAxis& y);
    ParameterPtr Value() override;
    void SetValue(double value) override;
    void MoveAbsolute(int32_t x, int32_t y) override;
    void Stop() override;

private:
    template <class F>
    auto Call(std::string_view member, const std::string& args, F&& body);
    SimPlainAxis& m_x;
    SimPlainAxis& m_y;
};

} // namespace ZOSCOPELib::sim
