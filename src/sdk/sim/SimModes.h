#pragma once

#include "sdk/sim/SimHub.h"

namespace ZOSCOPELib::sim {

// The observation modes the instrument stores, and applying one of them.
class SimModes final : public ObservationModeList {
public:
    explicit SimModes(Hub& hub) : m_hub(hub) {}
    int32_t Count() override;
    std::string ModeName(int32_t index) override;
    ModeRecord GetMode(const std::string& name) override;
    void SetMode(const std::string& name, const ModeRecord& values) override;
    void RemoveMode(const std::string& name) override;
    void ApplyMode(const std::string& name) override;

private:
    template <class F>
    auto Call(std::string_view member, const std::string& args, F&& body)
    {
        return m_hub.Call("ObservationModes", -1, Need::Connection, member, args, std::forward<F>(body));
    }
    std::vector<std::pair<std::string, ModeRecord>>::iterator Find(const std::string& name);
    Hub& m_hub;
};

} // namespace ZOSCOPELib::sim
