#pragma once

#include "pad/PadCommandPath.h"
#include "pad/ParameterBinding.h"

#include <functional>

class usrMPButton;

// The one mechanism behind every two-state device button (the DIA, epi and
// AUX shutters, the illuminator's shutter, the analyzer, TIRF, FKS and the
// DIA lamp): the pad's parameter member of the device's on-state and a
// two-state button, state 1 for on, open or in and 2 for off, closed or out.
// A click has already advanced the button when the handler runs, so the
// handler sends the new state as one command, along the pad's command path:
// when it fails the button shows the state the device reports at once (or,
// when the device cannot be read, the one it reported last).
class ToggleDeviceBinding {
public:
    using Sender = std::function<void(bool on)>;

    ToggleDeviceBinding(PadCommandPath& path, ParameterBinding& member, usrMPButton& button);
    ToggleDeviceBinding(const ToggleDeviceBinding&) = delete;
    ToggleDeviceBinding& operator=(const ToggleDeviceBinding&) = delete;

    // Binds the member to the state parameter of the device with that
    // presence number.
    void Bind(int device, ZOSCOPELib::ParameterPtr state, Sender send);

    // State 1 when the parameter's Value is 1, else 2.
    void OnValueChanged();
    void OnClicked();
    // A command from elsewhere (a script): the button shows the choice as if
    // the user had clicked, then the same command.
    PadCommandResult func_Command(bool on);

    // Run after the button took the device's state (on = state 1).
    std::function<void(bool on)> AfterValue;

private:
    PadCommandResult Send(bool on);
    void Show(bool on);

    PadCommandPath& m_Path;
    ParameterBinding& m_Member;
    usrMPButton& m_Button;
    Sender m_Send;
    int m_Device = -1;
    bool m_ReportedOn = false;
};
