#pragma once

#include "model/clsComponent.h"
#include "model/mdlDom.h"
#include "model/mdlIndexed.h"

#include <array>

// Two connectors of the microscope (shutter connectors, camera controllers),
// each with what it is used as and a maker number: working copy, backup, the
// busy flag of the write, and their "VALUE" elements in setup files.
template <class T>
class clsConnectionPair : public clsComponent {
public:
    static constexpr int ConnectorCount = 2;

    T Use(int i) const { return func_ItemAt(m_Work.use, i); }
    void SetUse(int i, T value) { sub_SetItemAt(m_Work.use, i, value); }
    T Maker(int i) const { return func_ItemAt(m_Work.maker, i); }
    void SetMaker(int i, T value) { sub_SetItemAt(m_Work.maker, i, value); }
    // True while the write runs: reads then return at once.
    bool Busy() const { return m_Busy; }

    void sub_RestData() override { m_Work = m_Backup; }

    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override
    {
        (void)document;
        for (int i = 0; i < ConnectorCount; ++i)
            sub_DomWriteConnection(section, i + 1, Maker(i), Use(i));
    }

protected:
    struct Pair {
        std::array<T, ConnectorCount> use{};
        std::array<T, ConnectorCount> maker{};
        bool operator==(const Pair&) const = default;
    };

    Pair m_Work;
    Pair m_Backup;
    bool m_Busy = false;
};
