#include "model/clsPositionCodes.h"

#include "core/mdlCommon.h"
#include "model/clsCodeNames.h"
#include "model/clsZo.h"
#include "model/mdlDomEntry.h"
#include "model/mdlErrorLine.h"
#include "sdk/DeviceIndex.h"

#include <cstddef>

namespace {
constexpr int32_t kLastCode = 309; // an "ITEM" names a built-in model or a user entry up to 309
} // namespace

int32_t clsPositionCodes::code(int i) const
{
    return InRange(i) ? m_Work.code[static_cast<std::size_t>(i)] : 0;
}

void clsPositionCodes::SetCode(int i, int32_t value)
{
    if (InRange(i))
        m_Work.code[static_cast<std::size_t>(i)] = value;
}

bool clsPositionCodes::Esc(int i) const
{
    return InRange(i) && m_Work.esc[static_cast<std::size_t>(i)];
}

void clsPositionCodes::SetEsc(int i, bool value)
{
    if (InRange(i))
        m_Work.esc[static_cast<std::size_t>(i)] = value;
}

bool clsPositionCodes::Present() const
{
    return Zo && Zo->Scope && Zo->IsMounted(m_Setting.mountedIndex) == 1;
}

bool clsPositionCodes::EscapePresent() const
{
    return m_Setting.objective && Present() && Zo->IsMounted(DeviceIndex::ZDrive) == 1;
}

std::string clsPositionCodes::func_ReadSdk()
{
    // The SDK reports our own writes, and those of the database that names
    // our codes, as changes of the device; whoever re-reads on those reports
    // must not overwrite the edits still being sent.
    if (m_Busy || (Zo && Names().Busy()))
        return {};
    if (!Zo || !Zo->Scope)
        return {};
    ZOSCOPELib::Scope& scope = *Zo->Scope;
    try {
        if (m_Setting.presets)
            m_PresetCount = m_Setting.presets(scope).DatabasePresetCount();
        if (Present()) {
            const bool escape = EscapePresent();
            ZOSCOPELib::TurretDevice& device = m_Setting.device(scope);
            const int32_t count = device.PositionCount();
            for (int32_t p = 1; p <= count; ++p) {
                ZOSCOPELib::PositionItem& item = m_Setting.objective ? m_Setting.objective(scope, p) : device.Item(p);
                const int i = item.Position() - 1;
                SetCode(i, item.Code());
                if (escape)
                    SetEsc(i, m_Setting.objective(scope, p).EscapeEnabled() == 1);
            }
        }
    } catch (const std::exception& e) {
        return func_ReadError(m_Setting.message, e);
    }
    m_Backup = m_Work;
    return {};
}

void clsPositionCodes::WritePosition(ZOSCOPELib::Scope& scope, int i, bool escape)
{
    const auto k = static_cast<std::size_t>(i);
    const int32_t position = i + 1;
    if (m_Setting.objective) {
        ZOSCOPELib::ObjectiveItem& item = m_Setting.objective(scope, position);
        item.SetCode(m_Work.code[k]);
        if (escape)
            item.SetEscapeEnabled(m_Work.esc[k] ? 1 : 0);
    } else {
        m_Setting.device(scope).Item(position).SetCode(m_Work.code[k]);
    }
}

std::string clsPositionCodes::func_WriteSdk()
{
    if (!Present())
        return {};
    m_Busy = true;
    std::string errors;
    const bool escape = EscapePresent();
    const clsCodeNames& names = Names();
    for (int i = 0; i < m_Setting.positions; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // A position may not keep naming a user entry that was deleted.
        if (names.Name(m_Work.code[k]).empty()) {
            m_Work.code[k] = 0;
            m_Work.esc[k] = false;
        }
        if (m_Work.code[k] == m_Backup.code[k] && (!escape || m_Work.esc[k] == m_Backup.esc[k]))
            continue;
        *m_Setting.refresh = true;
        try {
            WritePosition(*Zo->Scope, i, escape);
            m_Backup.code[k] = m_Work.code[k];
            m_Backup.esc[k] = m_Work.esc[k];
        } catch (const std::exception&) {
            errors = func_JoinLines(errors, func_ItemError(m_Setting.message, int64_t{i + 1}));
        }
    }
    m_Busy = false;
    return errors;
}

void clsPositionCodes::sub_RestData()
{
    if (!Present())
        return;
    m_Work.code = m_Backup.code;
    if (EscapePresent())
        m_Work.esc = m_Backup.esc;
}

std::string clsPositionCodes::func_ReadDom(const pugi::xml_node& element)
{
    DomEntry entry;
    const DomField position{"POSITION", DomField::Number, 1, m_Setting.positions};
    const DomField model{"CODE", DomField::Number, 0, kLastCode};
    const bool valid = m_Setting.objective
                           ? func_DomReadEntry(element, {position, model, {"ESC", DomField::Flag}}, entry)
                           : func_DomReadEntry(element, {position, model}, entry);
    if (!valid)
        return func_DomEntryError(m_Setting.message, entry);
    const int i = entry.number[0] - 1;
    SetCode(i, entry.number[1]);
    if (m_Setting.objective)
        SetEsc(i, entry.number[2] != 0);
    return {};
}

void clsPositionCodes::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    for (int i = 0; i < m_Setting.positions; ++i) {
        pugi::xml_node item = func_DomAppendEntry(section, "ITEM", i + 1);
        sub_DomSetAttr(item, "CODE", int64_t{code(i)});
        if (m_Setting.objective)
            sub_DomSetAttrBool(item, "ESC", Esc(i));
    }
}
