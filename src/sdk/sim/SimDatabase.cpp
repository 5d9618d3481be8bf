#include "sdk/sim/SimDatabase.h"

#include "sdk/sim/SimText.h"

#include <cmath>

namespace ZOSCOPELib::sim {

std::string RightTrim(const std::string& text)
{
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(0, end);
}

DatabaseCore::DatabaseCore(Hub& h, std::string o, int32_t last, std::vector<SimParameterPtr> shown)
    : hub(h), object(std::move(o)), userLast(last), shownBy(std::move(shown))
{
}

void DatabaseCore::CheckCode(int32_t code) const
{
    if (code < 0 || code > userLast)
        throw SdkError("ZOSCOPELib." + object, OutOfRange,
                       "code " + std::to_string(code) + " is outside 0.." + std::to_string(userLast));
}

void DatabaseCore::CheckUserCode(int32_t code) const
{
    CheckCode(code);
    if (code < 300)
        throw SdkError("ZOSCOPELib." + object, ReadOnly, "built-in entry " + std::to_string(code) + " is read-only");
}

void DatabaseCore::CheckName(const std::string& object, const std::string& name)
{
    // The instrument keeps names as one line of plain text.
    if (!IsStorableName(name))
        throw SdkError("ZOSCOPELib." + object, InvalidArgument, "the name cannot be stored");
}

void DatabaseCore::Changed()
{
    for (const SimParameterPtr& p : shownBy)
        p->NotifyInfo();
    hub.ConfigChanged();
}

// ---------------------------------------------------------------- names

SimNameDatabase::SimNameDatabase(Hub& hub, std::string object, int32_t userLast, std::vector<SimParameterPtr> shownBy,
                                 std::function<std::map<int32_t, std::string>&()> names)
    : m_core(hub, std::move(object), userLast, std::move(shownBy)), m_names(std::move(names))
{
}

int32_t SimNameDatabase::DatabasePresetCount()
{
    return m_core.Call("DatabasePresetCount", "", [this] { return PresetCount(m_names()); });
}

std::string SimNameDatabase::Name(int32_t code)
{
    return m_core.Call("Name", TraceArgs(code), [&] {
        m_core.CheckCode(code);
        const auto it = m_names().find(code);
        return it == m_names().end() ? std::string() : RightTrim(it->second);
    });
}

void SimNameDatabase::SetName(int32_t code, const std::string& name)
{
    m_core.Call("SetName", TraceArgs(code, name), [&] {
        m_core.CheckUserCode(code);
        DatabaseCore::CheckName(m_core.object, name);
        auto& names = m_names();
        const auto it = names.find(code);
        if (it != names.end() && it->second == name)
            return;
        names[code] = name;
        m_core.Changed();
    });
}

// ---------------------------------------------------------------- filter blocks

SimFilterBlockDatabase::SimFilterBlockDatabase(Hub& hub, std::vector<SimParameterPtr> shownBy)
    : m_core(hub, "Database.FilterBlocks", 309, std::move(shownBy))
{
}

int32_t SimFilterBlockDatabase::DatabasePresetCount()
{
    return m_core.Call("DatabasePresetCount", "", [this] { return PresetCount(Blocks()); });
}

int32_t SimFilterBlockDatabase::DMDatabasePresetCount()
{
    return m_core.Call("DMDatabasePresetCount", "",
                       [this] { return PresetCount(m_core.hub.Config().databases.dichroicMirrors); });
}

std::string SimFilterBlockDatabase::Name(int32_t code)
{
    return m_core.Call("Name", TraceArgs(code), [&] {
        m_core.CheckCode(code);
        const auto it = Blocks().find(code);
        return it == Blocks().end() ? std::string() : RightTrim(it->second.name);
    });
}

void SimFilterBlockDatabase::SetName(int32_t code, const std::string& name)
{
    m_core.Call("SetName", TraceArgs(code, name), [&] {
        m_core.CheckUserCode(code);
        DatabaseCore::CheckName(m_core.object, name);
        FilterBlockEntry& entry = Blocks()[code];
        if (entry.name == name)
            return;
        entry.name = name;
        m_core.Changed();
    });
}

FilterComposition SimFilterBlockDatabase::Composition(int32_t code)
{
    return m_core.Call("Composition", TraceArgs(code), [&] {
        m_core.CheckCode(code);
        const auto it = Blocks().find(code);
        return it == Blocks().end() ? FilterComposition{} : it->second.composition;
    });
}

void SimFilterBlockDatabase::SetComposition(int32_t code, const FilterComposition& c)
{
    m_core.Call("SetComposition", TraceArgs(code, c.EX, c.BA, c.DM), [&] {
        m_core.CheckUserCode(code);
        for (int32_t part : {c.EX, c.BA, c.DM})
            if (part < 0 || part > 319)
                throw SdkError("ZOSCOPELib." + m_core.object, OutOfRange, "filter codes are 0..319");
        FilterBlockEntry& entry = Blocks()[code];
        if (entry.composition == c)
            return;
        entry.composition = c;
        m_core.Changed();
    });
}

// ---------------------------------------------------------------- objectives

SimObjectiveDatabase::SimObjectiveDatabase(Hub& hub, std::vector<SimParameterPtr> shownBy)
    : m_core(hub, "Database.Objectives", 309, std::move(shownBy))
{
}

int32_t SimObjectiveDatabase::DatabasePresetCount()
{
    return m_core.Call("DatabasePresetCount", "",
                       [this] { return PresetCount(m_core.hub.Config().databases.objectives); });
}

std::vector<std::string> SimObjectiveDatabase::List(std::size_t which, std::string_view member)
{
    return m_core.Call(member, "", [&] { return m_core.hub.Config().databases.objectiveLists.at(which); });
}

ObjectiveRecord SimObjectiveDatabase::Get(int32_t code)
{
    return m_core.Call("Get", TraceArgs(code), [&] {
        m_core.CheckCode(code);
        const auto& objectives = m_core.hub.Config().databases.objectives;
        const auto it = objectives.find(code);
        if (it == objectives.end())
            return ObjectiveRecord{};
        ObjectiveRecord r = it->second;
        r.Name = RightTrim(r.Name);
        return r;
    });
}

void SimObjectiveDatabase::Set(int32_t code, const ObjectiveRecord& record)
{
    m_core.Call("Set", TraceArgs(code, record.Name), [&] {
        m_core.CheckUserCode(code);
        DatabaseCore::CheckName(m_core.object, record.Name);
        const auto& lists = m_core.hub.Config().databases.objectiveLists;
        const int16_t codes[] = {record.ModelCode, record.TypesCode, record.MagCode, record.WDCode, record.MethodCode,
                                 record.FKSCode};
        const std::size_t listOf[] = {0, 1, 2, 4, 3, 5};
        for (std::size_t i = 0; i < 6; ++i)
            if (codes[i] < 0 || static_cast<std::size_t>(codes[i]) >= std::max<std::size_t>(lists[listOf[i]].size(), 1))
                throw SdkError("ZOSCOPELib." + m_core.object, OutOfRange, "a list code names no entry of its list");
        if (!(record.WDSeriesCode >= 0 && record.WDSeriesCode <= 40) || !(record.NA >= 0 && record.NA <= 9.99) ||
            !(record.MinNA >= 0 && record.MinNA <= 9.99))
            throw SdkError("ZOSCOPELib." + m_core.object, OutOfRange, "an optical value is out of range");
        // The instrument keeps two decimals.
        ObjectiveRecord stored = record;
        for (double* v : {&stored.WDSeriesCode, &stored.NA, &stored.MinNA})
            *v = std::round(*v * 100) / 100;
        auto& objectives = m_core.hub.Config().databases.objectives;
        const auto it = objectives.find(code);
        if (it != objectives.end() && it->second == stored)
            return;
        objectives[code] = stored;
        m_core.Changed();
    });
}

// ---------------------------------------------------------------- all

SimModelDatabase::SimModelDatabase(Hub& hub, const SimParameterPtr& nosepiece, const SimParameterPtr& condenser,
                                   const SimParameterPtr& filter1, const SimParameterPtr& filter2,
                                   const SimParameterPtr& exWheel, const SimParameterPtr& baWheel)
    : m_objectives(hub, {nosepiece}),
      m_condensers(hub, "Database.Condensers", 309, {condenser},
                   [&hub]() -> std::map<int32_t, std::string>& { return hub.Config().databases.condensers; }),
      m_filterBlocks(hub, {filter1, filter2}),
      m_excitation(hub, "Database.ExcitationFilters", 319, {exWheel},
                   [&hub]() -> std::map<int32_t, std::string>& { return hub.Config().databases.excitationFilters; }),
      m_barrier(hub, "Database.BarrierFilters", 319, {baWheel},
                [&hub]() -> std::map<int32_t, std::string>& { return hub.Config().databases.barrierFilters; }),
      m_mirrors(hub, "Database.DichroicMirrors", 319, {filter1, filter2},
                [&hub]() -> std::map<int32_t, std::string>& { return hub.Config().databases.dichroicMirrors; })
{
}

} // namespace ZOSCOPELib::sim
