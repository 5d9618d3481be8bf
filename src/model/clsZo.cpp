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
    // Creation order matters to nobody but is kept as the components expect
    // their neighbours: databases before the positions that name them.
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
        if (!Scope)
            throw ZOSCOPELib::SdkError("ZoControl", ZOSCOPELib::NotConnected, "no SDK root object");
        ZOSCOPELib::MicroscopeEntry& entry = Scope->Microscopes().Item(index);
        Scope->SetCurrentMicroscope(entry);
        g_UiServices->SetProgress(5);
        entry.Connect();
        sub_CheckAccessories();
        sub_ApplyGUIControl();
        return true;
    } catch (const ZOSCOPELib::SdkError& e) {
        func_ShowMessage(58, std::to_string(e.Number()), UiServices::MB_OK);
    } catch (const std::exception&) {
        // Not an SDK error (a list index the SDK rejected in another way):
        // reported like one, with no number to give.
        func_ShowMessage(58, "0", UiServices::MB_OK);
    }
    return false;
}

void clsZo::sub_CheckAccessories()
{
    m_IsMounted.fill(0);
    g_UiServices->SetProgress(10);
    std::string errors;
    for (int index = 0; index <= 23; ++index) {
        try {
            if (Scope->DeviceAt(index).IsMounted()->Value() == 1)
                m_IsMounted[static_cast<std::size_t>(index)] = 1;
        } catch (const std::exception&) {
            errors = func_JoinLines(errors, func_GetDeviceNameError(index));
        }
    }
    try {
        m_SystemType = Scope->SystemType();
    } catch (const std::exception&) {
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

namespace {

// Runs func_ReadSdk of each component and collects the error lines.
void ReadEach(std::initializer_list<clsComponent*> components, std::string& errors)
{
    for (clsComponent* component : components)
        errors = func_JoinLines(errors, component->func_ReadSdk());
}

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
    std::string errors;
    ReadEach({Version.get(), ConnectFilter.get(), Filter1.get(), Filter2.get(), DBObjective.get()}, errors);
    g_UiServices->SetProgress(55);
    ReadEach({ConnectShutter.get(), ConnectMicroscope.get(), ObservationMode.get()}, errors);
    g_UiServices->SetProgress(60);
    return ReportReadErrors(errors);
}

bool clsZo::func_Receive()
{
    std::string errors;
    ReadEach({DbCondenser.get(), DBBAFilter.get(), DbEXFilter.get(), DbFilter.get(), ConnectPiezoStage.get(),
              ShortcutKey.get(), ErgoKey.get()},
             errors);
    return ReportReadErrors(errors);
}

bool clsZo::func_ReadXMLItems(const std::string& path)
{
    return clsSetupFile(*this).func_ReadXMLItems(path);
}

void clsZo::sub_ReadXML(const std::string& path)
{
    clsSetupFile(*this).sub_ReadXML(path);
}

std::string clsZo::func_WriteXML(const std::string& path)
{
    return clsSetupFile(*this).func_WriteXML(path);
}

std::string clsZo::func_Send()
{
    std::string errors;
    auto write = [&errors](clsComponent& component) { errors = func_JoinLines(errors, component.func_WriteSdk()); };
    // Databases go before the components that refer to their entries.
    for (clsComponent* component :
         std::initializer_list<clsComponent*>{DBObjective.get(), Objective.get(), DbCondenser.get(), Condenser.get(),
                                              DbFilter.get(), Filter1.get(), Filter2.get(), DBBAFilter.get(),
                                              BAFilter.get(), DbEXFilter.get(), EXFilter.get(), ConnectShutter.get(),
                                              ConnectKMX.get(), ConnectFilter.get()})
        write(*component);
    // The SDK reports these writes as nosepiece changes; the flags keep the
    // modes from being re-read halfway.
    ModeALF->Busy = true;
    ModeRotation->Busy = true;
    write(*ModeALF);
    write(*ModeRotation);
    ModeALF->Busy = false;
    ModeRotation->Busy = false;
    write(*ErgoKey);
    write(*ObservationMode);
    write(*ConnectPiezoStage);
    return errors;
}

void clsZo::sub_RestData()
{
    for (clsComponent* component :
         std::initializer_list<clsComponent*>{Objective.get(), DBObjective.get(), DbCondenser.get(), Condenser.get(),
                                              DBBAFilter.get(), BAFilter.get(), DbEXFilter.get(), EXFilter.get(),
                                              DbFilter.get(), Filter1.get(), Filter2.get(), ConnectShutter.get(),
                                              ConnectKMX.get(), ConnectFilter.get(), ConnectPiezoStage.get(),
                                              ModeALF.get(), ModeRotation.get(), ErgoKey.get(),
                                              ObservationMode.get()})
        component->sub_RestData();
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
