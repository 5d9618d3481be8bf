#pragma once

#include "sdk/ZoScope.h"
#include "sdk/sim/SimHub.h"

#include <functional>
#include <memory>
#include <string>

namespace ZOSCOPELib::sim {

struct Limits {
    int32_t lower = 0;
    int32_t upper = 0;
    double resolution = 1;
};

// A live value of a simulated device. It keeps only a weak reference to the
// instrument, so a subscriber that outlives the Scope gets NotConnected
// instead of a dangling object.
class SimParameter final : public Parameter, public std::enable_shared_from_this<SimParameter> {
public:
    SimParameter(std::weak_ptr<Hub> hub, std::string object, int device, std::string member, Need need,
                 std::function<int32_t()> value, std::function<Limits()> limits);

    int32_t Value() const override;
    std::string ValueString() const override;
    int32_t LowerLimit() const override;
    int32_t UpperLimit() const override;
    double Resolution() const override;

    // Raise this parameter's events once the current call has finished.
    void NotifyValue();
    void NotifyInfo();

private:
    template <class F>
    auto Read(const std::string& member, F&& f) const;

    std::weak_ptr<Hub> m_hub;
    std::string m_object;
    int m_device;
    // "Position.Value" and friends, made once: they name every read in the trace.
    std::string m_valueMember, m_stringMember, m_lowerMember, m_upperMember, m_resolutionMember;
    Need m_need;
    std::function<int32_t()> m_value;
    std::function<Limits()> m_limits;
};

using SimParameterPtr = std::shared_ptr<SimParameter>;

} // namespace ZOSCOPELib::sim
