#include "remote/RemoteCommands.h"

#include "core/DeviceValue.h"
#include "core/NumberText.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace remote {

namespace {

using Group = RemoteTarget::Group;

constexpr int kSlots = 20;
constexpr std::array<std::string_view, RemoteTarget::GroupCount> kGroupNames{"XY", "Z", "Piezo", "TIRF"};

ZOSCOPELib::Scope& Instrument()
{
    if (!g_Zo->Scope)
        throw RemoteError("no microscope is connected");
    return *g_Zo->Scope;
}

bool Mounted(const RemoteDevice& device)
{
    return g_Zo->IsMounted(device.Index) == 1;
}

Json MemoryList(Group group)
{
    Json slots = Json::array();
    const auto tables = func_GroupTables(group);
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        Json entry = Json::object();
        for (const auto& [axis, table] : tables)
            if (const std::optional<double> value = zo::ParseNumber((*table)[slot]))
                entry[std::string(AxisName(axis))] = *value;
        slots.push_back(entry.size() == tables.size() ? entry : Json());
    }
    return slots;
}

Group GroupNamed(const std::string& name)
{
    for (std::size_t g = 0; g < kGroupNames.size(); ++g)
        if (SameName(kGroupNames[g], name))
            return static_cast<Group>(g);
    throw RemoteError("unknown memory group \"" + name + "\" (XY, Z, Piezo or TIRF)");
}

// The axes a move names: X, Y, XY, Z, Piezo, TIRF, or an axis's device name.
std::vector<RemoteAxis> MoveAxes(const std::string& name)
{
    if (SameName(name, "XY") || SameName(name, "XYStage"))
        return {AxisX, AxisY};
    for (int a = 0; a < AxisFKS; ++a) {
        const auto axis = static_cast<RemoteAxis>(a);
        if (SameName(name, AxisName(axis)) || SameName(name, AxisDevice(axis).Name))
            return {axis};
    }
    throw RemoteError("unknown axis \"" + name + "\" (X, Y, XY, Z, Piezo or TIRF)");
}

// The numbers of "to" or "by": one per axis, an array for XY.
std::vector<double> MoveValues(const RemoteRequest& request, const char* name, std::size_t count)
{
    const Json* value = request.Find(name);
    if (count == 1)
        return {request.Number(name)};
    if (!value->is_array() || value->size() != count)
        throw RemoteError(std::string("\"") + name + "\" must be an array of " + std::to_string(count) + " numbers");
    std::vector<double> values;
    for (const Json& item : *value) {
        if (!item.is_number() || !std::isfinite(item.get<double>()))
            throw RemoteError(std::string("\"") + name + "\" must be an array of " + std::to_string(count) +
                              " numbers");
        values.push_back(item.get<double>());
    }
    return values;
}

Json Move(RemoteTarget& pad, const RemoteRequest& request)
{
    const std::vector<RemoteAxis> axes = MoveAxes(request.Text("axis"));
    const bool relative = request.Find("by") != nullptr;
    if (relative == (request.Find("to") != nullptr))
        throw RemoteError("a move needs either \"to\" or \"by\"");
    const std::vector<double> values = MoveValues(request, relative ? "by" : "to", axes.size());
    std::vector<std::pair<RemoteAxis, int32_t>> targets;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const RemoteDevice& device = AxisDevice(axes[i]);
        if (!Mounted(device))
            throw RemoteError(std::string(device.Name) + " is not mounted");
        const double factor = pad.DisplayFactor(axes[i]);
        const double start = relative ? device.Read(Instrument())->Value() * factor : 0.0;
        // Far beyond any drive's limits stays beyond them, without overflow.
        const double reach = 2.0e9 * std::abs(factor);
        const double target = std::clamp(start + values[i], -reach, reach);
        targets.emplace_back(axes[i], ::func_DeviceValue(target, factor));
    }
    pad.Move(targets);
    return nullptr;
}

int32_t SetValue(const RemoteDevice& device, const Json& value)
{
    if (device.Type == RemoteDevice::OnOff) {
        if (value.is_boolean())
            return value.get<bool>() ? 1 : 0;
        if (value.is_number_integer() && (value == 0 || value == 1))
            return value.get<int32_t>();
        if (value.is_string()) {
            const std::string text = value.get<std::string>();
            for (const char* on : {"on", "open", "in", "true"})
                if (SameName(text, on))
                    return 1;
            for (const char* off : {"off", "closed", "close", "out", "false"})
                if (SameName(text, off))
                    return 0;
        }
        throw RemoteError(std::string(device.Name) + " takes on or off");
    }
    const ZOSCOPELib::ParameterPtr position = device.Read(Instrument());
    const int32_t last = position->UpperLimit();
    std::optional<double> number;
    if (value.is_number())
        number = value.get<double>();
    else if (value.is_string())
        number = zo::ParseNumber(value.get<std::string>());
    if (!number || *number != std::floor(*number) || *number < 1 || *number > last)
        throw RemoteError(std::string(device.Name) + " takes a position from 1 to " + std::to_string(last));
    return static_cast<int32_t>(*number);
}

Json Set(RemoteTarget& pad, const RemoteRequest& request)
{
    const std::string name = request.Text("device");
    const RemoteDevice* device = FindRemoteDevice(name);
    if (!device)
        throw RemoteError("unknown device \"" + name + "\"");
    if (device->Type == RemoteDevice::Axis)
        throw RemoteError(std::string(device->Name) + " is an axis: use move");
    if (!Mounted(*device))
        throw RemoteError(std::string(device->Name) + " is not mounted");
    const Json* value = request.Find("value");
    if (!value)
        throw RemoteError("\"value\" is missing");
    pad.Set(*device, SetValue(*device, *value));
    return nullptr;
}

Json Modes()
{
    Json modes = Json::array();
    ZOSCOPELib::ObservationModeList& list = Instrument().ObservationModes();
    const int32_t count = list.Count();
    for (int32_t n = 1; n <= count; ++n)
        modes.push_back({{"number", n}, {"name", list.ModeName(n)}});
    return modes;
}

Json Mode(RemoteTarget& pad, const RemoteRequest& request)
{
    const Json* apply = request.Find("apply");
    if (!apply)
        throw RemoteError("\"apply\" is missing");
    const Json modes = Modes();
    const int count = static_cast<int>(modes.size());
    int number = 0;
    if (apply->is_number()) {
        number = request.Integer("apply", 1, std::max(count, 1));
    } else {
        const std::string name = request.Text("apply");
        for (const Json& mode : modes)
            if (SameName(mode["name"].get<std::string>(), name) || std::to_string(mode["number"].get<int>()) == name)
                number = mode["number"].get<int>();
    }
    if (number < 1 || number > count)
        throw RemoteError("no observation mode " + apply->dump());
    pad.ApplyMode(number);
    return nullptr;
}

Json Memory(RemoteTarget& pad, const RemoteRequest& request)
{
    if (request.Find("list")) {
        const Group group = GroupNamed(request.Text("list"));
        return MemoryList(group);
    }
    const bool store = request.Find("store") != nullptr;
    if (!store && !request.Find("recall"))
        throw RemoteError("memory needs \"list\", \"store\" or \"recall\"");
    const Group group = GroupNamed(request.Text(store ? "store" : "recall"));
    const int slot = request.Integer("slot", 1, kSlots);
    if (store)
        pad.StoreMemory(group, slot);
    else
        pad.RecallMemory(group, slot);
    return nullptr;
}

// A command that changes the instrument, refused while the pad takes none.
Json Changing(RemoteTarget& pad, const RemoteRequest& request, Json (*run)(RemoteTarget&, const RemoteRequest&))
{
    if (const std::string refusal = pad.func_Refusal(); !refusal.empty())
        throw RemoteError(refusal);
    return run(pad, request);
}

} // namespace

std::vector<std::pair<RemoteAxis, const MemoryTable*>> func_GroupTables(RemoteTarget::Group group)
{
    switch (group) {
    case RemoteTarget::GroupXY:
        return {{AxisX, &g_MemX}, {AxisY, &g_MemY}};
    case RemoteTarget::GroupZ:
        return {{AxisZ, &g_MemZ}};
    case RemoteTarget::GroupPiezo:
        return {{AxisPiezo, &g_MemPiezo}};
    default:
        return {{AxisTIRF, &g_MemTIRF}};
    }
}

Json func_DeviceValue(const RemoteDevice& device, int32_t value)
{
    if (device.Type == RemoteDevice::OnOff)
        return value == 1;
    return value;
}

Json func_State(RemoteTarget& pad)
{
    ZOSCOPELib::Scope& scope = Instrument();
    Json devices = Json::object();
    Json axes = Json::object();
    for (const RemoteDevice& device : RemoteDeviceTable()) {
        if (!Mounted(device))
            continue;
        const int32_t value = device.Read(scope)->Value();
        if (device.Type != RemoteDevice::Axis) {
            devices[std::string(device.Name)] = func_DeviceValue(device, value);
            continue;
        }
        const auto axis = static_cast<RemoteAxis>(device.AxisOf);
        // Stage axes show micrometres; TIRF and the FKS offset the pad's own units.
        const char* shown = axis <= AxisPiezo ? "um" : "shown";
        axes[std::string(AxisName(axis))] = {{"device", value}, {shown, value * pad.DisplayFactor(axis)}};
    }
    Json memories = Json::object();
    for (std::size_t g = 0; g < kGroupNames.size(); ++g)
        memories[std::string(kGroupNames[g])] = MemoryList(static_cast<Group>(g));
    memories["FKS"] = g_MemFKS;
    return {{"devices", devices},
            {"axes", axes},
            {"moving", pad.Moving()},
            {"modes", Modes()},
            {"memories", memories}};
}

Json RunCommand(RemoteTarget& pad, const RemoteRequest& request)
{
    if (request.Is("state"))
        return func_State(pad);
    if (request.Is("set"))
        return Changing(pad, request, Set);
    if (request.Is("move"))
        return Changing(pad, request, Move);
    if (request.Is("mode"))
        return Changing(pad, request, Mode);
    if (request.Is("memory"))
        return request.Find("list") ? Memory(pad, request) : Changing(pad, request, Memory);
    throw RemoteError("unknown command \"" + request.Command + "\"");
}

} // namespace remote
