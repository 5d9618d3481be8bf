#pragma once
// A clsZo on a fresh simulated microscope with every optics component read as
// the program reads them (start-up, the pad's device panels, the settings
// dialog), and the simulator's call trace to see what a send wrote.

#include "AccessoriesFixture.h"

#include <initializer_list>
#include <regex>
#include <string>
#include <vector>

namespace zotest {

class OpticsZo : public ConnectedZo {
protected:
    void SetUp() override { ConnectOptics(""); }

    // A fresh microscope from a description text ("" = the built-in one),
    // connected, with every optics component read.
    void ConnectOptics(const std::string& description)
    {
        m_Trace = (TestEnv::FreshDir("optics-trace") / "trace.txt").string();
        ::setenv("ZO_SIM_TRACE", m_Trace.c_str(), 1);
        Connect(description);
        ::unsetenv("ZO_SIM_TRACE");
        // The pad reads these when it initialises its device panels.
        for (clsComponent* component : std::initializer_list<clsComponent*>{zo->Objective.get(), zo->Condenser.get(),
                                                                             zo->EXFilter.get(), zo->BAFilter.get()})
            ASSERT_EQ(component->func_ReadSdk(), "");
        g_RefreshObjective = g_RefreshCondenser = g_RefreshFilterBlock = false;
        g_RefreshEXFilter = g_RefreshBAFilter = false;
        MarkTrace();
    }

    // Forget the calls traced so far.
    void MarkTrace() { m_Seen = LinesContaining(m_Trace, "").size(); }

    // The SDK writes since the last mark, as "Object.Member(arguments)".
    std::vector<std::string> Writes()
    {
        static const std::regex write(R"(^\S+ (\S+\.Set[A-Za-z]*\(.*\)) (->|!!).*$)");
        std::vector<std::string> writes;
        const std::vector<std::string> lines = LinesContaining(m_Trace, "");
        for (std::size_t i = m_Seen; i < lines.size(); ++i) {
            std::smatch match;
            if (std::regex_match(lines[i], match, write))
                writes.push_back(match[1]);
        }
        return writes;
    }

    clsObjective& objective() { return *zo->Objective; }
    clsDBObjective& dbObjective() { return *zo->DBObjective; }
    clsCondenser& condenser() { return *zo->Condenser; }
    clsDbCondenser& dbCondenser() { return *zo->DbCondenser; }
    clsFilter1& filter1() { return *zo->Filter1; }
    clsFilter2& filter2() { return *zo->Filter2; }
    clsDbFilter& dbFilter() { return *zo->DbFilter; }
    clsEXFilter& exFilter() { return *zo->EXFilter; }
    clsDbEXFilter& dbEXFilter() { return *zo->DbEXFilter; }
    clsBAFilter& baFilter() { return *zo->BAFilter; }
    clsDBBAFilter& dbBAFilter() { return *zo->DBBAFilter; }
    clsConnectFilter& connectFilter() { return *zo->ConnectFilter; }

    // What the simulated instrument holds now.
    std::vector<int32_t>& Codes(int device) { return config().turrets.at(device).codes; }

    // The refresh flags of the five optics lists, in the order objective,
    // condenser, filter block, excitation filter, barrier filter.
    static std::vector<bool> RefreshFlags()
    {
        return {g_RefreshObjective, g_RefreshCondenser, g_RefreshFilterBlock, g_RefreshEXFilter, g_RefreshBAFilter};
    }

private:
    std::string m_Trace;
    std::size_t m_Seen = 0;
};

} // namespace zotest
