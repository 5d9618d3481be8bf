#pragma once
// The program's life cycle: the entry procedure, the previous-instance guard,
// the choice of microscope, the splash's connect step, the orderly shutdown
// and the in-place restart with another microscope. Everything that touches a
// window goes through g_StartupHost (StartupHost.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LockFile;

// A reconnect to another microscope is pending (between the user's
// confirmation and the end of the main window's unload).
extern bool g_RestartFlag;
// The pad's keyboard hook; 0 while none is installed.
extern std::intptr_t g_KeyboardHook;

// The fixed text a second copy of the program shows before it ends.
inline constexpr std::string_view kPreviousInstanceText =
    "Other Application has already used this Microscope.\r\nPlease restart this application or your machine.";

// The lock file of the previous-instance guard, in the user's runtime folder.
std::string InstanceLockPath();

// Element 0 the absolute path of the running program, then the command-line
// arguments as the process received them.
std::vector<std::string> func_GetCommandArgs();
// The same from a program path and a NUL-separated argument block whose first
// element is the program as started ("/proc/self/cmdline").
std::vector<std::string> CommandArgsFrom(std::string_view programPath, std::string_view argumentBlock);

// Start-up steps 1 to 8: the previous-instance guard (instance is locked and
// must stay alive, unchanged, for the life of the process), g_AppPath, the
// settings file, the language selection and file, then the splash. False
// when another copy runs: the fixed text has been shown, nothing has been
// read, and the process should end.
bool sub_Main(LockFile& instance);

// Chooses the microscope (command line, "/SIM", the stored device number)
// and opens it through g_Zo; True when the connection is open. Every failure
// has shown its message when False comes back.
bool func_ConnectMicroscope();
// The same with the given argument list (element 0 the program).
bool ConnectMicroscopeWith(const std::vector<std::string>& args);

// The splash's connect step, run when its Timer1 fires: connect, load the
// main window, hide the splash, show the main window. A failed connection
// ends the process.
void sub_ConnectStep();

// The close-box question (message 2); True when the user answered Yes.
bool func_ConfirmClose();

// The main window's unload: the settings file, the language selection, the
// keyboard hook, the other windows, the parameter subscriptions, a wait,
// the disconnect, a wait; then the end of the process unless a restart is
// pending (g_RestartFlag is cleared in any case).
void sub_Shutdown();

// The in-place restart with the microscope at deviceNo among the real ones:
// the model's unsent edits are dropped, the main window unloads (which
// disconnects), and the splash comes back with a 5 s timer that runs the
// connect step again.
void sub_RestartMicroscope(int16_t deviceNo);
