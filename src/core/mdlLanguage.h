#pragma once
// Language resources: every visible text of the program and the windows' font
// come from a language file in the program's "Language" folder. Which file is
// used is the user's choice, kept in the selection file
// "$XDG_CONFIG_HOME/Ostrel/Shared/Data/Zo/ZoUseLanguage.INI"; on first use
// the choice follows the system locale.
//
// One program-wide variable per key of the language file. Keys that hold a
// list are arrays (element k of the comma list goes to entry k); the four
// function tables and the language list are TextTables. Within a section
// struct every member is named after its key (keys that end in a blank in the
// file, such as "LblVersion ", drop the blank here).

#include "core/TextTable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// ---- selection ----------------------------------------------------------
// Full path of the selection file (set by sub_ReadUseLanguage).
extern std::string g_UseLanguagePath;
// 1-based row of g_LanguageTable (mdlSettings.h) in use; 0 = not chosen.
extern int16_t g_LanguageFlag;

// ---- [FONT] -------------------------------------------------------------
// The font every window applies to its labels, text boxes, frames, option
// buttons, list boxes, list views, buttons, scroll bars, combo boxes and
// status bars when it loads. With an empty Name the controls keep their
// design fonts.
struct FontInfo {
    std::string Name;     // "Name"
    bool Bold = false;    // "Bold": True unless the text is "FALSE"
    bool Italic = false;  // "Italic": likewise
    int16_t Size = 0;     // "Size": default 10, outside 0..100 becomes 10
    int16_t Charset = 0;  // "Charset": default 0
    bool Applies() const { return !Name.empty(); }
};
extern FontInfo g_Font;

// ---- [Message] "1".."257": message N at index N - 1 -------------------------
// Message 113 gets three blanks appended after loading.
extern std::array<std::string, 257> g_Messages;

// ---- window and page texts, one struct per section ------------------------
struct LangGUITitle {
    std::string ControlMain, SettingMain, StageXYZ, TIRF, SelFileItem, ErgoControl, ZoomImage;
};
struct LangFrmErgoControl {
    std::string BtnOK, BtnCancel;
};
struct LangFrmSplash {
    std::string LblSplash;
};
struct LangFrmZoControl {
    std::array<std::string, 7> CboPath;  // light-path port name per port kind 0..6
    std::array<std::string, 7> CboIrlxu; // entry 0 the number of ND positions, then one name per position
    std::string BtnSetting, BtnExit, BtnStatus, FraDIA, FraFluorescence, FraTIRF;
    std::string SimpleText;              // shown before the version number
    // The status line after a failed command: what it says of the device,
    // entry 0 for an error not listed, then the SDK's errors 1001..1010.
    std::array<std::string, 11> FailReason;
    std::string TipFailures, TipStop;    // the status line's and the Stop button's tooltips
};
struct LangFrmStage {
    std::string TxtXYStage, TxtZStage, TxtPiezoStage, ChkAllLink;
    // The maps' zoom caption and the tooltips of the picture buttons of the
    // stage and TIRF windows.
    std::string LblZoom, TipStore, TipMove, TipClear, TipMap, TipZoomIn, TipZoomOut;
};
struct LangFrmSelFileItem {
    std::string LblOK, LblCancel;
    std::array<std::string, 16> FileItem; // entry 0 the number of items, then the 15 setup-file item captions
};
struct LangFrmTIRF {
    std::string LblTIRF;
};
struct LangFrmSetting {
    std::array<std::string, 6> OptMenu; // keys "OptMenu1".."OptMenu6"
    std::array<std::string, 5> BtnMenu; // keys "BtnMenu1".."BtnMenu5": Load, Save, OK, Cancel, Apply
    std::string LblNotAvailable;        // a page that this version does not have yet
};
struct LangAttachObjectiveLensCtl {
    std::string OptSelect, OptDB, LblTittle, LblAddDB, LblName, LblModel, LblSeries, LblMag, LblWD, LblNA, LblMinNA,
        LblMethod, LblWDSeries, LblFKS, LblESC, LblSelect, OptName, OptPictrue, BtnZoom, LblCode;
};
// [AttachCondenserCtl], [AttachBAFilterCtl], [AttachEXFilterCtl]
struct LangAttachListCtl {
    std::string OptSelect, OptDB, LblTittle, LblModel, LblAddDB;
};
struct LangAttachFilterCtl {
    std::string OptSelect1, OptSelect2, OptDB, LblTittle, LblModel, LblEX, LblDM, LblBA, LblAddDB, LblName;
};
struct LangConnectObjectiveCtl {
    std::string LblConnectShutter, LblConnectBrand, LblConnectType;
};
struct LangConnectCameraCtl {
    std::string LblCamera, LblConnectBrand, LblConnectType;
};
struct LangConnectFLTurretCtl {
    std::string LblFlChange, LblFlTop, LblFlBottom;
};
struct LangConnectMicroscopeCtl {
    std::string LblConnectMicroscope;
};
struct LangConnectPiezoCtl {
    std::string LblConnectPiezoStage;
};
struct LangConnectAOMCtl {
    std::string LblConnectAom;
};
struct LangModeALFCtl {
    std::string LblModeALF;
};
struct LangModeRotationStopperCtl {
    std::string LblModeRotationStopper;
};
struct LangObservationModeCtl {
    std::string LblBaFilter, LblCondenser, LblDiaLamp, LblDiaLampVolt, LblExFilter, LblFilterBlock1, LblFilterBlock2,
        LblIrluxND, LblIrluxShutter, LblObjective, LblPath, LblPiezoZStage, LblProfileName, LblShutter1, LblShutter2,
        LblTirfAngle, LblTirfEpi, LblAnalyzer, LblFKS, LblFKSOffset, LblUndefined, BtnNext, BtnPrevious;
};
struct LangOthersControlCtl {
    std::string BtnNext, BtnPrevious;
    std::array<std::string, 13> ChkAccessory1; // captions of the display switches, first page
    std::array<std::string, 10> ChkAccessory2; // second page
};
struct LangOthersMainCtl {
    std::array<std::string, 3> OptMenu; // keys "OptMenu1".."OptMenu3": layout, display, versions
};
struct LangLanguageCtl {
    std::string LblLanguage, BtnSet;
    // Keys "CboLanguage1".."CboLanguage255": row k-1 = display name, row
    // number of the language table. The list has 5 rows; a non-empty key
    // beyond them is a read error.
    TextTable CboLanguage{5, 2};
};
struct LangOthersLayoutCtl {
    std::string FraOthersLayoutGroup, FraOthersLayoutGUI;
    std::string LblOthersLayout, LblOthersLayoutDIA, LblOthersLayoutFlo, LblOthersLayoutTIRF; // keys end in a blank
    std::array<std::string, 9> CboSelectLayout; // entry i names layout i + 1
};
struct LangOthersVersionCtl {
    std::string LblVersionTitle, LblVersion;  // keys end in a blank
    std::array<std::string, 9> LblDevice;     // keys "LblDevice0".."LblDevice8"
};
struct LangKeyRemoteControlCtl {
    std::string LblKeyPadButton;
};
struct LangKeyErgoControlCtl {
    std::string LblKeyErgoButton;
    std::string LblDevice, LblFunction;    // column headings
    std::array<std::string, 6> LblKey;     // the fixed keys
    std::array<std::string, 2> LblKeyAB;   // the switchable keys
    std::string ChkDeviceCbo;              // the A/B switch
};
struct LangKeyShortcutKeyCtl {
    std::string LblKeyKeyBoard;
    std::string LblDevice, LblFunction; // column headings
    std::array<std::string, 16> LblIndex; // keys "LblIndex0".."LblIndex15", in the order of kShortcutKeyNames
    std::string BtnPrevious, BtnNext;
};
// Entry 0 of each list, read as a number, is the highest valid number of
// that kind; entries 1.. name the numbers 0, 1, ... in order.
struct LangCameraSetting {
    std::array<std::string, 4> Maker;
    std::array<std::string, 7> User;
};
struct LangShutterSetting {
    std::array<std::string, 4> Maker;
    std::array<std::string, 5> User;
};
struct LangDeviceName {
    std::array<std::string, 26> DeviceNames; // display name per device index
};
// What each control of the pad does, for its tooltip. "%1" stands for a value
// the pad fills in (a step, a position, the filter turret's name).
struct LangPadTips {
    std::string PositionX, PositionY, PositionZ, PositionPiezo, Refresh, Objective, ALF, FKS, FKSStep, FKSOffset,
        FKSStore, FKSRecall, FilterTurret, Analyzer, Condenser, Excitation, Barrier, Laser, AuxShutter, TIRFStore,
        TIRFRecall, Illuminator, IlluminatorND, EpiShutter, TIRF, TIRFStep, TIRFPosition, TIRFWindow, LightPath,
        DIAShutter, DIALamp, DIALampLevel, LampControl, Modes, Rotation, XYStep, XYMove, XYStore, XYRecall, ZStep,
        ZMove, ZStore, ZRecall, PiezoStep, PiezoMove, PiezoStore, PiezoRecall, StageWindow, Settings, Exit;
};

extern LangGUITitle g_LangGUITitle;
extern LangFrmErgoControl g_LangFrmErgoControl;
extern LangFrmSplash g_LangFrmSplash;
extern LangFrmZoControl g_LangFrmZoControl;
extern LangFrmStage g_LangFrmStage;
extern LangFrmSelFileItem g_LangFrmSelFileItem;
extern LangFrmTIRF g_LangFrmTIRF;
extern LangFrmSetting g_LangFrmSetting;
extern LangAttachObjectiveLensCtl g_LangAttachObjectiveLensCtl;
extern LangAttachListCtl g_LangAttachCondenserCtl;
extern LangAttachListCtl g_LangAttachBAFilterCtl;
extern LangAttachListCtl g_LangAttachEXFilterCtl;
extern LangAttachFilterCtl g_LangAttachFilterCtl;
extern LangConnectObjectiveCtl g_LangConnectObjectiveCtl;
extern LangConnectCameraCtl g_LangConnectCameraCtl;
extern LangConnectFLTurretCtl g_LangConnectFLTurretCtl;
extern LangConnectMicroscopeCtl g_LangConnectMicroscopeCtl;
extern LangConnectPiezoCtl g_LangConnectPiezoCtl;
extern LangConnectAOMCtl g_LangConnectAOMCtl;
extern LangModeALFCtl g_LangModeALFCtl;
extern LangModeRotationStopperCtl g_LangModeRotationStopperCtl;
extern LangObservationModeCtl g_LangObservationModeCtl;
extern LangOthersControlCtl g_LangOthersControlCtl;
extern LangOthersMainCtl g_LangOthersMainCtl;
extern LangLanguageCtl g_LangLanguageCtl;
extern LangOthersLayoutCtl g_LangOthersLayoutCtl;
extern LangOthersVersionCtl g_LangOthersVersionCtl;
extern LangKeyRemoteControlCtl g_LangKeyRemoteControlCtl;
extern LangKeyErgoControlCtl g_LangKeyErgoControlCtl;
extern LangKeyShortcutKeyCtl g_LangKeyShortcutKeyCtl;
extern LangCameraSetting g_LangCameraSetting;
extern LangShutterSetting g_LangShutterSetting;
extern LangDeviceName g_LangDeviceName;
extern LangPadTips g_LangPadTips;

// ---- function tables (row r = key r + 1) -----------------------------------
// Column 0 the function code ("" = a row without code), column 1 the device
// group, column 2 the function name; [KeyErgoABList] column 1 the A code,
// column 2 the B code, column 3 the name shown.
extern TextTable g_KeyRemoteList;   // [KeyRemoteList]   85 x 5
extern TextTable g_KeyErgoList;     // [KeyErgoList]     18 x 6
extern TextTable g_KeyErgoABList;   // [KeyErgoABList]    9 x 7
extern TextTable g_KeyShortcutList; // [KeyShortcutList] 95 x 6

// Sets g_UseLanguagePath and reads g_LanguageFlag from it. With no choice
// stored, the first row of the language table whose locale number is the
// system's sets the flag (no match leaves 0).
void sub_ReadUseLanguage();

// Writes g_LanguageFlag to the selection file (creating its folders); True.
bool func_WriteUseLanguage();

// Loads the file of row g_LanguageFlag (or "ZoLanguage_EN.INI" when the flag
// is 0, out of range or names no file) into the variables above. Keys missing
// from the file read as empty texts; list elements missing from a value keep
// their entries. Any statement that fails (a list longer than its variable, a
// number that does not fit) is passed over and "Read Language INI error!" is
// shown once at the end. The user interface's standard texts (buttons of
// message boxes, file dialogs) follow the language's locale.
void sub_ReadLanguage();

// The locale of the language in use ("de_DE"): that of row g_LanguageFlag,
// "en_US" for the default file; "" when the row names an unknown locale.
std::string func_LanguageLocale();

// Asks every open window to re-apply its texts.
void sub_RefreshAllLanguage();

// The language file path that sub_ReadLanguage reads for the current flag.
std::string LanguageFilePath();

// Every text the language file fills, in reading order: section, key, the
// element's position within the key's comma list (0 for plain texts) and the
// text. FONT is not included.
void ForEachLanguageText(
    const std::function<void(std::string_view section, std::string_view key, int element, const std::string& text)>&
        visit);

// Empties every language text, the messages and the font, as at program start.
void ResetLanguageVariables();
