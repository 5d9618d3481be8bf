#pragma once

#include "pad/PadCommandPath.h"
#include "pad/ParameterBinding.h"

#include <cstdint>
#include <functional>

class usrComboBox;

// The one mechanism behind every list-driven device panel (nosepiece,
// condenser, both filter turrets, both filter wheels, light path, the
// illuminator's ND filter): the pad's parameter member of the device, its
// drop-down list and the two guard flags.
//
// - updating: True while the pad itself writes into the list (selecting the
//   device's position, rebuilding the entries). The list raises its
//   selection event for selections made from code as well; the flag keeps
//   that event from being sent back to the instrument.
// - busy: True while a user command to the device is in flight. Position
//   events arriving meanwhile are ignored, so the list does not move under
//   the user's hand; the list already shows the user's choice.
// A command goes the pad's command path: when it fails, the list shows the
// position the device reports at once (or, when the device cannot be read,
// the one it reported last), never the choice it did not take.
class ListDeviceBinding {
public:
    using Sender = std::function<void(int32_t position)>;   // the one SDK call of a selection
    using Builder = std::function<void(usrComboBox& list)>; // fills the entries

    ListDeviceBinding(PadCommandPath& path, ParameterBinding& member, usrComboBox& list);
    ListDeviceBinding(const ListDeviceBinding&) = delete;
    ListDeviceBinding& operator=(const ListDeviceBinding&) = delete;

    // Binds the member to the position parameter of the device with that
    // presence number. With a builder the member's information event rebuilds
    // the list; without one the entries are made once by the caller
    // (WhileUpdating()).
    void Bind(int device, ZOSCOPELib::ParameterPtr position, Sender send, Builder build = {});

    // OnValueChanged: selects entry Value - 1 and shows its text; ignored
    // while busy and for a Value of 0 or less (no valid position).
    void OnValueChanged();
    // OnInfoChanged: rebuilds the entries under the updating flag.
    void OnInfoChanged();
    // The list's selection: one command, Position = index + 1; nothing while
    // the pad itself writes into the list.
    void OnSelected(int index);
    // A command from elsewhere (a script): the list shows the choice as if
    // the user had made it, then the same command.
    PadCommandResult func_Command(int32_t position);

    // Runs code that writes into the list, under the updating flag.
    void WhileUpdating(const std::function<void()>& write);

    bool Updating() const { return m_Updating; }
    bool Busy() const { return m_Busy; }
    int Device() const { return m_Device; }
    usrComboBox& List() const { return m_List; }

    // Run after a position was shown (the nosepiece recomputes the stage
    // steps) and after the list was rebuilt.
    std::function<void()> AfterSelect;
    std::function<void()> AfterBuild;

private:
    PadCommandResult Send(int32_t position);
    // The position the device last reported, shown again.
    void ShowReported();

    PadCommandPath& m_Path;
    ParameterBinding& m_Member;
    usrComboBox& m_List;
    Sender m_Send;
    Builder m_Build;
    int m_Device = -1;
    int m_Reported = -1; // index of the position last reported, -1 none
    bool m_Updating = false;
    bool m_Busy = false;
};
