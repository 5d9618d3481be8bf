#include "ZoctlCommand.h"

#include "core/NumberText.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace zoctl {

namespace {

using remote::Json;

struct Usage {
    std::string_view Name;
    std::string_view Text;
};

constexpr std::array kUsage{
    Usage{"state", "zoctl state\n  Prints every mounted device, the axes, the observation modes and the memories as JSON."},
    Usage{"set", "zoctl set DEVICE VALUE\n  Sets a turret, wheel, light path or ND position (1..n) or a shutter,\n"
                 "  lamp, TIRF, FKS or analyzer on or off. DEVICE: Nosepiece, Condenser,\n"
                 "  FilterTurret1, FilterTurret2, ExcitationWheel, BarrierWheel, LightPath,\n"
                 "  IrluxND, Irlux, DiaLamp, DiaShutter, EpiShutter, AuxShutter, Analyzer,\n"
                 "  TIRF, FKSUnit (any letter case)."},
    Usage{"move", "zoctl move AXIS TO | zoctl move AXIS --by STEP\n  Moves X, Y, Z, Piezo or TIRF to a position or by a step in micrometres;\n"
                  "  XY takes two numbers (X then Y)."},
    Usage{"mode", "zoctl mode N|NAME\n  Applies observation mode N (1..8) or the mode of that name."},
    Usage{"memory", "zoctl memory store|recall GROUP SLOT | zoctl memory list GROUP\n"
                    "  Stores what the pad shows into slot 1..20 of XY, Z, Piezo or TIRF, moves\n"
                    "  back to a stored slot, or prints a group's slots as JSON."},
    Usage{"wait", "zoctl wait [--timeout S]\n  Returns once no axis is moving and no turret turning (default timeout 60 s)."},
    Usage{"watch", "zoctl watch\n  Prints one JSON line per device change until interrupted."},
};

std::string AllUsage()
{
    std::string text = "zoctl: drives the running ZoControl pad.\n\n";
    for (const Usage& usage : kUsage)
        text += std::string(usage.Text) + "\n\n";
    text += "Exit status: 0 done, 1 the pad refused, 2 no pad running or a malformed command.\n"
            "Each command takes --help.";
    return text;
}

std::string UsageOf(std::string_view name)
{
    for (const Usage& usage : kUsage)
        if (usage.Name == name)
            return std::string(usage.Text);
    return AllUsage();
}

[[noreturn]] void Fail(std::string_view name)
{
    throw std::invalid_argument(UsageOf(name));
}

double NumberOf(const std::string& text, std::string_view name)
{
    const std::optional<double> number = zo::ParseNumber(text);
    if (!number)
        Fail(name);
    return *number;
}

// A number when the text is one, the text otherwise.
Json ValueOf(const std::string& text)
{
    if (const std::optional<double> number = zo::ParseNumber(text)) {
        if (*number == std::floor(*number) && std::abs(*number) < 1e15)
            return static_cast<long long>(*number);
        return *number;
    }
    return text;
}

} // namespace

Command func_Parse(const std::vector<std::string>& args)
{
    Command command;
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        command.Help = AllUsage();
        return command;
    }
    const std::string& name = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest)
        if (arg == "--help" || arg == "-h") {
            command.Help = UsageOf(name);
            return command;
        }
    Json& request = command.Request;
    request = {{"id", 1}, {"cmd", name}};
    if (name == "state" && rest.empty()) {
        command.PrintsJson = true;
    } else if (name == "watch" && rest.empty()) {
        command.Streams = true;
    } else if (name == "set" && rest.size() == 2) {
        request["device"] = rest[0];
        request["value"] = ValueOf(rest[1]);
    } else if (name == "move" && rest.size() >= 2) {
        request["axis"] = rest[0];
        const bool by = rest[1] == "--by";
        std::vector<double> values;
        for (std::size_t i = by ? 2 : 1; i < rest.size(); ++i)
            values.push_back(NumberOf(rest[i], name));
        if (values.empty() || values.size() > 2)
            Fail(name);
        request[by ? "by" : "to"] = values.size() == 1 ? Json(values[0]) : Json(values);
    } else if (name == "mode" && rest.size() == 1) {
        request["apply"] = ValueOf(rest[0]);
    } else if (name == "memory" && rest.size() == 3 && (rest[0] == "store" || rest[0] == "recall")) {
        request[rest[0]] = rest[1];
        request["slot"] = NumberOf(rest[2], name);
    } else if (name == "memory" && rest.size() == 2 && rest[0] == "list") {
        request["list"] = rest[1];
        command.PrintsJson = true;
    } else if (name == "wait" && (rest.empty() || (rest.size() == 2 && rest[0] == "--timeout"))) {
        if (!rest.empty())
            request["timeout"] = NumberOf(rest[1], name);
    } else {
        Fail(name);
    }
    return command;
}

} // namespace zoctl
