#include "sdk/sim/SimScope.h"

#include "sdk/sim/SimText.h"

namespace ZOSCOPELib::sim {

// ---------------------------------------------------------------- microscope list

std::string SimMicroscopeEntry::Name()
{
    return m_hub.Call(Object(), -1, Need::Nothing, "Name", "", [this] {
        return m_index == 0 ? std::string("Simulator")
                            : m_hub.Config().microscopes.at(static_cast<std::size_t>(m_index - 1)).name;
    });
}

bool SimMicroscopeEntry::IsAvailable()
{
    return m_hub.Call(Object(), -1, Need::Nothing, "IsAvailable", "", [this] {
        return m_index == 0 || m_hub.Config().microscopes.at(static_cast<std::size_t>(m_index - 1)).available;
    });
}

void SimMicroscopeEntry::Connect()
{
    m_hub.Call(Object(), -1, Need::Nothing, "Connect", "", [this] { m_hub.ConnectEntry(m_index); });
}

void SimMicroscopeEntry::Disconnect()
{
    m_hub.Call(Object(), -1, Need::Nothing, "Disconnect", "", [this] { m_hub.DisconnectEntry(m_index); });
}

SimMicroscopeList::SimMicroscopeList(Hub& hub) : m_hub(hub)
{
    const std::size_t count = 1 + hub.Config().microscopes.size();
    for (std::size_t i = 0; i < count; ++i)
        m_entries.push_back(std::make_unique<SimMicroscopeEntry>(hub, static_cast<int32_t>(i)));
}

int32_t SimMicroscopeList::Count()
{
    return m_hub.Call("Microscopes", -1, Need::Nothing, "Count", "",
                      [this] { return static_cast<int32_t>(m_entries.size()); });
}

MicroscopeEntry& SimMicroscopeList::Item(int32_t index)
{
    return *m_hub.Call("Microscopes", -1, Need::Nothing, "Item", TraceArgs(index), [&] {
        if (index < 0 || index >= static_cast<int32_t>(m_entries.size()))
            throw SdkError("ZOSCOPELib.Microscopes", OutOfRange, "no microscope " + std::to_string(index));
        return m_entries[static_cast<std::size_t>(index)].get();
    });
}

// ---------------------------------------------------------------- scope

SimScope::SimScope(std::shared_ptr<const Clock> clock, Description base, std::string stateFile, std::string traceFile)
    : m_hub(std::make_shared<Hub>(std::move(clock), std::move(base), std::move(stateFile), std::move(traceFile)))
{
    Hub& hub = *m_hub;
    hub.m_scope = this;
    m_microscopes = std::make_unique<SimMicroscopeList>(hub);

    auto axis = [&hub](int index) {
        return std::make_unique<SimPlainAxis>(hub, index, DeviceObjectName(index),
                                              [&hub, index]() -> AxisDescription& { return hub.Config().axes.at(index); });
    };
    m_lamp = std::make_unique<SimLamp>(hub);
    m_irlux = std::make_unique<SimIlluminator>(hub);
    m_diaShutter = std::make_unique<SimShutter>(hub, DeviceIndex::DiaShutter);
    m_epiShutter = std::make_unique<SimShutter>(hub, DeviceIndex::EpiShutter);
    m_auxShutter = std::make_unique<SimShutter>(hub, DeviceIndex::AuxShutter);
    m_baWheel = std::make_unique<SimPlainTurret>(hub, DeviceIndex::BAWheel);
    m_exWheel = std::make_unique<SimPlainTurret>(hub, DeviceIndex::EXWheel);
    m_condenser = std::make_unique<SimPlainTurret>(hub, DeviceIndex::Condenser);
    m_filter1 = std::make_unique<SimFilterTurret>(hub, DeviceIndex::FilterTurret1);
    m_filter2 = std::make_unique<SimFilterTurret>(hub, DeviceIndex::FilterTurret2);
    m_nosepiece = std::make_unique<SimNosepiece>(hub, [this] { return m_z.get(); });
    m_fks = std::make_unique<SimFKS>(hub);
    m_lightPath = std::make_unique<SimLightPath>(hub, DeviceIndex::LightPath);
    m_tirf = std::make_unique<SimTIRF>(hub);
    m_x = axis(DeviceIndex::XAxis);
    m_y = axis(DeviceIndex::YAxis);
    m_z = axis(DeviceIndex::ZDrive);
    m_piezo = std::make_unique<SimPiezo>(hub);
    m_kmx1 = std::make_unique<SimCameraPort>(hub, DeviceIndex::KMX1);
    m_kmx2 = std::make_unique<SimCameraPort>(hub, DeviceIndex::KMX2);
    m_analyzer = std::make_unique<SimAnalyzer>(hub);
    m_device21 = std::make_unique<SimPresence>(hub, DeviceIndex::Device21);
    m_remotePad = std::make_unique<SimPresence>(hub, DeviceIndex::RemotePad);
    m_ergo = std::make_unique<SimErgo>(hub);
    m_xy = std::make_unique<SimXYStage>(hub, *m_x, *m_y);
    m_database = std::make_unique<SimModelDatabase>(
        hub, m_nosepiece->Motion().Parameter(), m_condenser->Motion().Parameter(), m_filter1->Motion().Parameter(),
        m_filter2->Motion().Parameter(), m_exWheel->Motion().Parameter(), m_baWheel->Motion().Parameter());
    m_modes = std::make_unique<SimModes>(hub);
    m_byIndex = {m_lamp.get(),     m_irlux.get(),     m_diaShutter.get(), m_epiShutter.get(), m_auxShutter.get(),
                 m_baWheel.get(),  m_exWheel.get(),   m_condenser.get(),  m_filter1.get(),    m_filter2.get(),
                 m_nosepiece.get(), m_fks.get(),      m_lightPath.get(),  m_tirf.get(),       m_x.get(),
                 m_y.get(),        m_z.get(),         m_piezo.get(),      m_kmx1.get(),       m_kmx2.get(),
                 m_analyzer.get(), m_device21.get(),  m_remotePad.get(),  m_ergo.get()};
    m_cores = {&m_lamp->SimCore(),     &m_irlux->SimCore(),     &m_diaShutter->SimCore(), &m_epiShutter->SimCore(),
               &m_auxShutter->SimCore(), &m_baWheel->SimCore(), &m_exWheel->SimCore(),    &m_condenser->SimCore(),
               &m_filter1->SimCore(),  &m_filter2->SimCore(),   &m_nosepiece->SimCore(),  &m_fks->SimCore(),
               &m_lightPath->SimCore(), &m_tirf->SimCore(),     &m_x->SimCore(),          &m_y->SimCore(),
               &m_z->SimCore(),        &m_piezo->SimCore(),     &m_kmx1->SimCore(),       &m_kmx2->SimCore(),
               &m_analyzer->SimCore(), &m_device21->SimCore(),  &m_remotePad->SimCore(),  &m_ergo->SimCore()};
}

SimScope::~SimScope()
{
    // The hub may outlive this object for the rest of a call that is
    // delivering events; from now on it is disconnected.
    m_hub->m_scope = nullptr;
    m_hub->m_connected = false;
}

MicroscopeEntry* SimScope::CurrentMicroscope()
{
    return m_hub->Call("Scope", -1, Need::Nothing, "CurrentMicroscope", "", [this] { return m_current; });
}

void SimScope::SetCurrentMicroscope(MicroscopeEntry& entry)
{
    m_hub->Call("Scope", -1, Need::Nothing, "SetCurrentMicroscope", TraceArgs(entry.Name()), [&] { m_current = &entry; });
}

int32_t SimScope::SystemType()
{
    return m_hub->Call("Scope", -1, Need::Connection, "SystemType", "", [this] { return m_hub->Config().systemType; });
}

ModelDatabase& SimScope::Database()
{
    return *m_hub->Call("Scope", -1, Need::Connection, "Database", "",
                        [this] { return static_cast<ModelDatabase*>(m_database.get()); });
}

int32_t SimScope::UnitCount()
{
    return m_hub->Call("Scope", -1, Need::Connection, "UnitCount", "",
                       [this] { return static_cast<int32_t>(m_hub->Config().unitVersions.size()); });
}

std::string SimScope::UnitVersion(int32_t unit)
{
    return m_hub->Call("Scope", -1, Need::Connection, "UnitVersion", TraceArgs(unit), [&] {
        const auto& versions = m_hub->Config().unitVersions;
        if (unit < 0 || unit >= static_cast<int32_t>(versions.size()))
            throw SdkError("ZOSCOPELib.Scope", OutOfRange, "no unit " + std::to_string(unit));
        return versions[static_cast<std::size_t>(unit)];
    });
}

Device& SimScope::DeviceAt(int32_t index)
{
    if (index < 0 || index >= static_cast<int32_t>(m_byIndex.size()))
        throw SdkError("ZOSCOPELib.Scope", OutOfRange, "no device " + std::to_string(index));
    return *m_byIndex[static_cast<std::size_t>(index)];
}

void SimScope::ProcessEvents()
{
    m_hub->ProcessEvents();
}

int64_t SimScope::NextEventDue()
{
    return m_hub->NextEventDue();
}

std::vector<SimParameterPtr> SimScope::PresenceParameters(int index)
{
    std::vector<SimParameterPtr> parameters;
    if (index < 0 || index >= static_cast<int>(m_cores.size()))
        return parameters;
    parameters.push_back(m_cores[static_cast<std::size_t>(index)]->isMounted);
    if (index == DeviceIndex::KMX1 || index == DeviceIndex::KMX2)
        parameters.push_back((index == DeviceIndex::KMX1 ? m_kmx1 : m_kmx2)->PortValue());
    if (index == DeviceIndex::XAxis || index == DeviceIndex::YAxis)
        parameters.push_back(m_xy->SimCore().isMounted);
    return parameters;
}

} // namespace ZOSCOPELib::sim
