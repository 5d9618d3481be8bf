#pragma once
// The pad's controls in the pad's own order (the order in which the layout
// engine searches them by name), with the pad's member that holds each one
// and what decides its look and visibility. The pad creates every control
// from its row, of the type of its member, so no member is left empty.

#include <span>
#include <string>
#include <string_view>
#include <variant>

class QGroupBox;
class QWidget;
class PadReadout;
class frmZoControl;
struct LangPadTips;
class usrComboBox;
class usrMPButton;
class usrPButton;
class usrXYspin;
class usrXscrollZo;
class usrZspin;

// The pad's member that holds a control. A QGroupBox is a group frame drawn
// behind the controls of its group, the plain QWidget is picTittle (holding
// imgTitle).
template <class Control>
using PadMember = Control* frmZoControl::*;
using PadField = std::variant<PadMember<QGroupBox>, PadMember<QWidget>, PadMember<PadReadout>, PadMember<usrComboBox>,
                              PadMember<usrPButton>, PadMember<usrMPButton>, PadMember<usrXscrollZo>,
                              PadMember<usrXYspin>, PadMember<usrZspin>>;

// What has to be mounted for a control to show: a DeviceIndex, or one of
// these.
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

struct PadControlInfo {
    std::string_view Name;
    PadField Field;
    int Height;           // designed height, twips
    int Entry;            // ControlVisible entry; -1: no switch
    int Device;           // DeviceIndex or PadDevice
    PadGroup Group;
    std::string_view Icon; // file below :/pad/icons/ without ".svg"; "" none
    std::string LangPadTips::* Tip; // what the control does (its tooltip); null: none

    bool IsFrame() const { return std::holds_alternative<PadMember<QGroupBox>>(Field); }
};

std::span<const PadControlInfo> PadControls();
// The entry of a control, null for an unknown name.
const PadControlInfo* FindPadControl(std::string_view name);
