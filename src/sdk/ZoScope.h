#pragma once
// The microscope SDK boundary. Everything the program knows of the instrument
// goes through the objects declared here; what stands behind them (today the
// simulated microscope) is invisible to the rest of the program.
//
// Conventions
// - Positions of turrets and wheels are 1-based; 0 means "no valid position"
//   (for example while a turret rotates).
// - Model codes: 1..DatabasePresetCount are built-in models, 300 and above
//   user entries, 0 "nothing known mounted".
// - A Parameter is a live value with two events. OnValueChanged: the value
//   changed. OnInfoChanged: the configuration behind it changed (codes of the
//   positions, mounting, connections). Handlers run on the thread that calls
//   into the SDK: inside the call that caused the change, or inside
//   Scope::ProcessEvents for changes that come with time (a move arriving).
// - Every failing call throws SdkError. Calls on an object before Connect(),
//   after Disconnect() or after the Scope is gone fail with NotConnected;
//   calls on a device that is not mounted fail with NotMounted.
// - On/off values: 1 on, open, in, enabled; 0 off, closed, out, disabled.

#include "sdk/Event.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ZOSCOPELib {

// ---------------------------------------------------------------- errors

enum ErrorNumber : int32_t {
    NotConnected = 1001,    // no open connection, or the Scope is gone
    NotMounted = 1002,      // the device is not part of this instrument
    OutOfRange = 1003,      // a value outside the device's limits or lists
    NotAnswering = 1004,    // the device does not answer
    ConnectFailed = 1005,   // the microscope could not be opened
    NotAvailable = 1006,    // the microscope list entry is not available
    InvalidArgument = 1007, // a name or argument the SDK does not accept
    ManualControl = 1008,   // the DIA lamp is switched to its manual control
    ReadOnly = 1009,        // a built-in database entry cannot be changed
    NotFound = 1010,        // no observation mode of that name
};

class SdkError : public std::runtime_error {
public:
    SdkError(std::string source, int32_t number, std::string description)
        : std::runtime_error(description), source_(std::move(source)), number_(number),
          description_(std::move(description))
    {
    }
    const std::string& Source() const { return source_; }   // "ZOSCOPELib.Nosepiece"
    int32_t Number() const { return number_; }
    const std::string& Description() const { return description_; }

private:
    std::string source_;
    int32_t number_;
    std::string description_;
};

// ---------------------------------------------------------------- time

// Where the SDK takes its time from. The application passes a steady clock;
// tests pass a ManualClock and advance it by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t NowMicroseconds() const = 0;
};

class SteadyClock final : public Clock {
public:
    int64_t NowMicroseconds() const override;
};

class ManualClock final : public Clock {
public:
    int64_t NowMicroseconds() const override { return now_; }
    void Advance(int64_t microseconds) { now_ += microseconds; }
    void AdvanceMs(int64_t milliseconds) { now_ += milliseconds * 1000; }

private:
    int64_t now_ = 0;
};

// ---------------------------------------------------------------- values

class Parameter {
public:
    virtual ~Parameter() = default;
    virtual int32_t Value() const = 0;
    virtual std::string ValueString() const = 0; // decimal, independent of the locale
    virtual int32_t LowerLimit() const = 0;
    virtual int32_t UpperLimit() const = 0;
    virtual double Resolution() const = 0;        // nanometres per device unit on axes, else 1

    Event OnValueChanged;
    Event OnInfoChanged;
};
using ParameterPtr = std::shared_ptr<Parameter>;

// ---------------------------------------------------------------- devices

class Device {
public:
    virtual ~Device() = default;
    virtual ParameterPtr IsMounted() = 0;     // Value 1 when present; also raises OnInfoChanged when plugged in or out
    virtual ParameterPtr Value() = 0;         // the device's main value (position, open state, ...)
    virtual void SetValue(double value) = 0;  // writes the main value
    virtual int32_t LowerLimit() = 0;
    virtual int32_t UpperLimit() = 0;
    virtual double Resolution() = 0;
};

// One position of a turret, wheel or light path.
class PositionItem {
public:
    virtual ~PositionItem() = default;
    virtual int32_t Position() = 0;           // 1-based
    virtual int32_t Code() = 0;               // model code of the optic mounted there
    virtual void SetCode(int32_t code) = 0;   // raises OnInfoChanged of the turret's Position
};

struct ObjectiveRecord {
    std::string Name;          // right-trimmed on reading; an empty name marks a free user entry
    int16_t ModelCode = 0;     // index into ObjectiveDatabase::Models()
    int16_t TypesCode = 0;     // index into Types()
    int16_t MagCode = 0;       // index into Mag()
    int16_t WDCode = 0;        // index into WDSeries()
    int16_t MethodCode = 0;    // index into Method()
    double WDSeriesCode = 0;   // working distance, 0..40, two decimals
    double NA = 0;             // numerical aperture, 0..9.99
    double MinNA = 0;          // minimum numerical aperture, 0..9.99
    int16_t FKSCode = 0;       // index into FKS(), 0..2
    bool operator==(const ObjectiveRecord&) const = default;
};

class ObjectiveItem : public PositionItem {
public:
    virtual int32_t EscapeEnabled() = 0;               // 1 when the focus escapes before the nosepiece moves
    virtual void SetEscapeEnabled(int32_t enabled) = 0;
    virtual ObjectiveRecord Objective() = 0;           // the database record of Code()
};

// Nosepiece, condenser, filter turrets, filter wheels, light path.
class TurretDevice : public Device {
public:
    virtual ParameterPtr Position() = 0;          // 1-based; 0 while moving
    virtual void SetPosition(int32_t position) = 0;
    virtual int32_t PositionCount() = 0;
    virtual PositionItem& Item(int32_t position) = 0; // 1-based
    virtual void StepForward() = 0;               // next position, after the last the first
    virtual void StepBackward() = 0;
};

class NosepieceDevice : public TurretDevice {
public:
    virtual ObjectiveItem& Objective(int32_t position) = 0; // Item() as an objective, 1-based
    virtual int32_t ALFMode() = 0;                 // 1 on, 0 off
    virtual void SetALFMode(int32_t on) = 0;       // raises OnInfoChanged of Position
    virtual int32_t RotationStopper() = 0;         // 1 on, 0 off
    virtual void SetRotationStopper(int32_t on) = 0;
    virtual void ExecuteALF() = 0;                 // brings the focus to the stored level of the objective in use
};

class FilterTurretDevice : public TurretDevice {
public:
    virtual int32_t Level() = 0;             // 1 first (upper) level of the turret mount, 2 second
    virtual void SetLevel(int32_t level) = 0;
};

class LightPathDevice : public TurretDevice {
public:
    virtual int32_t PortKind(int32_t position) = 0; // 0..6, the kind of port at that position
};

// DIA, epi and auxiliary shutters. External shutters are wired to one of two
// connectors; the built-in DIA shutter reports maker 1.
class ShutterDevice : public Device {
public:
    virtual ParameterPtr IsOpened() = 0;
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual void GetConnection(int32_t& connector, int32_t& maker) = 0; // connector 1 or 2 (0 none), maker 0 none
    virtual void Connect(int32_t connector, int32_t maker) = 0;         // the shutter is wired to that connector
    virtual void Release(int32_t connector) = 0;                       // nothing is wired there any more
};

// The fluorescence illuminator: a shutter and an ND filter.
class IlluminatorDevice : public Device {
public:
    virtual ParameterPtr IsOpened() = 0;
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual ParameterPtr NDPosition() = 0;    // 1-based
    virtual void SetNDPosition(int32_t position) = 0;
    virtual int32_t NDCount() = 0;
    virtual void NDStepForward() = 0;
    virtual void NDStepBackward() = 0;
};

// X, Y, Z, piezo Z, the TIRF position and the FKS offset drive.
class AxisDevice : public Device {
public:
    virtual ParameterPtr Position() = 0;              // device units; reported while the axis travels
    virtual void MoveAbsolute(int32_t position) = 0;  // outside LowerLimit..UpperLimit fails with OutOfRange
    virtual void MoveRelative(int32_t distance) = 0;
    virtual void Stop() = 0;
    // 1 from the moment a move is accepted until it has arrived or was
    // stopped; a position report follows either end.
    virtual int32_t IsBusy() = 0;
    virtual int32_t Speed() = 0;
    virtual void SetSpeed(int32_t speed) = 0;
    virtual int32_t Tolerance() = 0;
    virtual void SetTolerance(int32_t tolerance) = 0;
};

class PiezoDevice : public AxisDevice {
public:
    virtual int32_t Connection() = 0;            // 0 none, 1 connected, -1 connected to the second port
    virtual void SetConnection(int32_t value) = 0;
};

class XYStageDevice : public Device {
public:
    virtual void MoveAbsolute(int32_t x, int32_t y) = 0;
    virtual void Stop() = 0;
};

class TIRFDevice : public AxisDevice {
public:
    virtual ParameterPtr IsOn() = 0;
    virtual void On() = 0;
    virtual void Off() = 0;
    virtual ParameterPtr ERG() = 0;              // 1 or 0
    virtual void SetERG(int32_t value) = 0;
};

class FKSDevice : public Device {
public:
    virtual ParameterPtr Status() = 0;           // 1 while focus keeping is on
    virtual void On() = 0;
    virtual void Off() = 0;
    virtual AxisDevice& Offset() = 0;            // the offset drive
};

class LampDevice : public Device {
public:
    virtual ParameterPtr IsOn() = 0;
    virtual void On() = 0;
    virtual void Off() = 0;
    virtual ParameterPtr ControlSwitch() = 0;     // 1 the program controls the lamp, 0 the microscope's own knob
    virtual void SetControlSwitch(int32_t value) = 0;
    // Value(): the lamp level; SetValue() fails with ManualControl while the switch is 0.
};

class AnalyzerDevice : public Device {
public:
    virtual ParameterPtr IsInserted() = 0;
    virtual void In() = 0;
    virtual void Out() = 0;
};

// A camera-controller port. Value() is 1 while a controller answers on it.
class CameraPortDevice : public Device {
public:
    virtual int32_t CameraType() = 0;            // -1 unknown, 0 none, 1.. a camera type
    virtual int32_t CameraMaker() = 0;           // 0 none, 1.. a maker
    virtual void SetCamera(int32_t type, int32_t maker) = 0;
};

class ErgoControllerDevice : public Device {
public:
    // Key(0)..Key(4), KeyAB(0,A), KeyAB(0,B), KeyAB(1,A), KeyAB(1,B), Key(5).
    using KeyCodes = std::array<int32_t, 10>;
    virtual KeyCodes GetKeys() = 0;
    virtual void SetKeys(const KeyCodes& codes) = 0;
    virtual ParameterPtr SwitchEnabled() = 0;    // 1 when the A/B switch is enabled
    virtual void EnableSwitch() = 0;
    virtual void DisableSwitch() = 0;
    virtual ParameterPtr Switch() = 0;           // the switch itself: 1 pressed, 0 released
};

// Remote pad and device 21: presence only.
using PresenceDevice = Device;

// ---------------------------------------------------------------- databases

class NameDatabase {
public:
    virtual ~NameDatabase() = default;
    virtual int32_t DatabasePresetCount() = 0;   // built-in entries are codes 1..count
    virtual int32_t UserFirst() = 0;             // 300
    virtual int32_t UserLast() = 0;              // 309 or 319
    virtual std::string Name(int32_t code) = 0;  // "" for an unused code; OutOfRange outside 0..UserLast
    virtual void SetName(int32_t code, const std::string& name) = 0; // user codes only, else ReadOnly
};

struct FilterComposition {
    int32_t EX = 0; // excitation filter code, 0..319
    int32_t BA = 0; // barrier filter code, 0..319
    int32_t DM = 0; // dichroic mirror code, 0..319
    bool operator==(const FilterComposition&) const = default;
};

class FilterBlockDatabase : public NameDatabase {
public:
    virtual FilterComposition Composition(int32_t code) = 0;
    virtual void SetComposition(int32_t code, const FilterComposition& c) = 0; // user codes only
    virtual int32_t DMDatabasePresetCount() = 0;
};

class ObjectiveDatabase {
public:
    virtual ~ObjectiveDatabase() = default;
    virtual int32_t DatabasePresetCount() = 0;
    virtual std::vector<std::string> Models() = 0;
    virtual std::vector<std::string> Types() = 0;
    virtual std::vector<std::string> Mag() = 0;      // "60x", "100x", ...
    virtual std::vector<std::string> Method() = 0;
    virtual std::vector<std::string> WDSeries() = 0;
    virtual std::vector<std::string> FKS() = 0;
    virtual ObjectiveRecord Get(int32_t code) = 0;   // codes 0..309
    virtual void Set(int32_t code, const ObjectiveRecord& record) = 0; // 300..309 only
};

class ModelDatabase {
public:
    virtual ~ModelDatabase() = default;
    virtual ObjectiveDatabase& Objectives() = 0;       // codes 0..309
    virtual NameDatabase& Condensers() = 0;            // codes 0..309
    virtual FilterBlockDatabase& FilterBlocks() = 0;   // codes 0..309
    virtual NameDatabase& ExcitationFilters() = 0;     // codes 0..319
    virtual NameDatabase& BarrierFilters() = 0;        // codes 0..319
    virtual NameDatabase& DichroicMirrors() = 0;       // codes 0..319
};

// ---------------------------------------------------------------- modes

constexpr int32_t NotSet = 2147483647; // a device that is not part of a mode
using ModeRecord = std::array<int32_t, 23>;

class ObservationModeList {
public:
    virtual ~ObservationModeList() = default;
    virtual int32_t Count() = 0;
    virtual std::string ModeName(int32_t index) = 0;                 // 1-based
    virtual ModeRecord GetMode(const std::string& name) = 0;         // NotFound when absent
    virtual void SetMode(const std::string& name, const ModeRecord& values) = 0; // replaces a mode of that name
    virtual void RemoveMode(const std::string& name) = 0;
    virtual void ApplyMode(const std::string& name) = 0;             // drives every device the mode holds
};

// ---------------------------------------------------------------- root

class MicroscopeEntry {
public:
    virtual ~MicroscopeEntry() = default;
    virtual std::string Name() = 0;
    virtual bool IsAvailable() = 0;
    virtual void Connect() = 0;
    virtual void Disconnect() = 0;
};

class MicroscopeList {
public:
    virtual ~MicroscopeList() = default;
    virtual int32_t Count() = 0;
    virtual MicroscopeEntry& Item(int32_t index) = 0; // 0-based; entry 0 is the simulated microscope
};

class Scope {
public:
    virtual ~Scope() = default;

    virtual MicroscopeList& Microscopes() = 0;
    virtual MicroscopeEntry* CurrentMicroscope() = 0;
    virtual void SetCurrentMicroscope(MicroscopeEntry& entry) = 0;
    virtual int32_t SystemType() = 0;
    virtual ModelDatabase& Database() = 0;
    virtual ObservationModeList& ObservationModes() = 0;
    virtual int32_t UnitCount() = 0;
    virtual std::string UnitVersion(int32_t unit) = 0;   // "" when the unit reports none

    virtual NosepieceDevice& Nosepiece() = 0;
    virtual TurretDevice& Condenser() = 0;
    virtual FilterTurretDevice& FilterTurret1() = 0;
    virtual FilterTurretDevice& FilterTurret2() = 0;
    virtual TurretDevice& ExcitationWheel() = 0;
    virtual TurretDevice& BarrierWheel() = 0;
    virtual LightPathDevice& LightPath() = 0;
    virtual AxisDevice& ZDrive() = 0;
    virtual PiezoDevice& PiezoZ() = 0;
    virtual AxisDevice& XAxis() = 0;
    virtual AxisDevice& YAxis() = 0;
    virtual XYStageDevice& XYStage() = 0;
    virtual TIRFDevice& TIRF() = 0;
    virtual FKSDevice& FKSUnit() = 0;
    virtual LampDevice& DiaLamp() = 0;
    virtual IlluminatorDevice& Irlux() = 0;
    virtual ShutterDevice& DiaShutter() = 0;
    virtual ShutterDevice& EpiShutter() = 0;
    virtual ShutterDevice& AuxShutter() = 0;
    virtual AnalyzerDevice& Analyzer() = 0;
    virtual CameraPortDevice& KMX1() = 0;
    virtual CameraPortDevice& KMX2() = 0;
    virtual PresenceDevice& RemotePad() = 0;
    virtual ErgoControllerDevice& ErgoController() = 0;
    virtual PresenceDevice& Device21() = 0;

    // Device by presence index 0..23 (0 DIA lamp ... 23 ergo controller).
    virtual Device& DeviceAt(int32_t index) = 0;

    // Delivers, on the calling thread, the events that time has brought
    // (moves arriving, positions reported while an axis travels). The
    // application calls it from its event loop.
    virtual void ProcessEvents() = 0;
    // Microseconds until ProcessEvents has something to deliver; -1 when idle.
    virtual int64_t NextEventDue() = 0;
};

struct ScopeOptions {
    std::shared_ptr<const Clock> clock;  // required
    std::string instrumentFile;          // "" = $ZO_SIM_INSTRUMENT, or the built-in instrument
    std::string stateFolder;             // "" = $XDG_CONFIG_HOME/ZoControl/Simulator
    std::string traceFile;               // "" = $ZO_SIM_TRACE, or no trace
};

// Creates the root object. Fails with SdkError when the instrument
// description cannot be used.
std::unique_ptr<Scope> CreateScope(const ScopeOptions& options);

// The version of the SDK library itself, "major.minor.build".
std::string LibraryVersion();

} // namespace ZOSCOPELib
