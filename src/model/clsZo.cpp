#include "model/clsZo.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsBAFilter.h"
#include "model/clsCondenser.h"
#include "model/clsConnectFilter.h"
#include "model/clsConnectKMX.h"
#include "model/clsConnectMicroscope.h"
#include "model/clsConnectPiezoStage.h"
#include "model/clsConnectShutter.h"
#include "model/clsDBBAFilter.h"
#include "model/clsDBObjective.h"
#include "model/clsDbCondenser.h"
#include "model/clsDbEXFilter.h"
#include "model/clsDbFilter.h"
#include "model/clsEXFilter.h"
#include "model/clsErgoKey.h"
#include "model/clsFilter1.h"
#include "model/clsFilter2.h"
#include "model/clsModeALF.h"
#include "model/clsModeRotation.h"
#include "model/clsObjective.h"
#include "model/clsObservationMode.h"
#include "model/clsRemoteKey.h"
#include "model/clsSetupFile.h"
#include "model/clsShortcutKey.h"
#include "model/clsVersion.h"
#include "sdk/DeviceIndex.h"

#include <stdexcept>

ZoInstance g_Zo;

clsZo& ZoInstance::get()
{
    if (!m_Zo)
        m_Zo = std::make_unique<clsZo>();
    return *m_Zo;
}

void ZoInstance::reset()
{
    m_Zo.reset();
}

template <class T>
void clsZo::Create(std::unique_ptr<T>& member)
{
    member = std::make_unique<T>();
    member->Zo = this;
}

clsZo::clsZo()
{
    // Every back-reference is set as soon as its component exists, so a
    // component may look at the ones created before it.
    Create(Objective);
    Create(DBObjective);
    Create(Condenser);
    Create(DbCondenser);
    Create(BAFilter);
    Create(DBBAFilter);
    Create(DbEXFilter);
    Create(EXFilter);
    Create(DbFilter);
    Create(Filter1);
    Create(Filter2);
    Create(ConnectShutter);
    Create(ModeALF);
    Create(ModeRotation);
    Create(ObservationMode);
    Create(ConnectFilter);
    Create(ConnectKMX);
    Create(ConnectMicroscope);
    Create(ConnectPiezoStage);
    Create(ErgoKey);
    Create(RemoteKey);
    Create(ShortcutKey);
    Create(Version);
    m_SetupFile = std::make_unique<clsSetupFile>(*this);
}

clsZo::~clsZo()
{
    func_Disconnect();
}

int32_t clsZo::IsMounted(int index) const
{
    if (index < 0 || index >= MountedCount)
        return 0;
    return m_IsMounted[static_cast<std::size_t>(index)];
}

void clsZo::SetIsMounted(int index, int32_t value)
{
    if (index >= 0 && index < MountedCount)
        m_IsMounted[static_cast<std::size_t>(index)] = value;
}

bool clsZo::FileItem(int index) const
{
    if (index < 0 || index >= FileItemCount)
        return false;
    return m_FileItem[static_cast<std::size_t>(index)];
}

void clsZo::SetFileItem(int index, bool value)
{
    if (index >= 0 && index < FileItemCount)
        m_FileItem[static_cast<std::size_t>(index)] = value;
}

bool clsZo::func_Connect(int32_t index)
{
    try {
        m_ConnectedIndex = index;
        ZOSCOPELib::Scope& scope = ConnectedScope();
        ZOSCOPELib::MicroscopeEntry& entry = scope.Microscopes().Item(index);
        scope.SetCurrentMicroscope(entry);
        g_UiServices->SetProgress(5);
        entry.Connect();
        m_ConnectedIndex = index;
        sub_CheckAccessories();
        sub_ApplyGUIControl();
        return true;
    } catch (const std::exception& error) {
        func_ShowMessage(58, std::to_string(ErrorNumber(error)), UiServices::MB_OK);
    }
    return false;
}

int32_t clsZo::ErrorNumber(const std::exception& error)
{
    const auto* sdk = dynamic_cast<const ZOSCOPELib::SdkError*>(&error);
    return sdk != nullptr ? sdk->Number() : 0;
}

ZOSCOPELib::Scope& clsZo::ConnectedScope()
{
    if (!Scope)
        throw ZOSCOPELib::SdkError("ZoControl", ZOSCOPELib::NotConnected, "no SDK root object");
    return *Scope;
}

void clsZo::sub_CheckAccessories()
{
    m_IsMounted.fill(0);
    g_UiServices->SetProgress(10);
    std::string errors;
    for (int index = 0; index < DeviceIndex::Count; ++index) {
        try {
            if (ConnectedScope().DeviceAt(index).IsMounted()->Value() == 1)
                m_IsMounted[static_cast<std::size_t>(index)] = 1;
        } catch (const std::exception&) {
            errors = func_JoinLines(errors, func_GetDeviceNameError(index));
        }
    }
    try {
        m_SystemType = ConnectedScope().SystemType();
    } catch (const std::exception&) {
        // Keeps the type it had; the devices' lines already tell what failed.
    }
    g_UiServices->SetProgress(45);
    if (!errors.empty())
        func_ShowMessage(62, errors, UiServices::MB_CRITICAL);
}

std::string clsZo::func_GetDeviceNameError(int index) const
{
    if (index < 0 || index >= 26)
        throw std::out_of_range("device index");
    return g_LangDeviceName.DeviceNames[static_cast<std::size_t>(index)] + " " + func_GetMessage(110);
}

std::string clsZo::RunPass(Pass pass, std::initializer_list<clsComponent*> components)
{
    std::string errors;
    for (clsComponent* component : components) {
        if (PassObserver)
            PassObserver(*component, pass);
        switch (pass) {
        case Pass::ReadSdk:
            errors = func_JoinLines(errors, component->func_ReadSdk());
            break;
        case Pass::WriteSdk:
            errors = func_JoinLines(errors, component->func_WriteSdk());
            break;
        case Pass::RestData:
            component->sub_RestData();
            break;
        }
    }
    return errors;
}

namespace {

bool ReportReadErrors(const std::string& errors)
{
    if (errors.empty())
        return true;
    func_ShowMessage(65, errors, UiServices::MB_CRITICAL);
    return false;
}

} // namespace

bool clsZo::func_ControlInfo()
{
    std::string errors = RunPass(Pass::ReadSdk, {Version.get(), ConnectFilter.get(), Filter1.get(), Filter2.get(),
                                                 DBObjective.get()});
    g_UiServices->SetProgress(55);
    errors = func_JoinLines(errors,
                            RunPass(Pass::ReadSdk, {ConnectShutter.get(), ConnectMicroscope.get(), ObservationMode.get()}));
    g_UiServices->SetProgress(60);
    return ReportReadErrors(errors);
}

bool clsZo::func_Receive()
{
    return ReportReadErrors(RunPass(Pass::ReadSdk, {DbCondenser.get(), DBBAFilter.get(), DbEXFilter.get(),
                                                    DbFilter.get(), ConnectPiezoStage.get(), ShortcutKey.get(),
                                                    ErgoKey.get()}));
}

bool clsZo::func_ReadXMLItems(const std::string& path)
{
    return m_SetupFile->func_ReadXMLItems(path);
}

void clsZo::sub_ReadXML(const std::string& path)
{
    m_SetupFile->sub_ReadXML(path);
}

std::string clsZo::func_WriteXML(const std::string& path)
{
    return m_SetupFile->func_WriteXML(path);
}

std::string clsZo::func_Send()
{
    // Databases go before the components that refer to their entries.
    std::string errors = RunPass(Pass::WriteSdk, {DBObjective.get(), Objective.get(), DbCondenser.get(),
                                                  Condenser.get(), DbFilter.get(), Filter1.get(), Filter2.get(),
                                                  DBBAFilter.get(), BAFilter.get(), DbEXFilter.get(), EXFilter.get(),
                                                  ConnectShutter.get(), ConnectKMX.get(), ConnectFilter.get()});
    // The SDK reports these writes as nosepiece changes; the flags keep the
    // modes from being re-read halfway.
    ModeALF->Busy = true;
    ModeRotation->Busy = true;
    errors = func_JoinLines(errors, RunPass(Pass::WriteSdk, {ModeALF.get(), ModeRotation.get()}));
    ModeALF->Busy = false;
    ModeRotation->Busy = false;
    return func_JoinLines(errors,
                          RunPass(Pass::WriteSdk, {ErgoKey.get(), ObservationMode.get(), ConnectPiezoStage.get()}));
}

void clsZo::sub_RestData()
{
    RunPass(Pass::RestData, {Objective.get(), DBObjective.get(), DbCondenser.get(), Condenser.get(), DBBAFilter.get(),
                             BAFilter.get(), DbEXFilter.get(), EXFilter.get(), DbFilter.get(), Filter1.get(),
                             Filter2.get(), ConnectShutter.get(), ConnectKMX.get(), ConnectFilter.get(),
                             ConnectPiezoStage.get(), ModeALF.get(), ModeRotation.get(), ErgoKey.get(),
                             ObservationMode.get()});
}

bool clsZo::func_Disconnect()
{
    if (m_ConnectedIndex >= 0 && Scope) {
        try {
            ZOSCOPELib::MicroscopeEntry& entry = Scope->Microscopes().Item(m_ConnectedIndex);
            Scope->SetCurrentMicroscope(entry);
            entry.Disconnect();
        } catch (const std::exception&) {
            // Releasing the instrument goes on whatever the SDK says.
        }
        Scope.reset();
    }
    m_ConnectedIndex = -1;
    return true;
}
