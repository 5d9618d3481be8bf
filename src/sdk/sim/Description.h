#pragma once
// What the simulated instrument is: the hardware (which devices, limits,
// position counts, built-in databases) and its configuration (what is mounted
// where, user database entries, connections, modes, keys). The configuration
// is what the instrument keeps across restarts; the rest comes from the
// description file or the built-in default.

#include "sdk/ZoScope.h"
#include "sdk/sim/SimIds.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ZOSCOPELib::sim {

constexpr int32_t UserFirst = 300;
constexpr int32_t ObjectiveUserLast = 309;
constexpr int32_t MaxPositions = 12;
constexpr int32_t MaxModes = 64;
constexpr int32_t MaxMicroscopes = 16;
constexpr int32_t MaxUnits = 16;
constexpr int32_t MaxNameLength = 64;
constexpr int32_t MaxListEntries = 100;
constexpr int32_t MaxPresetCount = 299;
constexpr int32_t MaxCameraType = 6;
constexpr int32_t MaxCameraMaker = 3;
constexpr int32_t MaxShutterMaker = 99;
constexpr int32_t MaxPortKind = 6;

// Highest code of a name table: 309 or 319.
int32_t UserLast(int tableIndex);

struct PositionSpec {
    int32_t count = 6;
    int32_t stepDelayMs = 300; // per position step
    int32_t position = 1;      // where it stands at start
    bool operator==(const PositionSpec&) const = default;
};

struct AxisSpec {
    int32_t lower = 0;
    int32_t upper = 0;
    double resolution = 1;   // nanometres per unit
    int32_t travelSpeed = 1; // units per second at Speed 1
    int32_t position = 0;
    int32_t speed = 1;
    int32_t tolerance = 5;
    bool operator==(const AxisSpec&) const = default;
};

struct Wire {
    int32_t use = use::None; // which shutter is wired to the connector
    int32_t maker = 0;
    bool operator==(const Wire&) const = default;
};

struct CameraSetting {
    int32_t type = 0; // -1 unknown, 0 none, 1.. a camera type
    int32_t maker = 0;
    bool operator==(const CameraSetting&) const = default;
};

struct StoredMode {
    std::string name;
    ModeRecord values{};
    bool operator==(const StoredMode&) const = default;
};

struct MicroscopeSpec {
    std::string name;
    bool available = false;
    bool operator==(const MicroscopeSpec&) const = default;
};

// The part of the instrument that survives a restart.
struct Configuration {
    std::array<std::vector<int32_t>, turret::Count> codes; // per position; empty for the ND filter
    std::vector<int32_t> escape;                            // per nosepiece position, 1 or 0
    int32_t alfMode = 0;
    int32_t rotationStopper = 0;
    std::array<int32_t, 2> levels{1, 2}; // filter turret 1 and 2
    std::array<Wire, 2> connectors;
    int32_t piezoConnection = 1;
    std::array<CameraSetting, 2> cameras;
    ErgoControllerDevice::KeyCodes ergoKeys{};
    int32_t ergoSwitchEnabled = 1;
    std::array<ObjectiveRecord, ObjectiveUserLast - UserFirst + 1> userObjectives;
    std::array<std::vector<std::string>, table::Count> userNames; // code - 300
    std::array<FilterComposition, 10> userCompositions;
    std::vector<StoredMode> modes;
    bool operator==(const Configuration&) const = default;
};

struct Description {
    int32_t systemType = 5;
    std::vector<std::string> unitVersions;
    std::vector<MicroscopeSpec> microscopes; // entries 1.. of the microscope list
    std::array<bool, dev::Count> present{};
    std::array<PositionSpec, turret::Count> turrets;
    std::vector<int32_t> focusLevels; // Z level per nosepiece position (ALF)
    std::vector<int32_t> portKinds;   // per light-path position, 0..6
    std::array<AxisSpec, axis::Count> axes;
    std::array<int32_t, flag::Count> flags{}; // states at start
    int32_t lampLevel = 0;
    int32_t lampLower = 0;
    int32_t lampUpper = 24;
    bool diaBuiltIn = true;
    std::array<bool, 2> cameraAnswering{true, true};
    std::array<std::vector<std::string>, 6> objectiveLists; // Models, Types, Mag, Method, WDSeries, FKS
    std::vector<ObjectiveRecord> objectives;                 // codes 1..n
    std::array<std::vector<std::string>, table::Count> names; // built-in codes 1..n
    std::vector<FilterComposition> compositions;              // built-in filter blocks 1..n
    Configuration config;
    bool operator==(const Description&) const = default;

    // Keeps the per-position lists as long as the position counts.
    void FitPositionLists();
};

// The complete built-in instrument: every device mounted, system type 5.
Description DefaultDescription();

} // namespace ZOSCOPELib::sim
