#include "pad/PadCommandPath.h"

#include "core/TrapErrors.h"
#include "core/mdlLanguage.h"
#include "pad/PadCommandGuard.h"
#include "sdk/ZoScope.h"

#include <QTime>

#include <algorithm>
#include <optional>

namespace {

// Runs the call; the SDK's error number when it fails (0 for any other error).
std::optional<int32_t> Failed(const std::function<void()>& call)
{
    try {
        call();
        return std::nullopt;
    } catch (const ZOSCOPELib::SdkError& e) {
        return e.Number();
    } catch (...) {
        return 0;
    }
}

std::string DeviceName(int device)
{
    if (device == PadCommandPath::kModeList)
        return g_LangFrmSelFileItem.FileItem[14];
    const auto& names = g_LangDeviceName.DeviceNames;
    if (device >= 0 && static_cast<std::size_t>(device) < names.size())
        return names[static_cast<std::size_t>(device)];
    return {};
}

} // namespace

PadCommandPath::PadCommandPath(QWidget& pad) : m_Pad(pad) {}

PadCommandResult PadCommandPath::Send(int device, const std::function<void()>& call,
                                      const std::function<void()>& reread)
{
    const std::optional<int32_t> error = Failed(call);
    return Finish(device, error.has_value(), error.value_or(0), reread);
}

PadCommandResult PadCommandPath::Guarded(int device, const std::function<void()>& call,
                                         const std::function<void()>& reread, bool* busy,
                                         std::initializer_list<QWidget*> others)
{
    std::optional<int32_t> error;
    {
        const PadCommandGuard guard(m_Pad, busy, others);
        error = Failed(call);
    }
    return Finish(device, error.has_value(), error.value_or(0), reread);
}

PadCommandResult PadCommandPath::Finish(int device, bool failed, int32_t number,
                                        const std::function<void()>& reread)
{
    const auto standing = std::find_if(m_Standing.begin(), m_Standing.end(),
                                       [device](const Failure& f) { return f.Device == device; });
    if (!failed) {
        if (standing != m_Standing.end()) {
            m_Standing.erase(standing);
            if (OnChanged)
                OnChanged();
        }
        return {};
    }
    if (standing != m_Standing.end())
        m_Standing.erase(standing);
    const Failure failure{device, number, QTime::currentTime().toString("HH:mm:ss").toStdString()};
    m_Standing.push_back(failure);
    m_History.push_front(failure);
    if (m_History.size() > kHistory)
        m_History.pop_back();
    // What the control shows must be what the instrument is in, not what was asked.
    if (reread)
        TrapErrors(reread);
    if (OnChanged)
        OnChanged();
    return {PadCommandResult::Failed, func_FailureText(device, number)};
}

std::string PadCommandPath::func_FailureText(int device, int32_t number)
{
    const auto& reasons = g_LangFrmZoControl.FailReason;
    const int32_t listed = number - ZOSCOPELib::NotConnected + 1;
    std::string reason;
    if (listed >= 1 && static_cast<std::size_t>(listed) < reasons.size())
        reason = reasons[static_cast<std::size_t>(listed)];
    else
        reason = reasons[0] + (number != 0 ? " (" + std::to_string(number) + ")" : std::string());
    return DeviceName(device) + ": " + reason;
}
