#pragma once
// The model databases: built-in entries below 300 (read-only), user entries
// from 300. Writes raise OnInfoChanged of the turrets that show the names.

#include "sdk/sim/SimHub.h"
#include "sdk/sim/SimParameter.h"

#include <functional>
#include <map>
#include <vector>

namespace ZOSCOPELib::sim {

// What all databases share: the code checks, the trace and the change report.
class DatabaseCore {
public:
    DatabaseCore(Hub& hub, std::string object, int32_t userLast, std::vector<SimParameterPtr> shownBy);

    template <class F>
    auto Call(std::string_view member, const std::string& args, F&& body)
    {
        return hub.Call(object, -1, Need::Connection, member, args, std::forward<F>(body));
    }
    void CheckCode(int32_t code) const;      // 0..userLast
    void CheckUserCode(int32_t code) const;  // 300..userLast, else ReadOnly / OutOfRange
    static void CheckName(const std::string& object, const std::string& name);
    void Changed();                          // OnInfoChanged of the showing turrets, state saved

    Hub& hub;
    const std::string object;
    const int32_t userLast;
    const std::vector<SimParameterPtr> shownBy;
};

// The number of built-in entries: the highest code below 300 in use.
template <class Map>
int32_t PresetCount(const Map& map)
{
    int32_t count = 0;
    for (const auto& entry : map)
        if (entry.first < 300)
            count = entry.first;
    return count;
}

std::string RightTrim(const std::string& text);

class SimNameDatabase final : public NameDatabase {
public:
    SimNameDatabase(Hub& hub, std::string object, int32_t userLast, std::vector<SimParameterPtr> shownBy,
                    std::function<std::map<int32_t, std::string>&()> names);
    int32_t DatabasePresetCount() override;
    int32_t UserFirst() override { return 300; }
    int32_t UserLast() override { return m_core.userLast; }
    std::string Name(int32_t code) override;
    void SetName(int32_t code, const std::string& name) override;

private:
    DatabaseCore m_core;
    std::function<std::map<int32_t, std::string>&()> m_names;
};

class SimFilterBlockDatabase final : public FilterBlockDatabase {
public:
    SimFilterBlockDatabase(Hub& hub, std::vector<SimParameterPtr> shownBy);
    int32_t DatabasePresetCount() override;
    int32_t UserFirst() override { return 300; }
    int32_t UserLast() override { return 309; }
    std::string Name(int32_t code) override;
    void SetName(int32_t code, const std::string& name) override;
    FilterComposition Composition(int32_t code) override;
    void SetComposition(int32_t code, const FilterComposition& c) override;
    int32_t DMDatabasePresetCount() override;

private:
    std::map<int32_t, FilterBlockEntry>& Blocks() { return m_core.hub.Config().databases.filterBlocks; }
    DatabaseCore m_core;
};

class SimObjectiveDatabase final : public ObjectiveDatabase {
public:
    SimObjectiveDatabase(Hub& hub, std::vector<SimParameterPtr> shownBy);
    int32_t DatabasePresetCount() override;
    std::vector<std::string> Models() override { return List(0, "Models"); }
    std::vector<std::string> Types() override { return List(1, "Types"); }
    std::vector<std::string> Mag() override { return List(2, "Mag"); }
    std::vector<std::string> Method() override { return List(3, "Method"); }
    std::vector<std::string> WDSeries() override { return List(4, "WDSeries"); }
    std::vector<std::string> FKS() override { return List(5, "FKS"); }
    ObjectiveRecord Get(int32_t code) override;
    void Set(int32_t code, const ObjectiveRecord& record) override;

private:
    std::vector<std::string> List(std::size_t which, std::string_view member);
    DatabaseCore m_core;
};

class SimModelDatabase final : public ModelDatabase {
public:
    SimModelDatabase(Hub& hub, const SimParameterPtr& nosepiece, const SimParameterPtr& condenser,
                     const SimParameterPtr& filter1, const SimParameterPtr& filter2, const SimParameterPtr& exWheel,
                     const SimParameterPtr& baWheel);
    ObjectiveDatabase& Objectives() override { return m_objectives; }
    NameDatabase& Condensers() override { return m_condensers; }
    FilterBlockDatabase& FilterBlocks() override { return m_filterBlocks; }
    NameDatabase& ExcitationFilters() override { return m_excitation; }
    NameDatabase& BarrierFilters() override { return m_barrier; }
    NameDatabase& DichroicMirrors() override { return m_mirrors; }

private:
    SimObjectiveDatabase m_objectives;
    SimNameDatabase m_condensers;
    SimFilterBlockDatabase m_filterBlocks;
    SimNameDatabase m_excitation;
    SimNameDatabase m_barrier;
    SimNameDatabase m_mirrors;
};

} // namespace ZOSCOPELib::sim
