#pragma once

#include "model/clsPadParameters.h"
#include "pad/ListDeviceBinding.h"
#include "pad/PadCommandPath.h"
#include "pad/PadModeMatch.h"
#include "pad/PadControlTable.h"
#include "pad/ParameterBinding.h"
#include "pad/PadLayoutSurface.h"
#include "pad/PadLayoutSwitches.h"
#include "pad/ToggleDeviceBinding.h"
#include "settings/SettingsHost.h"
#include "widgets/SvgIconRegistry.h"
#include "windows/PadMemoryHost.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class FrameThrottle;
class LayoutEngine;
class PadPicture;
class QGroupBox;
class PadReadout;
class QStatusBar;
class QTimer;
class clsCodeNames;
class clsPadFunctions;
class clsPadKeyboard;
class clsPadMemories;
class clsPadMotion;
class PadStatusLine;
class clsPadStepping;
class clsComponent;
class clsPositionCodes;
class frmSettingMain;
class frmStage;
class frmTIRF;
class usrComboBox;
class usrMPButton;
class usrPButton;
class SpinControl;
class usrXYspin;
class usrXscrollZo;
class usrZspin;
namespace ZOSCOPELib {
class AxisDevice;
class Scope;
class TurretDevice;
} // namespace ZOSCOPELib

// The control pad: one small panel per device of the connected microscope,
// following the instrument live (device to screen, through the parameter
// members m_mip...) and turning a click into one SDK call (screen to device).
// Panels of devices that are not mounted are hidden. Constructing the window
// is its load; closing it (after the question, for the close box and
// picExit) runs the program's shutdown.
//
// Controls are children of the window, found by their object names (the
// names of the pad's controls). The group frames are drawn behind the
// controls of their group; the controls are not their children, so every
// layout places every control in the window's coordinates.
class frmZoControl : public QWidget, public clsPadParameters, public SettingsHost, public PadMemoryHost {
    Q_OBJECT
public:
    explicit frmZoControl(QWidget* parent = nullptr);
    ~frmZoControl() override;

    // ---- the pad's parameter members, in their declared order ------------
    ParameterBinding m_mipNosepisePos;
    ParameterBinding m_mipIrluxIsOn;
    ParameterBinding m_mipIrlux;
    ParameterBinding m_mipTIRFIsOn;
    ParameterBinding m_mipDIALampPos;
    ParameterBinding m_mipTIRFERG;
    ParameterBinding m_mipEpi;
    ParameterBinding m_mipFL2;
    ParameterBinding m_mipCNTLDIA;
    ParameterBinding m_mipDIAShutter;
    ParameterBinding m_mipPathPos;
    ParameterBinding m_mipAUX;
    ParameterBinding m_mipCon;
    ParameterBinding m_mipEX;
    ParameterBinding m_mipFKS;
    ParameterBinding m_mipAnlyz;
    ParameterBinding m_mipXPos;
    ParameterBinding m_mipYPos;
    ParameterBinding m_mipZPos;
    ParameterBinding m_mipPiezoPos;
    ParameterBinding m_mipDIALampIsOn;
    ParameterBinding m_mipFKSOffset;
    ParameterBinding m_mipFL1;
    ParameterBinding m_mipBA;
    ParameterBinding m_mipTIRFPos;

    // ---- operations other windows and the start-up call --------------------
    // Initialises every device panel (start-up, picStatus), advancing the
    // splash's progress bar from 65 to 100.
    void sub_SetInitialStatus();
    // After a settings change: visibility and layout when a layout change is
    // pending, the shutters, and every device whose re-initialise flag is set.
    void sub_ReadStatus() override;
    // The layout page: whether the next layout application centres the pad.
    void SetLayoutCentring(bool centre) override;
    // Shows or hides every panel: device mounted, its switch in
    // ControlVisible, and in the grouped layouts its group frame.
    void sub_SetVisible();
    // Captions, tooltips and the texts of the lists that come from the
    // language file.
    Q_INVOKABLE void sub_RefreshLanguage();

    void m_mipZPos_OnValueChanged();
    void m_mipPiezoPos_OnValueChanged();
    void m_mipCNTLDIA_OnValueChanged();

    // ---- position memories (the stage and TIRF windows call these) ----------
    // Rebuild a memory list from its table, keeping the selected slot.
    void sub_SetMemoryXY();
    void sub_SetMemoryZ();
    void sub_SetMemoryPiezo();
    void sub_SetMemoryTIRF();
    // The store buttons: the position shown into the selected slot.
    void picMEMXY_Click();
    void picMEMZ_Click();
    void picMEMPiezo_Click();
    // The memories as the stage and TIRF windows reach them.
    bool func_StoreMemory(Kind kind, int slot) override;
    // As above for a caller away from the pad: a refusal as text, no box.
    bool func_StoreMemory(Kind kind, int slot, std::string& refusal);
    bool func_MoveMemories(const std::vector<Recall>& recalls) override;
    bool func_Reachable(Kind kind, const std::vector<int32_t>& deviceValues) override;
    bool func_Send(int device, const std::function<void()>& call, const std::function<void()>& reread) override;
    void sub_SetMemory(Kind kind) override;

    // ---- keyboard ----------------------------------------------------------------
    // Runs the function assigned to a shortcut key (virtual-key number
    // 33..40 or 116..123); other keys do nothing.
    void HotKeyDownEvent(int virtualKey);
    // Takes the keyboard hook out (the unload); the pad's keys act no more.
    void sub_RemoveKeyboardHook();

    // The model's lookup of the pad's parameters (observation-mode capture).
    ZOSCOPELib::ParameterPtr func_PadParameter(Item item) override;

    // ---- commands from elsewhere (scripts) -----------------------------------
    // The pad's own command for a device value, as a click sends it: a list
    // position (nosepiece, condenser, turret 1 and 2, wheels, light path, ND
    // filter), an on-off state (1 on, else off) or the DIA lamp level; the
    // FKS offset and the axes move as moves do. Busy while a recall holds
    // the pad.
    PadCommandResult func_Command(Item item, int32_t value);
    // Moves axes to device positions (hold: as a recall, the windows held
    // until the moves are over); refused with message 82's text outside the
    // limits.
    PadCommandResult func_MoveAxes(const std::vector<std::pair<Axis, int32_t>>& targets, bool hold);
    // Stop on every axis that moves (the Stop button, Escape); whether any did.
    bool func_StopAll();
    PadCommandPath& Commands() { return *m_Commands; }
    clsPadMotion& Motion() { return *m_Motion; }
    // Which observation mode the instrument is in (index in cboCHGMode, -1 none).
    int MatchingMode() const { return m_ModeMatch.Matching(); }

    // Activation as the window system reports it; public so that the
    // start-up and tests can drive it where no window manager activates.
    void Form_Activate();
    void Form_Deactivate();
    // True while the pad is the active window (keyboard functions act only then).
    bool HotKeyEnabled() const { return m_HotKeyEnabled; }
    bool SettingsOpen() const { return m_SettingsOpen; }

    // Unloads the pad from code: no question, then the program's shutdown.
    void sub_Unload();
    // Steps of the unload that only the pad knows (the shutdown runs them).
    void sub_UnloadOtherWindows();
    void sub_ReleaseParameters();

    // The stage stepping reads these: magnification (0 when not known) and
    // numerical aperture of the objective at nosepiece position 1..6, and
    // the display factor of an axis (display value = device value x factor).
    int16_t ObjectiveMagnification(int position) const;
    double ObjectiveNA(int position) const;
    double DisplayFactor(Axis axis) const override { return m_Factor[axis]; }
    // The drive of an axis (the FKS axis is the FKS unit's offset drive).
    static ZOSCOPELib::AxisDevice& AxisDeviceOf(Axis axis);
    ZOSCOPELib::AxisDevice& func_AxisDevice(Axis axis) const override { return AxisDeviceOf(axis); }
    // The spin control of a stage axis and its part in it (X and Y share
    // spnStageXY); no control for TIRF and FKS, which have scroll bars.
    std::pair<SpinControl*, int> SpinOf(Axis axis) const;
    // Puts positions that arrived within the current screen frame into the
    // controls now (before reading a position back from a control).
    void FlushReadouts();
    // Reads an axis's position again and shows it (after a failed move).
    void sub_ReadAxis(Axis axis);
    // Everything of the pad but its status line: what a recall holds disabled.
    QWidget* Panels() const { return m_Panels; }
    PadStatusLine* StatusLine() const { return m_StatusLine; }

    LayoutEngine& Layout() { return *m_Layout; }
    PadLayoutSurface& Surface() { return *m_Surface; }
    // The window's size in the designed arrangement (layout 1, everything
    // shown), which the pad keeps when layouts are switched off.
    QSize DesignedSize() const { return m_DesignedSize; }

    // The other windows, created on first use (null before).
    frmStage* StageWindow() const { return m_Stage.get(); }
    frmTIRF* TIRFWindow() const { return m_TIRF.get(); }
    frmSettingMain* SettingWindow() const { return m_Setting.get(); }

    // The controls.
    QGroupBox* fraDIA = nullptr;
    QGroupBox* fraFluorescence = nullptr;
    QGroupBox* fraTIRF = nullptr;
    QWidget* picTittle = nullptr;
    PadPicture* imgTitle = nullptr;
    PadPicture* imgMic = nullptr;
    PadReadout* txtX = nullptr;
    PadReadout* txtY = nullptr;
    PadReadout* txtZ = nullptr;
    PadReadout* txtPiezo = nullptr;
    usrComboBox* cboOBJ = nullptr;
    usrComboBox* cboPath = nullptr;
    usrComboBox* cboCON = nullptr;
    usrComboBox* cboFL1 = nullptr;
    usrComboBox* cboFL2 = nullptr;
    usrComboBox* cboEX = nullptr;
    usrComboBox* cboBA = nullptr;
    usrComboBox* cboIrlux = nullptr;
    usrComboBox* cboTIRF = nullptr;
    usrComboBox* cboCHGMode = nullptr;
    usrComboBox* cboXY = nullptr;
    usrComboBox* cboZ = nullptr;
    usrComboBox* cboPiezo = nullptr;
    usrMPButton* chkEpi = nullptr;
    usrMPButton* chkAnlyz = nullptr;
    usrMPButton* chkDIALamp = nullptr;
    usrMPButton* chkDIAShutter = nullptr;
    usrMPButton* chkTIRF = nullptr;
    usrMPButton* chkAUX = nullptr;
    usrMPButton* chkFKS = nullptr;
    usrMPButton* picIrlux = nullptr;
    usrMPButton* picStageXY = nullptr;
    usrMPButton* picStageZ = nullptr;
    usrMPButton* picStagePiezo = nullptr;
    usrMPButton* btnStageTIRF = nullptr;
    usrMPButton* btnStageFKS = nullptr;
    usrPButton* picOBJ = nullptr;
    usrPButton* picPath = nullptr;
    usrPButton* picCON = nullptr;
    usrPButton* picFL1 = nullptr;
    usrPButton* picFL2 = nullptr;
    usrPButton* picEX = nullptr;
    usrPButton* picBA = nullptr;
    usrPButton* picAOM = nullptr;
    usrPButton* picTIRFAngle = nullptr;
    usrPButton* picCNTLDia = nullptr;
    usrPButton* picALF = nullptr;
    usrPButton* picCHGMode = nullptr;
    usrPButton* btnRotation = nullptr;
    usrPButton* picStage = nullptr;
    usrPButton* picMemXY = nullptr;
    usrPButton* picMemZ = nullptr;
    usrPButton* picMemPiezo = nullptr;
    usrPButton* picMemTIRF = nullptr;
    usrPButton* picMemFKS = nullptr;
    usrPButton* picRecallFKS = nullptr;
    usrPButton* picStatus = nullptr;
    usrPButton* picSetting = nullptr;
    usrPButton* picExit = nullptr;
    usrPButton* chkLaser = nullptr;
    usrXscrollZo* sbDIALamp = nullptr;
    usrXscrollZo* sbTIRFAngle = nullptr;
    usrXscrollZo* sbFKS = nullptr;
    usrXscrollZo* sbAOM1 = nullptr;
    usrXscrollZo* sbAOM2 = nullptr;
    usrXscrollZo* sbAOM3 = nullptr;
    usrXscrollZo* sbAOM4 = nullptr;
    usrXYspin* spnStageXY = nullptr;
    usrZspin* spnStageZ = nullptr;
    usrZspin* spnStagePiezo = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* TimerErgo = nullptr;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // ---- load ---------------------------------------------------------------
    void CreateControls();
    // One control of the table, of its member's type, stored in that member.
    template <class Control>
    QWidget* CreateControl(Control*& member);
    QWidget* CreateControl(QGroupBox*& member);
    QWidget* CreateControl(QWidget*& member);
    QWidget* ControlOf(const PadControlInfo& info) const;
    void CreatePanels();
    void ConnectCommands();
    void BindMountedStates();
    void ParkOffScreen();
    void ShowDesigned();
    // The pictures that are not table rows: the title mark inside picTittle,
    // the microscope of layout 2 in the room beside the controls.
    void AlignPictures(int layoutType);
    void PlaceMicroscopePicture();
    bool ChangeGui() const;
    int GroupFrameIndex(PadGroup group) const;
    // The layout when one is pending (layouts switched on), then the trim of
    // what the tables let run into each other.
    void sub_ApplyLayoutChange();
    int EffectiveLayout() const;
    bool IsShownDevice(int device) const;

    // ---- device initialisation routines ---------------------------------------
    void sub_InitAnalyzer();
    void sub_InitAuxShutter();
    void sub_InitBAWheel();
    void sub_InitObservationModes();
    void sub_InitCondenser();
    void sub_InitDIALamp();
    void sub_InitDIAShutter();
    void sub_InitEpiShutter();
    void sub_InitEXWheel();
    void sub_InitFLTurrets();
    void sub_InitIlluminator();
    void sub_InitNosepiece();
    void sub_InitLightPath();
    void sub_InitFKS();
    void sub_InitPiezo();
    void sub_InitTIRF();
    void sub_InitXYStage();
    void sub_InitZDrive();
    void sub_InitErgo();
    void sub_InitCameraPorts();
    void sub_InitCameraPort(int port);

    // One routine for every turret panel whose entries name the mounted models.
    template <class Device>
    void InitTurretPanel(ListDeviceBinding& panel, int mounted, Device& (ZOSCOPELib::Scope::*device)(),
                         clsPositionCodes& codes, const clsCodeNames& names, clsComponent* database,
                         bool refreshSettings);
    // One routine for every two-state device button: the device's state
    // parameter and its two commands.
    template <class Device>
    void InitTogglePanel(ToggleDeviceBinding& panel, int mounted, Device& (ZOSCOPELib::Scope::*device)(),
                         ZOSCOPELib::ParameterPtr (Device::*state)(), void (Device::*on)(), void (Device::*off)());
    // One routine for the stage axes: binding, display factor, spin limits.
    void InitAxis(Axis axis, int mounted, ParameterBinding& member, void (frmZoControl::*handler)());

    // ---- list builders ------------------------------------------------------
    void BuildObjectiveList(usrComboBox& list);
    static void BuildNameList(usrComboBox& list, clsPositionCodes& codes, const clsCodeNames& names);
    void BuildPathList();
    void BuildNDList();

    // ---- handlers -----------------------------------------------------------
    void m_mipXPos_OnValueChanged();
    void m_mipYPos_OnValueChanged();
    void m_mipTIRFPos_OnValueChanged();
    void m_mipTIRFERG_OnValueChanged();
    void m_mipFKSOffset_OnValueChanged();
    void m_mipDIALampPos_OnValueChanged();
    void m_mipDIALampIsOn_OnValue(bool on);
    void m_mipFKS_OnValue(bool on);
    void m_mipErgoSwitch_OnValueChanged();
    // The settings dialog on its key page (start page 3 and the given
    // sub-page), opened by TimerErgo once the current event is over; nothing
    // while the dialog is open.
    void sub_OpenKeySettings(int16_t subPage);
    // The function dispatcher.
    void sub_RunFunction(int code);
    void m_mipKMX1_OnValueChanged();
    void m_mipKMX2_OnValueChanged();
    void m_mipShutterMounted_OnInfoChanged();
    void m_mipKMXMounted_OnInfoChanged(int port);
    void sub_CheckCameras();
    void sub_RefreshSettingForm();
    void sub_ShowRotationStopper();
    // Tooltips of the filter rows name the turret each row shows.
    void sub_ShowFilterTips();
    // The stage steps follow the objective in use (stepping, with the position memories).
    void sub_ObjectiveChanged();

    void cboCHGMode_Selected(int index);
    // The mode list follows the instrument: the matching mode, or none.
    void sub_ShowMatchingMode(int index);
    void sub_ShowStatus();
    // A move began or ended: the Stop button and the readouts follow.
    void sub_MotionChanged();
    void sbDIALamp_Change(double value);
    void sbTIRFAngle_Change(double value);
    void sbFKS_Change(double value);
    void picALF_Click();
    void picCNTLDia_Click();
    void picStatus_Click();
    void picStage_Click();
    void picTIRFAngle_Click();
    void picSetting_Click();
    void picExit_Click();

    // ---- readouts -------------------------------------------------------------
    void SetReadout(Axis axis, double displayValue);
    // A stage axis reported a position: the readout, and the stage window.
    void sub_StagePositionChanged(Axis axis, const ParameterBinding& member);
    void ShowReadouts();

    // ---- unload ---------------------------------------------------------------
    void Form_Unload();

    // Panels: one list-device binding per list device, one toggle-device
    // binding per two-state device.
    std::unique_ptr<ListDeviceBinding> m_Nosepiece, m_LightPath, m_Condenser, m_FL1, m_FL2, m_EX, m_BA, m_IrluxND;
    std::unique_ptr<ToggleDeviceBinding> m_DIAShutter, m_EpiShutter, m_AUXShutter, m_Analyzer, m_IrluxShutter,
        m_TIRFOn, m_FKSOn, m_DIALampOn;

    // Mounted states, camera ports and the ergo switch.
    ParameterBinding m_mipDIAMounted;
    ParameterBinding m_mipEPIMounted;
    ParameterBinding m_mipAUXMounted;
    ParameterBinding m_mipKMX1Mounted;
    ParameterBinding m_mipKMX2Mounted;
    ParameterBinding m_mipKMX1;
    ParameterBinding m_mipKMX2;
    ParameterBinding m_mipErgoSwitch;

    std::array<int16_t, 6> m_ObjectiveMag{};
    std::array<double, 6> m_ObjectiveNA{};
    std::array<double, AxisCount> m_Factor{1.0, 1.0, 1.0, 1.0, 0.1, 1.0};
    std::array<std::optional<double>, AxisCount> m_PendingReadout;
    std::array<std::optional<double>, AxisCount> m_ShownReadout;
    std::unique_ptr<FrameThrottle> m_Readouts;

    // The command path with its failures, the moves, the matching mode.
    std::unique_ptr<PadCommandPath> m_Commands;
    std::unique_ptr<clsPadMotion> m_Motion;
    PadModeMatch m_ModeMatch;
    bool m_ModeUpdating = false;
    QWidget* m_Panels = nullptr;
    PadStatusLine* m_StatusLine = nullptr;

    // Stepping, memories, the function dispatcher and the keyboard hook.
    std::unique_ptr<clsPadStepping> m_Stepping;
    std::unique_ptr<clsPadMemories> m_Memories;
    std::unique_ptr<clsPadFunctions> m_Functions;
    std::unique_ptr<clsPadKeyboard> m_Keyboard;

    bool m_FirstActivation = true;
    bool m_DIALampResync = true;
    bool m_SettingsOpen = false;
    bool m_SettingsPrepared = false;
    bool m_HotKeyEnabled = false;
    bool m_DIALampMoving = false;
    bool m_CheckingShutters = false;
    bool m_CheckingCameras = false;
    bool m_CloseConfirmed = false;
    bool m_UnloadingFromCode = false;
    bool m_Unloaded = false;
    int32_t m_ErgoPrevious = 0;

    std::unique_ptr<PadLayoutSurface> m_Surface;
    PadLayoutSwitches m_Switches;
    std::unique_ptr<LayoutEngine> m_Layout;
    QSize m_DesignedSize;
    // Each picture file is parsed once, however many buttons show it.
    SvgIconRegistry m_Icons;

    std::unique_ptr<frmStage> m_Stage;
    std::unique_ptr<frmTIRF> m_TIRF;
    std::unique_ptr<frmSettingMain> m_Setting;
};
