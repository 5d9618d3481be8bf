#pragma once
// Devices whose state is a few switches: shutters, the illuminator, the DIA
// lamp, the analyzer, the camera ports, the ergo controller and the
// presence-only devices.

#include "sdk/sim/SimDeviceCore.h"
#include "sdk/sim/SimTurret.h"

namespace ZOSCOPELib::sim {

class SimShutter final : public SimDevice<ShutterDevice> {
public:
    SimShutter(Hub& hub, int index);
    ParameterPtr Value() override { return IsOpened(); }
    void SetValue(double value) override { value != 0 ? Open() : Close(); }
    ParameterPtr IsOpened() override;
    void Open() override;
    void Close() override;
    void GetConnection(int32_t& connector, int32_t& maker) override;
    void Connect(int32_t connector, int32_t maker) override;
    void Release(int32_t connector) override;

private:
    ShutterDescription& Wiring() { return m_core.hub.Config().shutters.at(m_core.index); }
    StateValue m_opened;
};

class SimIlluminator final : public SimDevice<IlluminatorDevice> {
public:
    explicit SimIlluminator(Hub& hub);
    ParameterPtr Value() override { return IsOpened(); }
    void SetValue(double value) override { value != 0 ? Open() : Close(); }
    ParameterPtr IsOpened() override;
    void Open() override;
    void Close() override;
    ParameterPtr NDPosition() override;
    void SetNDPosition(int32_t position) override;
    int32_t NDCount() override;
    void NDStepForward() override;
    void NDStepBackward() override;

private:
    StateValue m_opened;
    TurretMotion m_nd;
};

class SimLamp final : public SimDevice<LampDevice> {
public:
    explicit SimLamp(Hub& hub);
    ParameterPtr Value() override;
    void SetValue(double value) override;
    ParameterPtr IsOn() override;
    void On() override;
    void Off() override;
    ParameterPtr ControlSwitch() override;
    void SetControlSwitch(int32_t value) override;

protected:
    Limits DeviceLimits() const override;

private:
    void CheckControl() const;
    StateValue m_on;
    StateValue m_level;
    StateValue m_switch;
};

class SimAnalyzer final : public SimDevice<AnalyzerDevice> {
public:
    explicit SimAnalyzer(Hub& hub);
    ParameterPtr Value() override { return IsInserted(); }
    void SetValue(double value) override { value != 0 ? In() : Out(); }
    ParameterPtr IsInserted() override;
    void In() override;
    void Out() override;

private:
    StateValue m_in;
};

class SimCameraPort final : public SimDevice<CameraPortDevice> {
public:
    SimCameraPort(Hub& hub, int index);
    ParameterPtr Value() override;
    void SetValue(double value) override;
    int32_t CameraType() override;
    int32_t CameraMaker() override;
    void SetCamera(int32_t type, int32_t maker) override;
    // The port's value follows presence; the hub raises it with IsMounted.
    const SimParameterPtr& PortValue() const { return m_value; }

private:
    CameraDescription& Camera() { return m_core.hub.Config().cameras.at(m_core.index); }
    SimParameterPtr m_value;
};

class SimErgo final : public SimDevice<ErgoControllerDevice> {
public:
    explicit SimErgo(Hub& hub);
    ParameterPtr Value() override { return Switch(); }
    void SetValue(double value) override;
    KeyCodes GetKeys() override;
    void SetKeys(const KeyCodes& codes) override;
    ParameterPtr SwitchEnabled() override;
    void EnableSwitch() override;
    void DisableSwitch() override;
    ParameterPtr Switch() override;
    // The operator's hand on the switch (the control API presses it).
    void Press(bool pressed) { m_switch.Set(pressed ? 1 : 0); }

private:
    void SetEnabled(std::string_view member, int32_t value);
    SimParameterPtr m_enabled;
    StateValue m_switch;
};

class SimPresence final : public SimDevice<Device> {
public:
    SimPresence(Hub& hub, int index) : SimDevice(hub, index, DeviceObjectName(index)) {}
    ParameterPtr Value() override { return IsMounted(); }
    void SetValue(double value) override;
};

} // namespace ZOSCOPELib::sim
