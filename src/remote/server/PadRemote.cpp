#include "remote/server/PadRemote.h"

#include "core/DeviceValue.h"
#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "pad/frmZoControl.h"
#include "remote/RemoteCommands.h"
#include "remote/RemoteProtocol.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"

#include <QApplication>

namespace {

using remote::RemoteError;
using Item = clsPadParameters::Item;
using Axis = PadMemoryHost::Axis;

constexpr int kUnreachableMessage = 82;

static_assert(static_cast<int>(remote::AxisFKS) == static_cast<int>(PadMemoryHost::AxisFKS));
static_assert(static_cast<int>(remote::RemoteTarget::GroupTIRF) == static_cast<int>(PadMemoryHost::MemTIRF));

bool WithinLimits(Axis axis, int32_t target)
{
    ZOSCOPELib::AxisDevice& drive = frmZoControl::AxisDeviceOf(axis);
    return target >= drive.LowerLimit() && target <= drive.UpperLimit();
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
    // A command of the user's is running, or a message box waits for an answer.
    if (!pad.isEnabled() || QApplication::activeModalWidget())
        return "busy";
    return {};
}

void PadRemote::Set(const remote::RemoteDevice& device, int32_t value)
{
    frmZoControl& pad = Pad();
    const std::pair<int, usrComboBox*> lists[] = {
        {Item::NosepiecePos, pad.cboOBJ}, {Item::Con, pad.cboCON}, {Item::PathPos, pad.cboPath},
        {Item::FL1, pad.cboFL1},          {Item::FL2, pad.cboFL2}, {Item::EX, pad.cboEX},
        {Item::BA, pad.cboBA},            {Item::Irlux, pad.cboIrlux}};
    const std::pair<int, usrMPButton*> buttons[] = {
        {Item::IrluxIsOn, pad.picIrlux}, {Item::DIALampIsOn, pad.chkDIALamp}, {Item::DIAShutter, pad.chkDIAShutter},
        {Item::Epi, pad.chkEpi},         {Item::AUX, pad.chkAUX},             {Item::Anlyz, pad.chkAnlyz},
        {Item::TIRFIsOn, pad.chkTIRF},   {Item::FKS, pad.chkFKS}};
    for (const auto& [item, list] : lists)
        if (item == device.Item) {
            if (value > list->count())
                throw RemoteError(std::string(device.Name) + " has no position " + std::to_string(value));
            // As the user's choice in the list: the list raises its selection.
            return list->setSelectedIndex(value - 1);
        }
    for (const auto& [item, button] : buttons)
        if (item == device.Item) {
            // As the user's click: it advances the button, then sends.
            if ((button->state() == 1) != (value == 1))
                button->click();
            return;
        }
    throw RemoteError(std::string(device.Name) + " has no control on the pad");
}

void PadRemote::Move(const std::vector<std::pair<remote::RemoteAxis, int32_t>>& targets)
{
    frmZoControl& pad = Pad();
    for (const auto& [axis, target] : targets)
        if (!WithinLimits(static_cast<Axis>(axis), target))
            throw RemoteError(func_GetMessage(kUnreachableMessage));
    // The pad moves axes by memory group; the other axis of the XY stage keeps its place.
    const Axis first = static_cast<Axis>(targets.front().first);
    const bool stage = first == PadMemoryHost::AxisX || first == PadMemoryHost::AxisY;
    std::vector<int32_t> values;
    if (stage) {
        values = {frmZoControl::AxisDeviceOf(PadMemoryHost::AxisX).Position()->Value(),
                  frmZoControl::AxisDeviceOf(PadMemoryHost::AxisY).Position()->Value()};
        for (const auto& [axis, target] : targets)
            values[axis == remote::AxisX ? 0 : 1] = target;
    } else {
        values = {targets.front().second};
    }
    const PadMemoryHost::Kind kind = stage ? PadMemoryHost::MemXY
                                     : first == PadMemoryHost::AxisZ     ? PadMemoryHost::MemZ
                                     : first == PadMemoryHost::AxisPiezo ? PadMemoryHost::MemPiezo
                                                                         : PadMemoryHost::MemTIRF;
    if (!pad.func_MoveMemory(kind, values))
        throw RemoteError("the move was not taken");
}

void PadRemote::ApplyMode(int number)
{
    Pad().cboCHGMode->setSelectedIndex(number - 1);
}

void PadRemote::StoreMemory(Group group, int slot)
{
    if (!Pad().func_StoreMemory(static_cast<PadMemoryHost::Kind>(group), slot - 1))
        throw RemoteError("memory slot " + std::to_string(slot) + " was not stored");
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
    Move(targets);
}

double PadRemote::DisplayFactor(remote::RemoteAxis axis)
{
    return Pad().DisplayFactor(static_cast<Axis>(axis));
}

bool PadRemote::Moving()
{
    Pad();
    return g_Zo->Scope && g_Zo->Scope->NextEventDue() >= 0;
}
