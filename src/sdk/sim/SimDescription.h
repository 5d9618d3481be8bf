#pragma once
// What the simulated instrument is: which devices it has, their ranges and
// positions, what is mounted in each turret, its model databases, stored
// observation modes, key assignments and connections. A complete default is
// built in; a description file overrides any part of it, and the saved
// configuration state is applied the same way on top.

#include "sdk/DeviceIndex.h"
#include "sdk/ZoScope.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace ZOSCOPELib::sim {

// The SDK's object name of each presence index ("Nosepiece", "XAxis", ...).
const char* DeviceObjectName(int index);
int DeviceIndexOf(std::string_view objectName); // -1 when unknown

struct TurretDescription {
    int32_t count = 6;
    std::vector<int32_t> codes;     // per position, 0 = nothing known
    std::vector<int32_t> escape;    // nosepiece only
    std::vector<int32_t> portKinds; // light path only
    int32_t position = 1;
    int32_t delayMs = 300;          // per position step
    int32_t level = 1;              // filter turrets only
};

struct AxisDescription {
    int32_t lower = 0;
    int32_t upper = 0;
    double resolution = 1;  // nanometres per device unit
    int32_t speed = 1000;   // device units per second
    int32_t position = 0;
};

struct ShutterDescription {
    bool builtIn = false;   // a built-in shutter reports maker 1 and needs no wiring
    int32_t connector = 0;  // 1 or 2 while wired (a built-in shutter reports it too)
    int32_t maker = 0;
};

struct CameraDescription {
    int32_t type = 0;
    int32_t maker = 0;
};

struct MicroscopeDescription {
    std::string name;
    bool available = true;
};

struct FilterBlockEntry {
    std::string name;
    FilterComposition composition;
};

struct Databases {
    std::array<std::vector<std::string>, 6> objectiveLists; // Models, Types, Mag, Method, WDSeries, FKS
    std::map<int32_t, ObjectiveRecord> objectives;          // by code
    std::map<int32_t, std::string> condensers;
    std::map<int32_t, FilterBlockEntry> filterBlocks;
    std::map<int32_t, std::string> excitationFilters;
    std::map<int32_t, std::string> barrierFilters;
    std::map<int32_t, std::string> dichroicMirrors;
};

// A call that the instrument refuses from the start: object.member fails with
// the error number, `times` times or always (negative); "*" matches anything.
struct FaultDescription {
    std::string object;
    std::string member;
    int32_t number = 0;
    int times = -1;
};

struct Description {
    int32_t systemType = 5;
    std::array<bool, DeviceIndex::Count> mounted{};
    std::vector<MicroscopeDescription> microscopes; // entries after the simulator (entry 0)
    std::vector<std::string> unitVersions;

    // Turrets by presence index (nosepiece, condenser, both filter turrets,
    // both wheels, light path) and the illuminator's ND wheel.
    std::map<int, TurretDescription> turrets;
    TurretDescription ndWheel;
    int32_t alfMode = 0;
    int32_t rotationStopper = 0;

    // Axes by presence index (X, Y, Z, piezo, TIRF) and the FKS offset drive.
    std::map<int, AxisDescription> axes;
    AxisDescription fksOffset;
    int32_t piezoConnection = 1;

    std::map<int, ShutterDescription> shutters; // DIA, epi, AUX
    std::map<int, CameraDescription> cameras;   // KMX1, KMX2
    AxisDescription lamp;                       // level range and start level

    ErgoControllerDevice::KeyCodes ergoKeys{};
    int32_t ergoSwitchEnabled = 1;

    Databases databases;
    std::vector<std::pair<std::string, ModeRecord>> modes;

    // Faults of the hardware; never part of the saved state.
    std::vector<int> notAnswering; // presence indexes
    std::vector<FaultDescription> faults;

    // The complete default instrument: every device mounted, system type 5.
    static Description Default();

    // Applies a description text on top of this one. Throws SdkError
    // (InvalidArgument) naming origin and line for anything it cannot use.
    void Apply(std::string_view text, const std::string& origin);

    // The configuration that survives a restart, as text Apply() reads back.
    std::string StateText() const;
};

} // namespace ZOSCOPELib::sim
