#pragma once
// What the start-up, shutdown and restart sequences (mdlStartup.h) need from
// the application: the SDK root object and the steps that touch windows. The
// application implements it with frmSplash and its main window; tests with a
// recorder, so that every sequence runs headless.

#include "sdk/ZoScope.h"

#include <memory>

class StartupHost {
public:
    virtual ~StartupHost() = default;

    // A new SDK root object (the application's runs on a steady clock).
    virtual std::unique_ptr<ZOSCOPELib::Scope> CreateScope() = 0;

    // frmSplash: loads it on first use, sets its progress bar to 0 and starts
    // its Timer1 with the given interval, and shows it modeless. When the
    // timer fires, the splash calls sub_ConnectStep.
    virtual void ShowSplash(int timerIntervalMs) = 0;
    virtual void SetSplashEnabled(bool enabled) = 0;
    virtual void HideSplash() = 0;
    virtual void UnloadSplash() = 0;

    // The main window: loads it (reading the devices it shows) without
    // showing it, shows it, and unloads it as program code does (no question
    // asked; its unload runs sub_Shutdown) and drops the instance.
    virtual void LoadMainWindow() = 0;
    virtual void ShowMainWindow() = 0;
    virtual void UnloadMainWindow() = 0;

    // Steps of the main window's unload that only the windows know.
    virtual void RemoveKeyboardHook() = 0;
    virtual void UnloadOtherWindows() = 0;
    virtual void ReleaseParameters() = 0; // every SDK parameter subscription the main window holds

    // Ends the process once control returns to the event loop.
    virtual void EndProcess(int exitCode) = 0;
};

// The installed host; set by the composition root (or a test) before sub_Main.
extern StartupHost* g_StartupHost;
