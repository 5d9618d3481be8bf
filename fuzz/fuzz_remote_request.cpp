// Fuzz target for the remote control's request reader: every line is parsed
// and, when it is a request, run against the simulated microscope through a
// pad that only records. Whatever the line holds, the answer is one reply
// line of valid JSON with the request's id, never a crash or an exception
// other than a refusal.
#include "model/clsZo.h"
#include "remote/RemoteCommands.h"

// The recording UI services of the tests (compiled into this target so that
// it needs nothing but the program's libraries).
#include "../tests/support/ScriptedUi.cpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Takes every command; moves and sets must arrive checked.
class RecordingPad : public remote::RemoteTarget {
public:
    std::string func_Refusal() override { return {}; }
    void Set(const remote::RemoteDevice& device, int32_t value) override
    {
        Check(device.Type != remote::RemoteDevice::Axis && value >= 0);
    }
    void Move(const std::vector<std::pair<remote::RemoteAxis, int32_t>>& targets) override
    {
        Check(!targets.empty() && targets.size() <= 2);
    }
    void ApplyMode(int number) override { Check(number >= 1); }
    void StoreMemory(Group, int slot) override { Check(slot >= 1 && slot <= 20); }
    void RecallMemory(Group, int slot) override { Check(slot >= 1 && slot <= 20); }
    double DisplayFactor(remote::RemoteAxis) override { return 0.025; }
    bool Moving() override { return false; }
};

struct Instrument {
    Instrument()
    {
        char folder[] = "/tmp/zo-fuzz-remote-XXXXXX";
        Check(::mkdtemp(folder) != nullptr);
        ZOSCOPELib::ScopeOptions options;
        options.clock = std::make_shared<ZOSCOPELib::ManualClock>();
        options.stateFolder = folder;
        zotest::ScopedUi installed(quiet);
        g_Zo->Scope = ZOSCOPELib::CreateScope(options);
        Check(g_Zo->func_Connect(0));
        g_Zo->func_ControlInfo();
    }
    zotest::ScriptedUi quiet;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Instrument instrument;
    static RecordingPad pad;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const remote::ParsedLine parsed = remote::ParseRequestLine(line);
    std::string reply;
    if (!parsed.Request) {
        Check(!parsed.Error.empty());
        reply = remote::ReplyError(parsed.Id, parsed.Error);
    } else {
        try {
            reply = remote::ReplyOk(parsed.Id, remote::RunCommand(pad, *parsed.Request));
        } catch (const remote::RemoteError& e) {
            reply = remote::ReplyError(parsed.Id, e.what());
        }
    }
    Check(!reply.empty() && reply.back() == '\n' && reply.find('\n') == reply.size() - 1);
    const remote::Json back = remote::Json::parse(reply, nullptr, false);
    Check(back.is_object() && back["id"] == parsed.Id);
    return 0;
}
