#include "model/clsObservationMode.h"

#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "model/clsConnectFilter.h"
#include "model/clsConnectShutter.h"
#include "model/clsPadParameters.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"
#include "model/mdlIndexed.h"
#include "sdk/TextChars.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kMessage = 105;
using Pad = clsPadParameters;

// Where a flag item keeps its value: a cell of the mode record, a filter-block
// row, or the record cell of the shutter that a connector is used as.
enum class CellKind { Record, FilterRow, Shutter };

struct FlagItem {
    std::string_view attribute;
    CellKind kind;
    int index;     // record slot, filter-block row or connector
    Pad::Item pad; // the pad's parameter (rows and shutters choose their own)
    bool onOff;    // captured as 1 (on, open, in) or 0, else as the value itself
};

constexpr std::array<FlagItem, clsObservationMode::FlagCount> kFlags{{
    {"OBJECTIVE", CellKind::Record, 0, Pad::NosepiecePos, false},
    {"CONDENSER", CellKind::Record, 5, Pad::Con, false},
    {"PATH", CellKind::Record, 13, Pad::PathPos, false},
    {"FILTERBLOCK1", CellKind::FilterRow, 0, Pad::FL1, false},
    {"FILTERBLOCK2", CellKind::FilterRow, 1, Pad::FL2, false},
    {"Analyzer", CellKind::Record, 6, Pad::Anlyz, true},
    {"EXFILTER", CellKind::Record, 3, Pad::EX, false},
    {"BAFILTER", CellKind::Record, 4, Pad::BA, false},
    {"TIRFEPI", CellKind::Record, 22, Pad::TIRFIsOn, true},
    {"IRLUXSHUTTER", CellKind::Record, 12, Pad::IrluxIsOn, true},
    {"IRLUXND", CellKind::Record, 14, Pad::Irlux, false},
    {"DIALAMP", CellKind::Record, 7, Pad::DIALampIsOn, true},
    {"DIALAMPVOLT", CellKind::Record, 8, Pad::DIALampPos, false},
    {"SHUTTER1", CellKind::Shutter, 0, Pad::Epi, true},
    {"SHUTTER2", CellKind::Shutter, 1, Pad::Epi, true},
    {"FKS", CellKind::Record, 19, Pad::FKS, true},
    {"FKSOFFSET", CellKind::Record, 20, Pad::FKSOffset, false},
}};

// Record slots 1 and 2 hold filter turrets 1 and 2.
constexpr int kTurret1Slot = 1, kTurret2Slot = 2;

// The record slot and pad parameter of the shutter a connector is used as.
struct ShutterCell {
    int slot;
    Pad::Item pad;
};
std::optional<ShutterCell> ShutterFor(int32_t use)
{
    switch (use) {
    case clsConnectShutter::UseEpi:
        return ShutterCell{9, Pad::Epi};
    case clsConnectShutter::UseDIA:
        return ShutterCell{10, Pad::DIAShutter};
    case clsConnectShutter::UseAUX:
        return ShutterCell{11, Pad::AUX};
    default:
        return std::nullopt;
    }
}

// What a setup file carries per slot, in the order written. The three
// shutter cells go by device; reading takes the shutters by connector.
struct WrittenCell {
    std::string_view attribute; // a literal: its data() ends in NUL
    CellKind kind; // Record or FilterRow
    int index;
};
constexpr std::array<WrittenCell, 18> kWritten{{
    {"OBJECTIVE", CellKind::Record, 0},     {"CONDENSER", CellKind::Record, 5},
    {"PATH", CellKind::Record, 13},         {"FILTERBLOCK1", CellKind::FilterRow, 0},
    {"FILTERBLOCK2", CellKind::FilterRow, 1}, {"Analyzer", CellKind::Record, 6},
    {"EXFILTER", CellKind::Record, 3},      {"BAFILTER", CellKind::Record, 4},
    {"TIRFEPI", CellKind::Record, 22},      {"IRLUXSHUTTER", CellKind::Record, 12},
    {"IRLUXND", CellKind::Record, 14},      {"DIALAMP", CellKind::Record, 7},
    {"DIALAMPVOLT", CellKind::Record, 8},   {"EPISHUTTER", CellKind::Record, 9},
    {"DIASHUTTER", CellKind::Record, 10},   {"AUXSHUTTER", CellKind::Record, 11},
    {"FKS", CellKind::Record, 19},          {"FKSOFFSET", CellKind::Record, 20},
}};

bool SlotInRange(int i)
{
    return i >= 0 && i < clsObservationMode::SlotCount;
}

bool IsBlank(const std::string& name)
{
    return func_DomTrim(name, true).empty();
}

// What an attribute of a "USER" element stands for: a flag item 0..16, or
// one of these.
constexpr int kIdAttribute = -1, kNameAttribute = -2, kOtherAttribute = -3;

// The attribute names a "USER" element is read with: in the order written
// (so that the next name is mostly the one looked for), then the shutter
// items, which are read by connector.
constexpr std::size_t kReadCount = 2 + kWritten.size() + 2;
constexpr std::array<std::string_view, kReadCount> ReadNames()
{
    std::array<std::string_view, kReadCount> names{"ID", "NAME"};
    for (std::size_t k = 0; k < kWritten.size(); ++k)
        names[2 + k] = kWritten[k].attribute;
    names[kReadCount - 2] = "SHUTTER1";
    names[kReadCount - 1] = "SHUTTER2";
    return names;
}
constexpr auto kReadNames = ReadNames();

// What each of kReadNames stands for; the shutter cells by device are not read back.
constexpr std::array<int, kReadCount> ReadKinds()
{
    std::array<int, kReadCount> kinds{kIdAttribute, kNameAttribute};
    for (std::size_t k = 2; k < kReadCount; ++k) {
        kinds[k] = kOtherAttribute;
        for (std::size_t j = 0; j < kFlags.size(); ++j)
            if (kReadNames[k] == kFlags[j].attribute)
                kinds[k] = static_cast<int>(j);
    }
    return kinds;
}
constexpr auto kReadKinds = ReadKinds();
static_assert([] {
    for (int j = 0; j < clsObservationMode::FlagCount; ++j)
        if (std::count(kReadKinds.begin(), kReadKinds.end(), j) != 1)
            return false;
    return true;
}(), "every flag item is read from one attribute");

// hint: the index in kReadNames after the last attribute found.
int AttributeOf(const char* name, std::size_t& hint)
{
    const std::size_t k = func_DomNameIndex(name, kReadNames, hint);
    if (k == kReadCount)
        return kOtherAttribute;
    hint = k + 1;
    return kReadKinds[k];
}

// Characters, not bytes, of a UTF-8 text.
} // namespace

clsObservationMode::clsObservationMode()
{
    sub_Reset();
}

void clsObservationMode::sub_Reset()
{
    // The filter-block rows are cells of the record too: left at anything but
    // NotSet, an empty slot would differ from the SDK's and every write would
    // rebuild the SDK's list.
    for (int i = 0; i < SlotCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        m_Work.names[s].clear();
        m_Work.flags[s].fill(0);
        m_Work.values[s].fill(NotSet);
        m_Work.filterBlocks[s].fill(NotSet);
    }
}

bool clsObservationMode::FilterPosition() const
{
    return Zo && Zo->ConnectFilter && Zo->ConnectFilter->FilterPosition();
}

int32_t* clsObservationMode::Cell(Modes& modes, int i, int j) const
{
    const FlagItem& item = kFlags[static_cast<std::size_t>(j)];
    const auto s = static_cast<std::size_t>(i);
    switch (item.kind) {
    case CellKind::Record:
        return &modes.values[s][static_cast<std::size_t>(item.index)];
    case CellKind::FilterRow:
        return &modes.filterBlocks[s][static_cast<std::size_t>(item.index)];
    case CellKind::Shutter:
        if (const auto shutter = ShutterFor(Zo && Zo->ConnectShutter ? Zo->ConnectShutter->Use(item.index) : 0))
            return &modes.values[s][static_cast<std::size_t>(shutter->slot)];
        return nullptr;
    }
    return nullptr;
}

int32_t clsObservationMode::Capture(int j) const
{
    const FlagItem& item = kFlags[static_cast<std::size_t>(j)];
    Pad::Item pad = item.pad;
    if (item.kind == CellKind::FilterRow) {
        // With the turrets exchanged the first row is the second turret.
        const bool first = (item.index == 0) != FilterPosition();
        pad = first ? Pad::FL1 : Pad::FL2;
    } else if (item.kind == CellKind::Shutter) {
        pad = ShutterFor(Zo->ConnectShutter->Use(item.index))->pad;
    }
    ZOSCOPELib::ParameterPtr parameter = Zo->PadParameters ? Zo->PadParameters->func_PadParameter(pad) : nullptr;
    if (!parameter)
        return 1;
    int32_t value = 0;
    try {
        value = parameter->Value();
    } catch (const std::exception&) {
        // A device that no longer answers counts as one the pad does not have.
        return 1;
    }
    if (item.onOff)
        return value == 1 ? 1 : 0;
    return value;
}

std::string clsObservationMode::Name(int i) const
{
    return func_ItemAt(m_Work.names, i);
}

void clsObservationMode::SetName(int i, const std::string& name)
{
    sub_SetItemAt(m_Work.names, i, name);
}

int16_t clsObservationMode::Mode(int i, int j) const
{
    if (!SlotInRange(i) || j < 0 || j >= FlagCount)
        return 0;
    return m_Work.flags[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
}

void clsObservationMode::SetMode(int i, int j, int16_t flag)
{
    if (!SlotInRange(i) || j < 0 || j >= FlagCount)
        return;
    m_Work.flags[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = flag;
    int32_t* cell = Cell(m_Work, i, j);
    if (cell)
        *cell = flag == 0 ? NotSet : Capture(j);
}

int32_t clsObservationMode::Value(int i, int slot) const
{
    if (!SlotInRange(i) || slot < 0 || slot >= ValueCount)
        return NotSet;
    return m_Work.values[static_cast<std::size_t>(i)][static_cast<std::size_t>(slot)];
}

int32_t clsObservationMode::FilterBlock(int i, int row) const
{
    if (!SlotInRange(i) || row < 0 || row > 1)
        return NotSet;
    return m_Work.filterBlocks[static_cast<std::size_t>(i)][static_cast<std::size_t>(row)];
}

std::string clsObservationMode::func_ReadSdk()
{
    if (!Zo || !Zo->Scope)
        return {};
    try {
        ZOSCOPELib::ObservationModeList& list = Zo->Scope->ObservationModes();
        const int32_t last = std::min(list.Count() - 1, SlotCount - 1);
        for (int i = 0; i <= last; ++i) {
            const auto s = static_cast<std::size_t>(i);
            m_Work.names[s] = list.ModeName(i + 1);
            m_Work.values[s] = list.GetMode(m_Work.names[s]);
            const bool exchanged = FilterPosition();
            const int32_t turret1 = m_Work.values[s][kTurret1Slot];
            const int32_t turret2 = m_Work.values[s][kTurret2Slot];
            m_Work.filterBlocks[s] = exchanged ? std::array<int32_t, 2>{turret2, turret1}
                                               : std::array<int32_t, 2>{turret1, turret2};
            for (int j = 0; j < FlagCount; ++j) {
                const int32_t* cell = Cell(m_Work, i, j);
                m_Work.flags[s][static_cast<std::size_t>(j)] = cell && *cell != NotSet ? -1 : 0;
            }
        }
    } catch (const std::exception& e) {
        return func_ReadError(kMessage, e);
    }
    m_Backup = m_Work;
    return {};
}

std::string clsObservationMode::func_WriteSdk()
{
    if (!Zo || !Zo->Scope)
        return {};
    const bool exchanged = FilterPosition();
    int differences = 0;
    for (int i = 0; i < SlotCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const auto& rows = m_Work.filterBlocks[s];
        m_Work.values[s][kTurret1Slot] = exchanged ? rows[1] : rows[0];
        m_Work.values[s][kTurret2Slot] = exchanged ? rows[0] : rows[1];
        if (m_Work.names[s] != m_Backup.names[s]) {
            ++differences;
            m_Backup.names[s] = m_Work.names[s];
        }
        for (int k = 0; k < ValueCount; ++k) {
            const auto v = static_cast<std::size_t>(k);
            if (m_Work.values[s][v] != m_Backup.values[s][v]) {
                ++differences;
                m_Backup.values[s][v] = m_Work.values[s][v];
            }
        }
        m_Backup.flags[s] = m_Work.flags[s];
        m_Backup.filterBlocks[s] = m_Work.filterBlocks[s];
    }
    if (differences == 0)
        return {};

    g_RefreshObservationMode = true;
    bool failed = false;
    // The SDK's list is rebuilt from the named slots: what it held beyond
    // them (more than eight modes, renamed ones) goes.
    try {
        ZOSCOPELib::ObservationModeList& list = Zo->Scope->ObservationModes();
        int32_t count = 0;
        try {
            count = list.Count();
        } catch (const std::exception&) {
            failed = true;
        }
        for (int32_t k = 0; k < count; ++k) {
            try {
                list.RemoveMode(list.ModeName(1));
            } catch (const std::exception&) {
                failed = true;
            }
        }
        for (int i = 0; i < SlotCount; ++i) {
            const auto s = static_cast<std::size_t>(i);
            if (IsBlank(m_Work.names[s]))
                continue;
            try {
                list.SetMode(m_Work.names[s], m_Work.values[s]);
            } catch (const std::exception&) {
                failed = true;
            }
        }
    } catch (const std::exception&) {
        failed = true;
    }
    // Both copies show what the SDK now holds.
    sub_Reset();
    (void)func_ReadSdk();
    return failed ? func_ItemError(kMessage, int64_t{SlotCount + 1}) : std::string();
}

std::string clsObservationMode::func_ReserveFL()
{
    if (!Zo || !Zo->Scope)
        return {};
    for (int i = 0; i < SlotCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        if (IsBlank(m_Backup.names[s]))
            continue;
        std::swap(m_Backup.values[s][kTurret1Slot], m_Backup.values[s][kTurret2Slot]);
        try {
            Zo->Scope->ObservationModes().SetMode(m_Backup.names[s], m_Backup.values[s]);
        } catch (const std::exception&) {
            // The next write of the modes stores them again.
        }
    }
    return {};
}

void clsObservationMode::sub_RestData()
{
    m_Work = m_Backup;
}

std::string clsObservationMode::func_ReadDom(const pugi::xml_node& element)
{
    int32_t id = 0;
    std::size_t hint = 0;
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const int kind = AttributeOf(attribute.name(), hint);
        const char* const value = attribute.value(); // numbers are read with their blanks
        if (kind == kIdAttribute) {
            const auto number = func_DomToLong(value);
            if (!number)
                return func_ItemError(kMessage, int64_t{id});
            id = *number;
            if (id < 1 || id > SlotCount)
                return func_ItemError(kMessage, int64_t{id});
            continue;
        }
        // The slot must be known before anything is stored.
        if (id < 1)
            return func_ItemError(kMessage, int64_t{id});
        const int i = id - 1;
        if (kind == kNameAttribute) {
            const std::string_view name = func_DomTrimmed(value);
            if (func_CharCount(name) > 4)
                return func_ItemError(kMessage, int64_t{id});
            m_Work.names[static_cast<std::size_t>(i)] = name;
            continue;
        }
        if (kind == kOtherAttribute)
            continue;
        const auto number = func_DomToLong(value);
        if (!number)
            return func_ItemError(kMessage, int64_t{id});
        if (int32_t* cell = Cell(m_Work, i, kind))
            *cell = *number;
        m_Work.flags[static_cast<std::size_t>(i)][static_cast<std::size_t>(kind)] = *number != NotSet ? -1 : 0;
    }
    return {};
}

void clsObservationMode::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    for (int i = 0; i < SlotCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        pugi::xml_node user = func_DomAppend(section, "USER");
        sub_DomSetAttr(user, "ID", int64_t{i + 1});
        sub_DomSetAttr(user, "NAME", std::string_view(m_Work.names[s]));
        for (const WrittenCell& cell : kWritten) {
            const auto k = static_cast<std::size_t>(cell.index);
            const int32_t value =
                cell.kind == CellKind::FilterRow ? m_Work.filterBlocks[s][k] : m_Work.values[s][k];
            sub_DomSetAttr(user, cell.attribute.data(), int64_t{value});
        }
    }
}
