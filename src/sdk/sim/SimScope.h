#pragma once
// The simulated microscope's object tree: the root object the program holds.
// It owns the hub and every device.

#include "sdk/sim/SimAxis.h"
#include "sdk/sim/SimDatabase.h"
#include "sdk/sim/SimHub.h"
#include "sdk/sim/SimModes.h"
#include "sdk/sim/SimSwitchDevices.h"
#include "sdk/sim/SimTurret.h"

#include <memory>
#include <vector>

namespace ZOSCOPELib::sim {

class SimScope;

class SimMicroscopeEntry final : public MicroscopeEntry {
public:
    SimMicroscopeEntry(Hub& hub, int32_t index) : m_hub(hub), m_index(index) {}
    std::string Name() override;
    bool IsAvailable() override;
    void Connect() override;
    void Disconnect() override;

private:
    std::string Object() const { return "Microscopes[" + std::to_string(m_index) + "]"; }
    Hub& m_hub;
    int32_t m_index;
};

class SimMicroscopeList final : public MicroscopeList {
public:
    explicit SimMicroscopeList(Hub& hub);
    int32_t Count() override;
    MicroscopeEntry& Item(int32_t index) override;

private:
    Hub& m_hub;
    std::vector<std::unique_ptr<SimMicroscopeEntry>> m_entries;
};

class SimScope final : public Scope {
public:
    SimScope(std::shared_ptr<const Clock> clock, Description base, std::string stateFile, std::string traceFile);
    ~SimScope() override;

    MicroscopeList& Microscopes() override { return *m_microscopes; }
    MicroscopeEntry* CurrentMicroscope() override;
    void SetCurrentMicroscope(MicroscopeEntry& entry) override;
    int32_t SystemType() override;
    ModelDatabase& Database() override;
    ObservationModeList& ObservationModes() override { return *m_modes; }
    int32_t UnitCount() override;
    std::string UnitVersion(int32_t unit) override;

    NosepieceDevice& Nosepiece() override { return *m_nosepiece; }
    TurretDevice& Condenser() override { return *m_condenser; }
    FilterTurretDevice& FilterTurret1() override { return *m_filter1; }
    FilterTurretDevice& FilterTurret2() override { return *m_filter2; }
    TurretDevice& ExcitationWheel() override { return *m_exWheel; }
    TurretDevice& BarrierWheel() override { return *m_baWheel; }
    LightPathDevice& LightPath() override { return *m_lightPath; }
    AxisDevice& ZDrive() override { return *m_z; }
    PiezoDevice& PiezoZ() override { return *m_piezo; }
    AxisDevice& XAxis() override { return *m_x; }
    AxisDevice& YAxis() override { return *m_y; }
    XYStageDevice& XYStage() override { return *m_xy; }
    TIRFDevice& TIRF() override { return *m_tirf; }
    FKSDevice& FKSUnit() override { return *m_fks; }
    LampDevice& DiaLamp() override { return *m_lamp; }
    IlluminatorDevice& Irlux() override { return *m_irlux; }
    ShutterDevice& DiaShutter() override { return *m_diaShutter; }
    ShutterDevice& EpiShutter() override { return *m_epiShutter; }
    ShutterDevice& AuxShutter() override { return *m_auxShutter; }
    AnalyzerDevice& Analyzer() override { return *m_analyzer; }
    CameraPortDevice& KMX1() override { return *m_kmx1; }
    CameraPortDevice& KMX2() override { return *m_kmx2; }
    PresenceDevice& RemotePad() override { return *m_remotePad; }
    ErgoControllerDevice& ErgoController() override { return *m_ergo; }
    PresenceDevice& Device21() override { return *m_device21; }
    Device& DeviceAt(int32_t index) override;

    void ProcessEvents() override;
    int64_t NextEventDue() override;

    Hub& GetHub() { return *m_hub; }
    SimErgo& Ergo() { return *m_ergo; }
    // The parameters that follow a device's presence (IsMounted, a camera port's value).
    std::vector<SimParameterPtr> PresenceParameters(int index);

private:
    // Declared first, destroyed last: the devices go before the hub they report to.
    std::shared_ptr<Hub> m_hub;
    std::unique_ptr<SimMicroscopeList> m_microscopes;
    MicroscopeEntry* m_current = nullptr;

    std::unique_ptr<SimLamp> m_lamp;
    std::unique_ptr<SimIlluminator> m_irlux;
    std::unique_ptr<SimShutter> m_diaShutter, m_epiShutter, m_auxShutter;
    std::unique_ptr<SimPlainTurret> m_baWheel, m_exWheel, m_condenser;
    std::unique_ptr<SimFilterTurret> m_filter1, m_filter2;
    std::unique_ptr<SimNosepiece> m_nosepiece;
    std::unique_ptr<SimFKS> m_fks;
    std::unique_ptr<SimLightPath> m_lightPath;
    std::unique_ptr<SimTIRF> m_tirf;
    std::unique_ptr<SimPlainAxis> m_x, m_y, m_z;
    std::unique_ptr<SimPiezo> m_piezo;
    std::unique_ptr<SimCameraPort> m_kmx1, m_kmx2;
    std::unique_ptr<SimAnalyzer> m_analyzer;
    std::unique_ptr<SimPresence> m_device21, m_remotePad;
    std::unique_ptr<SimErgo> m_ergo;
    std::unique_ptr<SimXYStage> m_xy;
    std::unique_ptr<SimModelDatabase> m_database;
    std::unique_ptr<SimModes> m_modes;
    std::vector<Device*> m_byIndex;
    std::vector<const DeviceCore*> m_cores; // same order
};

} // namespace ZOSCOPELib::sim
