#pragma once
// The settings file "ZoControl.INI" (in SettingsFolder()): one program-wide
// variable per key, read once at start-up (sub_ReadControlIni) and written
// once when the pad unloads (sub_WriteControlIni). Between the two, every
// window works on the variables only.
//
// Keys marked "read only" are never written: they keep whatever the file
// holds, because they are edited by hand.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// ---- [LanguageFile] "1".."255" (read only) ---------------------------------
// Installed languages: row i-1 holds key i as file name (column 0, in the
// Language folder) and Windows locale number in decimal (column 1). Reading
// stops at the first key whose file name is empty.
extern std::array<std::array<std::string, 2>, 256> g_LanguageTable;

// ---- [DeviceNo] "DeviceNo" --------------------------------------------------
// Preferred real microscope, counted from 0 among the real microscopes.
extern int16_t g_DeviceNo;

// ---- [GUILayout] ------------------------------------------------------------
extern int16_t g_LayoutType; // "Type": pad layout 1..8 (anything else reads as 1)
extern int16_t g_ChangeGui;  // "ChangeGui " (the key ends in a blank), read only:
                             // 1 applies the layout on activation, 0 keeps the design

// ---- [GUIControl] -----------------------------------------------------------
// Whether the pad shows a device's controls (True when the key is missing or
// not "TRUE"/"FALSE"). Indexes are the keys in file order.
enum GUIControlFlag : int {
    gcTIRFFrame, gcDIAFrame, gcFLUORESENCEFrame, gcOBJ, gcALF, gcFKS, gcPATH, gcFILTER1, gcFILTER2,
    gcEX, gcBA, gcCON, gcSTGXY, gcSTGPIEZO, gcSTG, gcSTGZ, gcTIRF, gcEPI, gcLASER, gcAux, gcIRLUX,
    gcDIASHUTTER, gcDIALAMP, gcANLYZ, gcKMX1, gcKMX2, gcMODECHG, gcAOM,
    gcCount
};
extern std::array<bool, gcCount> g_GUIControl;

// The pad's per-control display switches, entries 0..68, filled from
// g_GUIControl by sub_ApplyGUIControl. A control shows when its entry is True
// and its device is mounted.
constexpr int kControlVisibleCount = 69;
extern std::array<bool, kControlVisibleCount> ControlVisible;

// Key name of each flag and the ControlVisible entries it drives (unused
// slots are -1). Entries kControlVisibleAlwaysOn are set True regardless.
struct GUIControlInfo {
    std::string_view key;
    std::array<int8_t, 6> entries;
};
extern const std::array<GUIControlInfo, gcCount> kGUIControl;
inline constexpr std::array<int, 3> kControlVisibleAlwaysOn = {36, 43, 44};
// Index of a "GUIControl" key (case-insensitive), -1 for an unknown key.
int GUIControlIndex(std::string_view key);

// ---- [ShortcutKey] ----------------------------------------------------------
// Pad function number per keyboard key, 0 = none (negative values read as 0).
extern std::array<int16_t, 16> g_ShortcutKey;
inline constexpr std::array<std::string_view, 16> kShortcutKeyNames = {
    "PageUp", "PageDown", "Up", "Down", "Left", "Right", "Home", "End",
    "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};

// ---- [MemX] [MemY] [MemZ] [MemPiezo] [MemTIRF] "1".."20" ---------------------
// Position memories as decimal texts in display units; index 0 is key "1".
// A text that is not a number reads as empty; an empty slot is not written,
// so the file keeps what it had for that key.
extern std::array<std::string, 20> g_MemX;
extern std::array<std::string, 20> g_MemY;
extern std::array<std::string, 20> g_MemZ;
extern std::array<std::string, 20> g_MemPiezo;
extern std::array<std::string, 20> g_MemTIRF;
// ---- [MemFKS] "1".."6": FKS offset per nosepiece position (0 <= v < 40000) --
extern std::array<double, 6> g_MemFKS;

// ---- [DefaultGUI] -----------------------------------------------------------
// "Function": settings-dialog menu group shown first (0 Attach .. 5 Other).
extern int16_t g_DefaultGUIFunction;
// Page last shown inside each group, indexed like kDefaultGUIGroups. Only the
// group named by "Function" keeps its value in the file; the others are
// written as 0.
extern std::array<int16_t, 6> g_DefaultGUIPage;
inline constexpr std::array<std::string_view, 6> kDefaultGUIGroups = {
    "Attach", "Connect", "Mode", "Key", "Observation", "Other"};

// ---- stepping (all read only) ----------------------------------------------
enum StageAxis : int { saXY, saZ, saPiezo, saTIRF, saFKS };
// [IncrementFlag] "StageXY", "StageZ", "StagePiezo": True derives the base
// step from the objective, False uses g_DefaultIncreValue.
extern std::array<bool, 3> g_IncrementFlag;
// [IncrementValue] "StageXY" .. "StageFKS": the three step multipliers as
// texts (default "1,10,100"). A list with fewer than three leaves the rest as
// they were and reports the read error.
extern std::array<std::array<std::string, 3>, 5> g_IncrementValue;
// [DefaultIncreValue] "StageXY" (0.1), "StageZ" and "StagePiezo" (0.025).
extern std::array<double, 3> g_DefaultIncreValue;
// [Magnification] "Magnification": zoom factors of the position maps
// (default "1,3,6,12,25,50,100,200,400,800"; 0 counts as 1 for the maps).
extern std::array<int16_t, 10> g_Magnification;
// [StageInfo] and [SpinInfo] "Speed" (1) and "Tolerance" (5).
extern int16_t g_StageInfoSpeed;
extern int16_t g_StageInfoTolerance;
extern int16_t g_SpinInfoSpeed;
extern int16_t g_SpinInfoTolerance;

// Reads ZoControl.INI into the variables; an installed program's user
// without one first gets a copy of the installed file. Missing keys take
// their defaults; values out of range are corrected; a statement that fails
// (a list too short or too long, a number that does not convert or fit)
// leaves its variable as it was, and "Read Control INI error!" is shown once
// at the end.
void sub_ReadControlIni();

// Writes the keys that are not read only, in one atomic replacement of the
// file; every other line of the file stays as it was. A file that cannot be
// written keeps its old text, silently.
void sub_WriteControlIni();

// Copies the "GUIControl" flags onto ControlVisible and sets the always-on
// entries.
void sub_ApplyGUIControl();

// Puts every settings variable back to its state at program start (zeros,
// empty texts, False), as before the first sub_ReadControlIni.
void ResetSettingsVariables();
