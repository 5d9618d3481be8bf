#include "sdk/sim/SimControl.h"

#include "sdk/sim/SimScope.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ZOSCOPELib::sim {

namespace {

SimScope& AsSim(Scope& scope)
{
    auto* sim = dynamic_cast<SimScope*>(&scope);
    if (!sim)
        throw std::invalid_argument("not the simulated microscope");
    return *sim;
}

std::string EnvOr(const char* name, const std::string& fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? std::string(v) : fallback;
}

} // namespace

Control::Control(Scope& scope) : m_scope(AsSim(scope)) {}

void Control::SetNotAnswering(int device, bool notAnswering)
{
    m_scope.GetHub().SetNotAnswering(device, notAnswering);
}

void Control::FailCall(const std::string& object, const std::string& member, int32_t number, int times)
{
    m_scope.GetHub().FailCall(object, member, number, times);
}

void Control::ClearFaults()
{
    m_scope.GetHub().ClearFaults();
}

void Control::Plug(int device, bool mounted)
{
    m_scope.GetHub().Plug(device, mounted);
}

void Control::PressErgoSwitch(bool pressed)
{
    m_scope.Ergo().Press(pressed);
    m_scope.GetHub().DeliverPending();
}

bool Control::IsConnected() const
{
    return m_scope.GetHub().Connected();
}

Description& Control::Config()
{
    return m_scope.GetHub().Config();
}

Description LoadDescription(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SdkError("ZOSCOPELib.Simulator", InvalidArgument, path + ": the instrument description cannot be read");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Description d = Description::Default();
    d.Apply(text, path);
    return d;
}

} // namespace ZOSCOPELib::sim

namespace ZOSCOPELib {

std::unique_ptr<Scope> CreateScope(const ScopeOptions& options)
{
    if (!options.clock)
        throw SdkError("ZOSCOPELib.Simulator", InvalidArgument, "no clock was given");
    const std::string instrument = options.instrumentFile.empty() ? sim::EnvOr("ZO_SIM_INSTRUMENT", "")
                                                                  : options.instrumentFile;
    sim::Description description = instrument.empty() ? sim::Description::Default() : sim::LoadDescription(instrument);

    std::string folder = options.stateFolder;
    if (folder.empty()) {
        const std::string home = sim::EnvOr("HOME", ".");
        folder = sim::EnvOr("XDG_CONFIG_HOME", home + "/.config") + "/ZoControl/Simulator";
    }
    const std::string trace = options.traceFile.empty() ? sim::EnvOr("ZO_SIM_TRACE", "") : options.traceFile;
    return std::make_unique<sim::SimScope>(options.clock, std::move(description), folder + "/state.ini", trace);
}

} // namespace ZOSCOPELib
