#pragma once

#include "model/clsComponent.h"
#include "sdk/ZoScope.h"

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

class clsObjective;
class clsDBObjective;
class clsCondenser;
class clsDbCondenser;
class clsFilter1;
class clsDbFilter;
class clsFilter2;
class clsBAFilter;
class clsDBBAFilter;
class clsEXFilter;
class clsDbEXFilter;
class clsConnectShutter;
class clsConnectKMX;
class clsModeALF;
class clsModeRotation;
class clsObservationMode;
class clsConnectFilter;
class clsErgoKey;
class clsRemoteKey;
class clsShortcutKey;
class clsConnectMicroscope;
class clsConnectPiezoStage;
class clsVersion;
class clsPadParameters;
class clsSetupFile;

// The connection with the microscope and the root of the in-memory model.
// It owns the SDK root object and one component per configurable part of the
// instrument, and runs the same operation of every component in a fixed order.
class clsZo {
public:
    static constexpr int MountedCount = 25;  // IsMounted(0..24)
    static constexpr int FileItemCount = 15; // FileItem(0..14)

    clsZo();
    ~clsZo();
    clsZo(const clsZo&) = delete;
    clsZo& operator=(const clsZo&) = delete;

    // The SDK root object; set by start-up before the first connect, released
    // by func_Disconnect.
    std::unique_ptr<ZOSCOPELib::Scope> Scope;

    // Components, in declaration order.
    std::unique_ptr<clsObjective> Objective;
    std::unique_ptr<clsDBObjective> DBObjective;
    std::unique_ptr<clsCondenser> Condenser;
    std::unique_ptr<clsDbCondenser> DbCondenser;
    std::unique_ptr<clsFilter1> Filter1;
    std::unique_ptr<clsDbFilter> DbFilter;
    std::unique_ptr<clsFilter2> Filter2;
    std::unique_ptr<clsBAFilter> BAFilter;
    std::unique_ptr<clsDBBAFilter> DBBAFilter;
    std::unique_ptr<clsEXFilter> EXFilter;
    std::unique_ptr<clsDbEXFilter> DbEXFilter;
    std::unique_ptr<clsConnectShutter> ConnectShutter;
    std::unique_ptr<clsConnectKMX> ConnectKMX;
    std::unique_ptr<clsModeALF> ModeALF;
    std::unique_ptr<clsModeRotation> ModeRotation;
    std::unique_ptr<clsObservationMode> ObservationMode;
    std::unique_ptr<clsConnectFilter> ConnectFilter;
    std::unique_ptr<clsErgoKey> ErgoKey;
    std::unique_ptr<clsRemoteKey> RemoteKey;
    std::unique_ptr<clsShortcutKey> ShortcutKey;
    std::unique_ptr<clsConnectMicroscope> ConnectMicroscope;
    std::unique_ptr<clsConnectPiezoStage> ConnectPiezoStage;
    std::unique_ptr<clsVersion> Version;

    // The control pad's parameter members (observation-mode capture); null
    // while no pad is loaded.
    clsPadParameters* PadParameters = nullptr;

    int32_t SystemType() const { return m_SystemType; }
    void SetSystemType(int32_t value) { m_SystemType = value; }
    // The controllers of system types 5 and 6 have the piezo stage's
    // connection instead of the external shutter and camera connectors.
    bool HasPiezoConnection() const { return m_SystemType == 5 || m_SystemType == 6; }

    // 1 = device present, 0 = absent. Outside 0..24 reads 0 and writes nothing.
    int32_t IsMounted(int index) const;
    void SetIsMounted(int index, int32_t value);

    // Setup-file sections present or selected. Outside 0..14 reads False and writes nothing.
    bool FileItem(int index) const;
    void SetFileItem(int index, bool value);

    // The Microscopes entry of the open connection; -1 when none.
    int32_t ConnectedIndex() const { return m_ConnectedIndex; }

    bool func_Connect(int32_t index);
    bool func_Disconnect();
    void sub_CheckAccessories();
    std::string func_GetDeviceNameError(int index) const;
    bool func_Receive();
    bool func_ControlInfo();
    bool func_ReadXMLItems(const std::string& path);
    void sub_ReadXML(const std::string& path);
    std::string func_WriteXML(const std::string& path);
    std::string func_Send();
    void sub_RestData();

    // The number a failed call reports: the SDK's error number, 0 for any
    // other failure.
    static int32_t ErrorNumber(const std::exception& error);

    // The passes over the components, as a test observes them.
    enum class Pass { ReadSdk, WriteSdk, RestData };
    // Called with each component right before a pass runs its operation on
    // it (func_ControlInfo, func_Receive, func_Send, sub_RestData). Nothing
    // in the program sets it; tests use it to see which components run in
    // which order, since most components have nothing observable to do when
    // nothing changed.
    std::function<void(const clsComponent&, Pass)> PassObserver;

private:
    template <class T>
    void Create(std::unique_ptr<T>& member);
    // Runs one operation on each component in order and joins their error texts.
    std::string RunPass(Pass pass, std::initializer_list<clsComponent*> components);
    // Scope, or an SdkError (not connected) when there is none.
    ZOSCOPELib::Scope& ConnectedScope();

    // Setup-file reading and writing; keeps what func_ReadXMLItems loaded
    // for the sub_ReadXML that follows.
    std::unique_ptr<clsSetupFile> m_SetupFile;
    std::array<int32_t, MountedCount> m_IsMounted{};
    std::array<bool, FileItemCount> m_FileItem{};
    int32_t m_SystemType = 0;
    int32_t m_ConnectedIndex = -1;
};

// The one clsZo of the program, created on first use: g_Zo->func_Connect(0).
class ZoInstance {
public:
    clsZo* operator->() { return &get(); }
    clsZo& operator*() { return get(); }
    clsZo& get();
    bool exists() const { return m_Zo != nullptr; }
    // Drops the instance (disconnecting it); the next use creates a fresh one.
    void reset();

private:
    std::unique_ptr<clsZo> m_Zo;
};
extern ZoInstance g_Zo;
