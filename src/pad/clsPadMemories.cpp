#include "pad/clsPadMemories.h"

#include "core/NumberText.h"
#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlSettings.h"
#include "core/FlagScope.h"
#include "pad/clsPadMotion.h"
#include "core/DeviceValue.h"
#include "core/TrapErrors.h"
#include "widgets/RealValue.h"
#include "widgets/SpinControl.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXscrollZo.h"
#include "windows/frmStage.h"
#include "windows/frmTIRF.h"

#include <QString>

namespace {

using Axis = frmZoControl::Axis;

constexpr int kSlots = 20;
constexpr int kOutOfRangeMessage = 80;
constexpr int kUnreachableMessage = 82;

std::optional<double> Number(const QString& text)
{
    return zo::ParseNumber(text.toStdString());
}

} // namespace

clsPadMemories::clsPadMemories(frmZoControl& pad) : m_Pad(pad)
{
    m_Lists[MemXY] = {pad.cboXY, {{frmZoControl::AxisX, &g_MemX}, {frmZoControl::AxisY, &g_MemY}}};
    m_Lists[MemZ] = {pad.cboZ, {{frmZoControl::AxisZ, &g_MemZ}}};
    m_Lists[MemPiezo] = {pad.cboPiezo, {{frmZoControl::AxisPiezo, &g_MemPiezo}}};
    m_Lists[MemTIRF] = {pad.cboTIRF, {{frmZoControl::AxisTIRF, &g_MemTIRF}}};

    const std::pair<Kind, usrPButton*> stores[] = {
        {MemXY, pad.picMemXY}, {MemZ, pad.picMemZ}, {MemPiezo, pad.picMemPiezo}, {MemTIRF, pad.picMemTIRF}};
    for (const auto& [kind, button] : stores) {
        QObject::connect(m_Lists[kind].List, &usrComboBox::selected, &pad,
                         [this, kind = kind](int index) { sub_Recall(kind, index); });
        QObject::connect(button, &usrPButton::clicked, &pad, [this, kind = kind] { sub_Store(kind); });
    }
    QObject::connect(pad.picMemFKS, &usrPButton::clicked, &pad, [this] { picMemFKS_Click(); });
    QObject::connect(pad.picRecallFKS, &usrPButton::clicked, &pad, [this] { picRecallFKS_Click(); });
}

// ============================================================== entries

QString clsPadMemories::Caption(Axis axis) const
{
    const auto [spin, part] = m_Pad.SpinOf(axis);
    return spin ? spin->caption(part) : QStringLiteral("TIRF:");
}

double clsPadMemories::ShownPosition(Axis axis) const
{
    const auto [spin, part] = m_Pad.SpinOf(axis);
    return spin ? spin->position(part) : m_Pad.sbTIRFAngle->value();
}

QString clsPadMemories::EntryText(const MemoryList& memory, int slot) const
{
    QString text = QString::number(slot + 1) + QLatin1Char(':');
    for (const AxisPart& part : memory.Parts)
        text += Caption(part.Axis) + QString::fromStdString((*part.Table)[static_cast<std::size_t>(slot)]);
    return text;
}

std::vector<QString> clsPadMemories::EntryValues(const MemoryList& memory, const QString& entry) const
{
    // Each value runs from the end of its caption to the next caption; the
    // slot number before the first ":" is never searched.
    std::vector<QString> values;
    qsizetype from = entry.indexOf(QLatin1Char(':')) + 1;
    for (std::size_t i = 0; i < memory.Parts.size(); ++i) {
        const QString caption = Caption(memory.Parts[i].Axis);
        const qsizetype at = entry.indexOf(caption, from);
        if (at < 0) {
            values.emplace_back();
            continue;
        }
        const qsizetype begin = at + caption.size();
        qsizetype end = entry.size();
        if (i + 1 < memory.Parts.size()) {
            const qsizetype next = entry.indexOf(Caption(memory.Parts[i + 1].Axis), begin);
            if (next >= 0)
                end = next;
        }
        values.push_back(entry.mid(begin, end - begin).trimmed());
        from = end;
    }
    return values;
}

void clsPadMemories::sub_SetMemory(Kind kind)
{
    MemoryList& memory = m_Lists[kind];
    const FlagScope updating(memory.Updating);
    const int selected = memory.List->selectedIndex();
    memory.List->clear();
    for (int slot = 0; slot < kSlots; ++slot)
        memory.List->addItem(EntryText(memory, slot));
    memory.List->setSelectedIndex(selected);
}

// ============================================================== store and recall

bool clsPadMemories::func_WithinLimits(Axis axis, int32_t deviceValue)
{
    ZOSCOPELib::AxisDevice& device = frmZoControl::AxisDeviceOf(axis);
    return deviceValue >= device.LowerLimit() && deviceValue <= device.UpperLimit();
}

void clsPadMemories::sub_Store(Kind kind)
{
    func_StoreSlot(kind, m_Lists[kind].List->selectedIndex());
}

bool clsPadMemories::func_StoreSlot(Kind kind, int slot, std::string* refusal)
{
    MemoryList& memory = m_Lists[kind];
    if (slot < 0 || slot >= kSlots)
        return false;
    const FlagScope updating(memory.Updating);
    bool stored = false;
    TrapErrors([&] {
        // What the pad shows, not a report still waiting for the next frame.
        m_Pad.FlushReadouts();
        std::vector<int32_t> deviceValues;
        for (const AxisPart& part : memory.Parts) {
            const int32_t value = func_DeviceValue(ShownPosition(part.Axis), m_Pad.DisplayFactor(part.Axis));
            if (!func_WithinLimits(part.Axis, value)) {
                if (refusal)
                    *refusal = func_GetMessage(kOutOfRangeMessage);
                else
                    func_ShowMessage(kOutOfRangeMessage, "", UiServices::MB_OK);
                return;
            }
            deviceValues.push_back(value);
        }
        for (std::size_t i = 0; i < memory.Parts.size(); ++i) {
            const AxisPart& part = memory.Parts[i];
            (*part.Table)[static_cast<std::size_t>(slot)] =
                RealValue::format(deviceValues[i] * m_Pad.DisplayFactor(part.Axis));
        }
        stored = true;
        memory.List->setItemText(slot, EntryText(memory, slot));
        sub_RefreshOtherWindow(kind);
    });
    return stored;
}

void clsPadMemories::sub_Recall(Kind kind, int index)
{
    const MemoryList& memory = m_Lists[kind];
    if (memory.Updating || index < 0 || index >= memory.List->count())
        return;
    const std::vector<QString> texts = EntryValues(memory, memory.List->itemText(index));
    std::vector<int32_t> deviceValues;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<double> value = Number(texts[i]);
        if (!value)
            return; // an empty slot, or a text that is no position
        deviceValues.push_back(func_DeviceValue(*value, m_Pad.DisplayFactor(memory.Parts[i].Axis)));
    }
    func_Move({{kind, deviceValues}});
}

bool clsPadMemories::func_Move(const std::vector<PadMemoryHost::Recall>& recalls)
{
    clsPadMotion::Targets targets;
    for (const auto& [kind, deviceValues] : recalls) {
        const MemoryList& memory = m_Lists[kind];
        if (deviceValues.size() != memory.Parts.size())
            return false;
        for (std::size_t i = 0; i < memory.Parts.size(); ++i)
            targets.emplace_back(memory.Parts[i].Axis, deviceValues[i]);
    }
    // No second move can start from any of the three windows until these are over.
    const PadCommandResult result = m_Pad.Motion().func_Move(targets, true);
    if (result.Result == PadCommandResult::Refused)
        func_ShowMessage(kUnreachableMessage, "", UiServices::MB_OK);
    return result.Ok();
}

bool clsPadMemories::func_Reachable(const std::vector<int32_t>& deviceValues, Kind kind) const
{
    const MemoryList& memory = m_Lists[kind];
    for (std::size_t i = 0; i < memory.Parts.size() && i < deviceValues.size(); ++i) {
        bool within = true;
        TrapErrors([&] { within = func_WithinLimits(memory.Parts[i].Axis, deviceValues[i]); });
        if (!within) {
            func_ShowMessage(kUnreachableMessage, "", UiServices::MB_OK);
            return false;
        }
    }
    return true;
}

void clsPadMemories::sub_RefreshOtherWindow(Kind kind)
{
    if (kind == MemTIRF) {
        if (frmTIRF* tirf = m_Pad.TIRFWindow())
            tirf->sub_SetMemory();
        return;
    }
    frmStage* stage = m_Pad.StageWindow();
    if (!stage)
        return;
    switch (kind) {
    case MemXY:
        stage->sub_SetMemoryXY();
        break;
    case MemZ:
        stage->sub_SetMemoryZ();
        break;
    case MemPiezo:
        stage->sub_SetMemoryPiezo();
        break;
    default:
        break;
    }
}

// ============================================================== FKS

void clsPadMemories::picMemFKS_Click()
{
    const int selected = m_Pad.cboOBJ->selectedIndex();
    if (selected < 0 || selected >= static_cast<int>(g_MemFKS.size()))
        return;
    TrapErrors([&] {
        if (const std::optional<double> offset = zo::ParseNumber(m_Pad.m_mipFKSOffset->ValueString()))
            g_MemFKS[static_cast<std::size_t>(selected)] = *offset;
    });
}

void clsPadMemories::picRecallFKS_Click()
{
    int32_t position = 0;
    if (!TrapErrors([&] { position = m_Pad.m_mipNosepisePos.Value(); }) || position < 1 ||
        position > static_cast<int32_t>(g_MemFKS.size()))
        return;
    const double offset = g_MemFKS[static_cast<std::size_t>(position - 1)];
    const PadCommandResult result =
        m_Pad.Motion().func_Move({{frmZoControl::AxisFKS, func_DeviceValue(offset, 1.0)}}, true);
    if (result.Result == PadCommandResult::Refused)
        func_ShowMessage(kUnreachableMessage, "", UiServices::MB_OK);
}
