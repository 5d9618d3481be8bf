#include "model/mdlStartup.h"

#include "core/FileText.h"
#include "core/LockFile.h"
#include "core/ProgramFolders.h"
#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/StartupHost.h"
#include "model/clsZo.h"

#include <algorithm>
#include <cctype>
#include <unistd.h>

StartupHost* g_StartupHost = nullptr;
bool g_RestartFlag = false;
std::intptr_t g_KeyboardHook = 0;

namespace {

constexpr int SplashDelayMs = 100;
constexpr int RestartDelayMs = 5000;
constexpr int ShutdownWaitMs = 500;

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

constexpr int32_t NothingChosen = -1;
constexpr int32_t ChosenNotAvailable = -2;

// Steps 2 to 4 of the choice: the list entry, NothingChosen or
// ChosenNotAvailable.
int32_t ChooseMicroscope(ZOSCOPELib::MicroscopeList& list, const std::vector<std::string>& args)
{
    const int32_t count = list.Count();
    int32_t index = NothingChosen;
    for (std::size_t a = 1; a < args.size() && index == NothingChosen; ++a) {
        for (int32_t e = 0; e < count; ++e) {
            ZOSCOPELib::MicroscopeEntry& entry = list.Item(e);
            if (entry.IsAvailable() && entry.Name() == args[a]) {
                index = e;
                break;
            }
        }
        if (EqualsIgnoringCase(args[a], "/SIM"))
            index = 0;
    }
    // g_DeviceNo counts the real microscopes, which follow the simulator.
    if ((index == NothingChosen || g_RestartFlag) && g_DeviceNo >= 0 && g_DeviceNo < count - 1)
        index = g_DeviceNo + 1;
    if (count >= 2) {
        if (index == NothingChosen)
            index = 1;
        if (!list.Item(index).IsAvailable())
            return ChosenNotAvailable;
    }
    return index;
}

} // namespace

std::string InstanceLockPath()
{
    return LockFile::RuntimeFolder() + "/ZoControl.instance";
}

std::vector<std::string> CommandArgsFrom(std::string_view programPath, std::string_view argumentBlock)
{
    std::vector<std::string> args{std::string(programPath)};
    // Every argument ends in a NUL; the first one is the program as started.
    bool first = true;
    while (!argumentBlock.empty()) {
        const std::size_t end = argumentBlock.find('\0');
        const std::string_view argument = argumentBlock.substr(0, end);
        if (!first)
            args.emplace_back(argument);
        first = false;
        if (end == std::string_view::npos)
            break;
        argumentBlock.remove_prefix(end + 1);
    }
    return args;
}

std::vector<std::string> func_GetCommandArgs()
{
    std::string argumentBlock;
    zo::ReadWholeFile("/proc/self/cmdline", argumentBlock);
    return CommandArgsFrom(RunningExecutable().string(), argumentBlock);
}

bool sub_Main(LockFile& instance)
{
    g_RestartFlag = false;
    // A lock file that cannot be opened at all is no sign of another copy;
    // a lock held by someone else is.
    if (instance.Open() && !instance.TryLockExclusive()) {
        ShowMessageText(std::string(kPreviousInstanceText), UiServices::MB_OK);
        return false;
    }
    g_AppPath = RunningProgramFolders().data.string();
    NormalizeAppPath();
    sub_ReadControlIni();
    sub_ReadUseLanguage();
    sub_ReadLanguage();
    g_StartupHost->ShowSplash(SplashDelayMs);
    return true;
}

bool func_ConnectMicroscope()
{
    return ConnectMicroscopeWith(func_GetCommandArgs());
}

bool ConnectMicroscopeWith(const std::vector<std::string>& args)
{
    int32_t index = NothingChosen;
    try {
        g_Zo->Scope = g_StartupHost->CreateScope();
        index = ChooseMicroscope(g_Zo->Scope->Microscopes(), args);
    } catch (const std::exception& e) {
        // No root object or no list to choose from: the microscope cannot be
        // opened, reported as a failed connection.
        func_ShowMessage(58, std::to_string(clsZo::ErrorNumber(e)), UiServices::MB_OK);
        return false;
    }
    if (index == ChosenNotAvailable) {
        func_ShowMessage(59, "", UiServices::MB_OK);
        return false;
    }
    if (index == NothingChosen) {
        func_ShowMessage(56, "", UiServices::MB_OK);
        return false;
    }
    if (index == 0)
        func_ShowMessage(60, "", UiServices::MB_OK);
    BusyPointer busy;
    if (!g_Zo->func_Connect(index))
        return false; // func_Connect has shown message 58
    g_Zo->func_ControlInfo();
    return true;
}

void sub_ConnectStep()
{
    g_UiServices->SetProgress(0);
    g_UiServices->SetBusyPointer(true);
    g_StartupHost->SetSplashEnabled(false);
    if (!func_ConnectMicroscope()) {
        g_StartupHost->EndProcess(1);
        return;
    }
    g_StartupHost->LoadMainWindow();
    g_StartupHost->HideSplash();
    g_StartupHost->SetSplashEnabled(true);
    sub_FlushInput();
    g_StartupHost->ShowMainWindow();
    g_UiServices->SetBusyPointer(false);
}

bool func_ConfirmClose()
{
    return func_ShowMessage(2, "", UiServices::MB_YESNO_QUESTION) == UiServices::ID_YES;
}

void sub_Shutdown()
{
    sub_WriteControlIni();
    func_WriteUseLanguage();
    g_StartupHost->RemoveKeyboardHook();
    g_StartupHost->UnloadOtherWindows();
    g_StartupHost->ReleaseParameters();
    // The SDK gets time to finish what the last commands started before the
    // connection goes, and to let go of it before the process ends.
    g_UiServices->Sleep(ShutdownWaitMs);
    g_Zo->func_Disconnect();
    g_UiServices->Sleep(ShutdownWaitMs);
    const bool restarting = g_RestartFlag;
    g_RestartFlag = false;
    if (!restarting) {
        g_StartupHost->UnloadSplash();
        g_StartupHost->EndProcess(0);
    }
}

void sub_RestartMicroscope(int16_t deviceNo)
{
    g_RestartFlag = true;
    g_DeviceNo = deviceNo;
    g_Zo->sub_RestData();
    g_StartupHost->UnloadMainWindow();
    g_StartupHost->ShowSplash(RestartDelayMs);
}
