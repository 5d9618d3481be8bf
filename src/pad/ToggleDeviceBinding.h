#pragma once

#include "pad/ParameterBinding.h"

#include <functional>

class QWidget;
class usrMPButton;

// The one mechanism behind every two-state device button (the DIA, epi and
// AUX shutters, the illuminator's shutter, the analyzer, TIRF, FKS and the
// DIA lamp): the pad's parameter member of the device's on-state and a
// two-state button, state 1 for on, open or in and 2 for off, closed or out.
// A click has already advanced the button when the handler runs, so the
// handler sends the new state as one command.
class ToggleDeviceBinding {
public:
    using Sender = std::function<void(bool on)>;

    ToggleDeviceBinding(QWidget& pad, ParameterBinding& member, usrMPButton& button);
    ToggleDeviceBinding(const ToggleDeviceBinding&) = delete;
    ToggleDeviceBinding& operator=(const ToggleDeviceBinding&) = delete;

    void Bind(ZOSCOPELib::ParameterPtr state, Sender send);

    // State 1 when the parameter's Value is 1, else 2.
    void OnValueChanged();
    void OnClicked();

    // Run after the button took the device's state (on = state 1).
    std::function<void(bool on)> AfterValue;

private:
    QWidget& m_Pad;
    ParameterBinding& m_Member;
    usrMPButton& m_Button;
    Sender m_Send;
};
