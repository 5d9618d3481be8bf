#include "remote/server/PadRemote.h"

#include "core/DeviceValue.h"
#include "core/NumberText.h"
#include "model/clsZo.h"
#include "pad/PadCommandPath.h"
#include "pad/clsPadMotion.h"
#include "pad/frmZoControl.h"
#include "remote/RemoteCommands.h"
#include "remote/RemoteProtocol.h"
#include "widgets/usrComboBox.h"

#include <QApplication>

namespace {

using remote::RemoteError;
using Axis = PadMemoryHost::Axis;

constexpr const char* kBusy = "busy";

static_assert(static_cast<int>(remote::AxisFKS) == static_cast<int>(PadMemoryHost::AxisFKS));
static_assert(static_cast<int>(remote::RemoteTarget::GroupTIRF) == static_cast<int>(PadMemoryHost::MemTIRF));

// What the pad made of a command, as the reply needs it.
void Check(const PadCommandResult& result)
{
    if (result.Result == PadCommandResult::Busy)
        throw RemoteError(kBusy);
    if (!result.Ok())
        throw RemoteError(result.Text);
}

} // namespace

PadRemote::PadRemote(frmZoControl& pad) : m_Pad(&pad) {}

frmZoControl& PadRemote::Pad() const
{
    if (!m_Pad)
        throw RemoteError("the pad is closing");
    return *m_Pad;
}

std::string PadRemote::func_Refusal()
{
    frmZoControl& pad = Pad();
    if (pad.SettingsOpen())
        return "the settings dialog is open; close it first";
    // A command of the user's is running, a recall holds the pad, or a
    // message box waits for an answer.
    if (!pad.isEnabled() || !pad.Panels()->isEnabled() || pad.Motion().Held() || QApplication::activeModalWidget())
        return kBusy;
    return {};
}

void PadRemote::Set(const remote::RemoteDevice& device, int32_t value)
{
    Check(Pad().func_Command(static_cast<clsPadParameters::Item>(device.Item), value));
}

void PadRemote::Move(const std::vector<std::pair<remote::RemoteAxis, int32_t>>& targets)
{
    Move(targets, false);
}

void PadRemote::Move(const std::vector<std::pair<remote::RemoteAxis, int32_t>>& targets, bool hold)
{
    std::vector<std::pair<Axis, int32_t>> moves;
    for (const auto& [axis, target] : targets)
        moves.emplace_back(static_cast<Axis>(axis), target);
    Check(Pad().func_MoveAxes(moves, hold));
}

void PadRemote::ApplyMode(int number)
{
    frmZoControl& pad = Pad();
    // As the user's choice in the mode list; a failure of it is the latest
    // the status line shows, a success clears it.
    pad.cboCHGMode->setSelectedIndex(number - 1);
    if (const PadCommandPath::Failure* failure = pad.Commands().Shown();
        failure && failure->Device == PadCommandPath::kModeList)
        throw RemoteError(PadCommandPath::func_FailureText(failure->Device, failure->Number));
}

void PadRemote::StoreMemory(Group group, int slot)
{
    std::string refusal;
    if (!Pad().func_StoreMemory(static_cast<PadMemoryHost::Kind>(group), slot - 1, refusal))
        throw RemoteError(refusal.empty() ? "memory slot " + std::to_string(slot) + " was not stored" : refusal);
}

void PadRemote::RecallMemory(Group group, int slot)
{
    std::vector<std::pair<remote::RemoteAxis, int32_t>> targets;
    for (const auto& [axis, table] : remote::func_GroupTables(group)) {
        const std::optional<double> value = zo::ParseNumber((*table)[static_cast<std::size_t>(slot - 1)]);
        if (!value)
            throw RemoteError("memory slot " + std::to_string(slot) + " is empty");
        targets.emplace_back(axis, func_DeviceValue(*value, DisplayFactor(axis)));
    }
    // As the pad's recall: the windows held until the axes are there.
    Move(targets, true);
}

double PadRemote::DisplayFactor(remote::RemoteAxis axis)
{
    return Pad().DisplayFactor(static_cast<Axis>(axis));
}

bool PadRemote::Moving()
{
    if (Pad().Motion().Moving())
        return true;
    // A turret or wheel reports position 0 while it turns.
    for (const remote::RemoteDevice& device : remote::RemoteDeviceTable())
        if (device.Type == remote::RemoteDevice::Position && g_Zo->IsMounted(device.Index) == 1 &&
            device.Read(*g_Zo->Scope)->Value() == 0)
            return true;
    return false;
}
