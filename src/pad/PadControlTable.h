#pragma once
// The pad's controls in the pad's own order (the order in which the layout
// engine searches them by name), with what decides each one's look and
// visibility.

#include <span>
#include <string_view>

enum class PadKind {
    Frame,      // group frame drawn behind the controls of a group
    Title,      // picTittle, holding imgTitle
    Text,       // position text box
    Combo,      // usrComboBox
    PushButton, // usrPButton
    TwoState,   // usrMPButton with states 1 and 2
    ThreeState, // usrMPButton with states 1, 2 and 3
    ScrollBar,  // usrXscrollZo
    XYSpin,     // usrXYspin
    ZSpin,      // usrZspin
};

// What has to be mounted for a control to show: a clsZo::IsMounted index
// 0..23, or one of these.
enum PadDevice : int {
    kAlwaysMounted = -1, // no device (frames, pictures, the laser modulator, ...)
    kFirstFilterRow = 100, // the turret that cboFL1 shows (2 when the turrets are exchanged)
    kSecondFilterRow,      // the turret that cboFL2 shows
    kXYStage,              // X and Y axes
    kNosepieceAndZ,        // the nosepiece modes (ALF, rotation stopper)
    kAnyStageAxis,         // the stage window: X, Y, Z or piezo
};

// The group frame around a control in the grouped layouts (2, 4, 6, 8).
enum class PadGroup { None, DIA, Fluorescence, TIRF };

// Texts for tooltips that are not a device name.
enum PadTip : int {
    kNoTip = -1,
    kTipObservationModes = -10,
    kTipLaserModulator = -11,
    kTipStageWindow = -12,
    kTipTIRFWindow = -13,
    kTipRotationStopper = -14,
    kTipALFMode = -15,
};

struct PadControlInfo {
    std::string_view Name;
    PadKind Kind;
    int Height;           // designed height, twips
    int Entry;            // ControlVisible entry; -1: no switch
    int Device;           // IsMounted index or PadDevice
    PadGroup Group;
    std::string_view Icon; // file below :/pad/icons/ without ".svg"; "" none
    int Tip;              // device-name index (DeviceNames) or PadTip
};

std::span<const PadControlInfo> PadControls();
// The entry of a control, null for an unknown name.
const PadControlInfo* FindPadControl(std::string_view name);
