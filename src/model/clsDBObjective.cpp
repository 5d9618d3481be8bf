#include "model/clsDBObjective.h"

#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlDomEntry.h"
#include "model/mdlErrorLine.h"
#include "sdk/DeviceIndex.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr int kMessage = 86;
constexpr int32_t kLastBuiltIn = 299;
constexpr int kNameLength = 8;
constexpr int kCodeLength = 15;
constexpr int16_t kLastFKSCode = 2;

// Characters 1..6 of the packed code: one base-62 digit per list code.
constexpr std::array<int16_t ZOSCOPELib::ObjectiveRecord::*, 6> kDigitFields{
    &ZOSCOPELib::ObjectiveRecord::ModelCode, &ZOSCOPELib::ObjectiveRecord::TypesCode,
    &ZOSCOPELib::ObjectiveRecord::MagCode,   &ZOSCOPELib::ObjectiveRecord::MethodCode,
    &ZOSCOPELib::ObjectiveRecord::WDCode,    &ZOSCOPELib::ObjectiveRecord::FKSCode};
// Digits 1..5 index the SDK's lists in the same order (models, types,
// magnifications, methods, working-distance series); the FKS digit has a
// fixed range.
constexpr std::size_t kListDigits = 5;

// Characters 7..15: three groups of three hexadecimal digits, value x 100,
// with the value a group that is not hexadecimal leaves behind, and the
// largest valid value.
struct HexGroup {
    double ZOSCOPELib::ObjectiveRecord::*field;
    double unreadable;
    double most;
};
constexpr std::array<HexGroup, 3> kHexGroups{{{&ZOSCOPELib::ObjectiveRecord::WDSeriesCode, -1, 40},
                                              {&ZOSCOPELib::ObjectiveRecord::NA, 0, 9.99},
                                              {&ZOSCOPELib::ObjectiveRecord::MinNA, 0, 9.99}}};
constexpr int kHexDigits = 3;
constexpr int kLargestHex = 0xFFF;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

bool clsDBObjective::Present() const
{
    return Zo && Zo->Scope && Zo->IsMounted(DeviceIndex::Nosepiece) == 1;
}

std::string clsDBObjective::Name(int32_t code) const
{
    return code >= 0 && code <= LastCode ? func_DomTrim(m_Records[static_cast<std::size_t>(code)].Name, true)
                                         : std::string();
}

void clsDBObjective::SetName(int32_t code, const std::string& name)
{
    if (code >= 0 && code <= LastCode)
        m_Records[static_cast<std::size_t>(code)].Name = name;
}

void clsDBObjective::sub_GetDbNosepiece(int32_t code, Record& record) const
{
    if (code < 0 || code > LastCode) {
        record = Record{"", -1, -1, -1, -1, -1, -1, -1, -1, -1};
        return;
    }
    record = m_Records[static_cast<std::size_t>(code)];
    record.Name = Name(code);
}

std::string clsDBObjective::func_ReadSdk()
{
    if (m_Busy || !Zo || !Zo->Scope)
        return {};
    try {
        ZOSCOPELib::ObjectiveDatabase& database = Zo->Scope->Database().Objectives();
        m_PresetCount = database.DatabasePresetCount();
        if (!Present())
            return {};
        m_Lists = {database.Models(), database.Types(), database.Mag(),
                   database.Method(), database.WDSeries(), database.FKS()};
        m_Records.fill(Record{});
        const int32_t presets = std::min(m_PresetCount, kLastBuiltIn);
        for (int32_t code = 1; code <= presets; ++code)
            m_Records[static_cast<std::size_t>(code)] = database.Get(code);
        for (int32_t code = FirstUser; code <= LastCode; ++code)
            m_Records[static_cast<std::size_t>(code)] = database.Get(code);
        for (Record& record : m_Records)
            record.Name = func_DomTrim(record.Name);
    } catch (const std::exception& e) {
        return func_ReadError(kMessage, e);
    }
    std::copy(m_Records.begin() + FirstUser, m_Records.end(), m_Backup.begin());
    return {};
}

std::string clsDBObjective::func_WriteSdk()
{
    if (!Present())
        return {};
    m_Busy = true;
    std::string errors;
    for (int32_t code = FirstUser; code <= LastCode; ++code) {
        const Record& record = m_Records[static_cast<std::size_t>(code)];
        Record& backup = m_Backup[static_cast<std::size_t>(code - FirstUser)];
        if (record == backup)
            continue;
        g_RefreshObjective = true;
        try {
            Record sent = record;
            sent.Name = func_SdkName(Name(code));
            Zo->Scope->Database().Objectives().Set(code, sent);
            backup = record;
        } catch (const std::exception&) {
            errors = func_JoinLines(errors, func_ItemError(kMessage, int64_t{code - kLastBuiltIn}));
        }
    }
    m_Busy = false;
    return errors;
}

void clsDBObjective::sub_RestData()
{
    // Whether or not the nosepiece is there: a cancelled setup-file load is
    // taken back either way.
    std::copy(m_Backup.begin(), m_Backup.end(), m_Records.begin() + FirstUser);
}

std::string clsDBObjective::func_PackCode(const Record& record)
{
    std::string text;
    for (int16_t Record::*field : kDigitFields) {
        const std::string digit = func_Base62Char(record.*field);
        text.push_back(digit.empty() ? ' ' : digit[0]); // beyond one digit: written like a negative field
    }
    for (const HexGroup& group : kHexGroups) {
        const long hundredths = std::lround(record.*group.field * 100);
        text += func_HexPad(static_cast<int32_t>(std::clamp(hundredths, 0L, long{kLargestHex})), kHexDigits);
    }
    return text;
}

bool clsDBObjective::func_UnpackCode(std::string_view text, Record& record) const
{
    if (text.size() != kCodeLength)
        return false;
    bool valid = true;
    for (std::size_t k = 0; k < kDigitFields.size(); ++k) {
        const int16_t value = func_Base62Value(text.substr(k, 1));
        record.*kDigitFields[k] = value;
        // Index 0 of every list means "none" and is valid even before the
        // lists were read (no nosepiece).
        const std::size_t size =
            k < kListDigits ? std::max<std::size_t>(m_Lists[k].size(), 1) : std::size_t{kLastFKSCode + 1};
        valid = valid && value >= 0 && static_cast<std::size_t>(value) < size;
    }
    std::size_t at = kDigitFields.size();
    for (const HexGroup& group : kHexGroups) {
        int hundredths = 0;
        for (int d = 0; d < kHexDigits && hundredths >= 0; ++d) {
            const int digit = HexDigit(text[at + static_cast<std::size_t>(d)]);
            hundredths = digit < 0 ? -1 : hundredths * 16 + digit;
        }
        at += kHexDigits;
        const double value = hundredths < 0 ? group.unreadable : hundredths / 100.0;
        record.*group.field = value;
        valid = valid && value >= 0 && value <= group.most;
    }
    return valid;
}

std::string clsDBObjective::func_ReadDom(const pugi::xml_node& element)
{
    DomEntry entry;
    Record record;
    if (!func_DomReadEntry(element,
                           {{"POSITION", DomField::Number, FirstUser, LastCode, kLastBuiltIn},
                            {"CODE", DomField::Fixed, 0, kCodeLength},
                            {"NAME", DomField::Name, 0, kNameLength}},
                           entry) ||
        !func_UnpackCode(entry.text[1], record))
        return func_DomEntryError(kMessage, entry);
    record.Name = entry.text[2];
    m_Records[static_cast<std::size_t>(entry.number[0])] = record;
    return {};
}

void clsDBObjective::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    for (int32_t code = FirstUser; code <= LastCode; ++code) {
        pugi::xml_node option = func_DomAppendEntry(section, "OPTION", code - kLastBuiltIn);
        sub_DomSetAttr(option, "CODE", func_PackCode(m_Records[static_cast<std::size_t>(code)]));
        sub_DomSetAttr(option, "NAME", Name(code));
    }
}
