#pragma once
// Program-wide values shared by every layer.

#include <string>

// The program's own folder, always ending in "/" once NormalizeAppPath() has
// run (the start-up sets it to the data folder, ProgramFolders.h). Language/
// and Picture/ are below it; ZoControl.INI is in it, or for an installed
// program the installed copy that each user's file starts from.
extern std::string g_AppPath;

// Appends "/" to a non-empty g_AppPath that lacks one.
void NormalizeAppPath();

// Set by the model components when they have written a changed configuration
// to the microscope; the pad re-initialises the device and clears the flag.
extern bool g_RefreshObjective;
extern bool g_RefreshCondenser;
extern bool g_RefreshFilterBlock;
extern bool g_RefreshEXFilter;
extern bool g_RefreshBAFilter;
extern bool g_RefreshObservationMode;
extern bool g_RefreshPiezoStage;

// A change that affects the pad's layout waits for the pad's next activation.
extern bool g_LayoutPending;
