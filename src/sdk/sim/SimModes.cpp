#include "sdk/sim/SimModes.h"

#include "sdk/sim/SimScope.h"
#include "sdk/sim/SimText.h"

#include <algorithm>
#include <optional>

namespace ZOSCOPELib::sim {

std::vector<std::pair<std::string, ModeRecord>>::iterator SimModes::Find(const std::string& name)
{
    auto& modes = m_hub.Config().modes;
    const auto it = std::find_if(modes.begin(), modes.end(), [&](const auto& m) { return m.first == name; });
    if (it == modes.end())
        throw SdkError("ZOSCOPELib.ObservationModes", NotFound, "no observation mode named \"" + name + "\"");
    return it;
}

int32_t SimModes::Count()
{
    return Call("Count", "", [this] { return static_cast<int32_t>(m_hub.Config().modes.size()); });
}

std::string SimModes::ModeName(int32_t index)
{
    return Call("ModeName", TraceArgs(index), [&] {
        const auto& modes = m_hub.Config().modes;
        if (index < 1 || index > static_cast<int32_t>(modes.size()))
            throw SdkError("ZOSCOPELib.ObservationModes", OutOfRange, "no mode " + std::to_string(index));
        return modes[static_cast<std::size_t>(index - 1)].first;
    });
}

ModeRecord SimModes::GetMode(const std::string& name)
{
    return Call("GetMode", TraceArgs(name), [&] { return Find(name)->second; });
}

void SimModes::SetMode(const std::string& name, const ModeRecord& values)
{
    Call("SetMode", TraceArgs(name), [&] {
        const std::string trimmed = Trim(name);
        if (trimmed.empty() || !IsStorableName(trimmed))
            throw SdkError("ZOSCOPELib.ObservationModes", InvalidArgument, "the mode name cannot be stored");
        auto& modes = m_hub.Config().modes;
        const auto it = std::find_if(modes.begin(), modes.end(), [&](const auto& m) { return m.first == trimmed; });
        if (it != modes.end())
            it->second = values;
        else
            modes.emplace_back(trimmed, values);
        m_hub.ConfigChanged();
    });
}

void SimModes::RemoveMode(const std::string& name)
{
    Call("RemoveMode", TraceArgs(name), [&] {
        m_hub.Config().modes.erase(Find(name));
        m_hub.ConfigChanged();
    });
}

void SimModes::ApplyMode(const std::string& name)
{
    Call("ApplyMode", TraceArgs(name), [&] {
        const ModeRecord mode = Find(name)->second;
        SimScope& scope = m_hub.Scope();
        // Every device of the mode is driven; the first refusal is reported at the end.
        std::optional<SdkError> refused;
        auto set = [&](int slot, int device, auto&& action) {
            const int32_t v = mode[static_cast<std::size_t>(slot)];
            if (v == NotSet || !m_hub.Mounted(device))
                return;
            try {
                action(v);
            } catch (const SdkError& e) {
                if (!refused)
                    refused = e;
            }
        };
        auto onOff = [](auto& device) {
            return [&device](int32_t v) { v == 1 ? device.Open() : device.Close(); };
        };
        set(0, DeviceIndex::Nosepiece, [&](int32_t v) { scope.Nosepiece().SetPosition(v); });
        set(1, DeviceIndex::FilterTurret1, [&](int32_t v) { scope.FilterTurret1().SetPosition(v); });
        set(2, DeviceIndex::FilterTurret2, [&](int32_t v) { scope.FilterTurret2().SetPosition(v); });
        set(3, DeviceIndex::EXWheel, [&](int32_t v) { scope.ExcitationWheel().SetPosition(v); });
        set(4, DeviceIndex::BAWheel, [&](int32_t v) { scope.BarrierWheel().SetPosition(v); });
        set(5, DeviceIndex::Condenser, [&](int32_t v) { scope.Condenser().SetPosition(v); });
        set(6, DeviceIndex::Analyzer, [&](int32_t v) { v == 1 ? scope.Analyzer().In() : scope.Analyzer().Out(); });
        set(7, DeviceIndex::DiaLamp, [&](int32_t v) { v == 1 ? scope.DiaLamp().On() : scope.DiaLamp().Off(); });
        set(8, DeviceIndex::DiaLamp, [&](int32_t v) { scope.DiaLamp().SetValue(v); });
        set(9, DeviceIndex::EpiShutter, onOff(scope.EpiShutter()));
        set(10, DeviceIndex::DiaShutter, onOff(scope.DiaShutter()));
        set(11, DeviceIndex::AuxShutter, onOff(scope.AuxShutter()));
        set(12, DeviceIndex::Illuminator, onOff(scope.Irlux()));
        set(13, DeviceIndex::LightPath, [&](int32_t v) { scope.LightPath().SetPosition(v); });
        set(14, DeviceIndex::Illuminator, [&](int32_t v) { scope.Irlux().SetNDPosition(v); });
        set(19, DeviceIndex::FKS, [&](int32_t v) { v == 1 ? scope.FKSUnit().On() : scope.FKSUnit().Off(); });
        set(20, DeviceIndex::FKS, [&](int32_t v) { scope.FKSUnit().Offset().MoveAbsolute(v); });
        set(22, DeviceIndex::TIRF, [&](int32_t v) { v == 1 ? scope.TIRF().On() : scope.TIRF().Off(); });
        if (refused)
            throw *refused;
    });
}

} // namespace ZOSCOPELib::sim
