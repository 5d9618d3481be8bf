#include "model/clsNameDatabase.h"

#include "core/mdlCommon.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlDomEntry.h"
#include "model/mdlErrorLine.h"

#include <algorithm>
#include <cstddef>

namespace {
constexpr int32_t kLastBuiltIn = 299;
constexpr int32_t kLastFilterCode = 319; // compositions name excitation, barrier and mirror codes
} // namespace

clsNameDatabase::clsNameDatabase(const Setting& setting)
    : m_Setting(setting), m_Work(static_cast<std::size_t>(setting.last + 1)),
      m_Backup(static_cast<std::size_t>(setting.last - FirstUser + 1))
{
}

std::string clsNameDatabase::Name(int32_t code) const
{
    return std::string(TrimmedName(code));
}

std::string_view clsNameDatabase::TrimmedName(int32_t code) const
{
    return InRange(code) ? func_DomTrimmed(m_Work[static_cast<std::size_t>(code)].name, true) : std::string_view();
}

void clsNameDatabase::SetName(int32_t code, std::string_view name)
{
    if (InRange(code))
        m_Work[static_cast<std::size_t>(code)].name = name;
}

ZOSCOPELib::FilterComposition clsNameDatabase::Composition(int32_t code) const
{
    return InRange(code) ? m_Work[static_cast<std::size_t>(code)].parts : ZOSCOPELib::FilterComposition{};
}

void clsNameDatabase::SetComposition(int32_t code, const ZOSCOPELib::FilterComposition& parts)
{
    if (InRange(code))
        m_Work[static_cast<std::size_t>(code)].parts = parts;
}

bool clsNameDatabase::PresentFor(const std::array<int, 2>& devices) const
{
    if (!Zo || !Zo->Scope)
        return false;
    return std::any_of(devices.begin(), devices.end(),
                       [this](int index) { return index == Always || Zo->IsMounted(index) == 1; });
}

std::string clsNameDatabase::func_ReadSdk()
{
    if (m_Busy)
        return {};
    std::fill(m_Work.begin(), m_Work.end(), Entry{});
    try {
        if (PresentFor(m_Setting.readWhen)) {
            ZOSCOPELib::Scope& scope = *Zo->Scope;
            ZOSCOPELib::NameDatabase& database = m_Setting.database(scope);
            m_PresetCount = database.DatabasePresetCount();
            const int32_t presets = std::min(m_PresetCount, kLastBuiltIn);
            for (int32_t code = 1; code <= presets; ++code)
                m_Work[static_cast<std::size_t>(code)].name = func_DomTrim(database.Name(code));
            for (int32_t code = FirstUser; code <= m_Setting.last; ++code) {
                Entry& entry = m_Work[static_cast<std::size_t>(code)];
                entry.name = func_DomTrim(database.Name(code));
                if (m_Setting.blocks)
                    entry.parts = m_Setting.blocks(scope).Composition(code);
            }
        }
    } catch (const std::exception& e) {
        return func_ReadError(m_Setting.message, e);
    }
    std::copy(m_Work.begin() + FirstUser, m_Work.end(), m_Backup.begin());
    return {};
}

std::string clsNameDatabase::func_WriteSdk()
{
    if (!PresentFor(m_Setting.writeWhen))
        return {};
    m_Busy = true;
    std::string errors;
    ZOSCOPELib::Scope& scope = *Zo->Scope;
    for (int32_t code = FirstUser; code <= m_Setting.last; ++code) {
        const Entry& entry = m_Work[static_cast<std::size_t>(code)];
        Entry& backup = m_Backup[static_cast<std::size_t>(code - FirstUser)];
        if (entry == backup)
            continue;
        *m_Setting.refresh = true;
        try {
            m_Setting.database(scope).SetName(code, func_SdkName(Name(code)));
            if (m_Setting.blocks)
                m_Setting.blocks(scope).SetComposition(code, entry.parts);
            backup = entry;
        } catch (const std::exception&) {
            errors = func_JoinLines(errors, func_ItemError(m_Setting.message, int64_t{code - kLastBuiltIn}));
        }
    }
    m_Busy = false;
    return errors;
}

void clsNameDatabase::sub_RestData()
{
    if (PresentFor(m_Setting.restoreWhen))
        std::copy(m_Backup.begin(), m_Backup.end(), m_Work.begin() + FirstUser);
}

std::string clsNameDatabase::func_ReadDom(const pugi::xml_node& element)
{
    DomEntry entry;
    const DomField name{"NAME", DomField::Name, 0, m_Setting.nameLength};
    bool valid = false;
    if (m_Setting.blocks) {
        // Filter blocks: POSITION carries the code itself.
        valid = func_DomReadEntry(element,
                                  {{"POSITION", DomField::Number, FirstUser, m_Setting.last},
                                   name,
                                   {"BA", DomField::Number, 0, kLastFilterCode},
                                   {"EX", DomField::Number, 0, kLastFilterCode},
                                   {"DM", DomField::Number, 0, kLastFilterCode}},
                                  entry);
    } else {
        valid = func_DomReadEntry(
            element, {{"POSITION", DomField::Number, FirstUser, m_Setting.last, kLastBuiltIn}, name}, entry);
    }
    if (!valid)
        return func_DomEntryError(m_Setting.message, entry);
    const int32_t code = entry.number[0];
    SetName(code, entry.text[1]);
    if (m_Setting.blocks)
        SetComposition(code, {entry.number[3], entry.number[2], entry.number[4]});
    return {};
}

void clsNameDatabase::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    for (int32_t code = FirstUser; code <= m_Setting.last; ++code) {
        pugi::xml_node option = func_DomAppendEntry(section, "OPTION", m_Setting.blocks ? code : code - kLastBuiltIn);
        sub_DomSetAttr(option, "NAME", TrimmedName(code));
        if (m_Setting.blocks) {
            const ZOSCOPELib::FilterComposition parts = Composition(code);
            sub_DomSetAttr(option, "BA", int64_t{parts.BA});
            sub_DomSetAttr(option, "EX", int64_t{parts.EX});
            sub_DomSetAttr(option, "DM", int64_t{parts.DM});
        }
    }
}
