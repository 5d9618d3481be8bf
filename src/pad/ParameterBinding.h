#pragma once

#include "sdk/ZoScope.h"

#include <cstdint>
#include <functional>

// One of the pad's live parameter members (m_mip...): an SDK parameter object
// and the pad's subscriptions to its two events. Releasing it (the member set
// to nothing) drops both subscriptions, so no event of that parameter reaches
// the pad any more, and lets go of the parameter. Binding again releases the
// previous parameter first. Handlers run with their errors trapped: an event
// must never carry an exception back into the SDK that raised it.
class ParameterBinding {
public:
    using Handler = std::function<void()>;

    ParameterBinding() = default;
    ParameterBinding(const ParameterBinding&) = delete;
    ParameterBinding& operator=(const ParameterBinding&) = delete;

    // Either handler may be empty (that event is not subscribed). A null
    // parameter leaves the member released.
    void Bind(ZOSCOPELib::ParameterPtr parameter, Handler onValueChanged, Handler onInfoChanged = {});
    void Release();

    bool IsBound() const { return m_Parameter != nullptr; }
    explicit operator bool() const { return IsBound(); }
    const ZOSCOPELib::ParameterPtr& Parameter() const { return m_Parameter; }
    // The bound parameter; throws SdkError (NotConnected) when released.
    ZOSCOPELib::Parameter& operator*() const;
    ZOSCOPELib::Parameter* operator->() const { return &**this; }
    int32_t Value() const { return (**this).Value(); }

    // Whether the member's events still reach the pad (for tests of release).
    bool Subscribed() const { return m_ValueChanged.active() || m_InfoChanged.active(); }

private:
    ZOSCOPELib::ParameterPtr m_Parameter;
    ZOSCOPELib::Subscription m_ValueChanged;
    ZOSCOPELib::Subscription m_InfoChanged;
};
