#pragma once

#include "model/clsComponent.h"

// Where the two filter turrets sit in the filter-turret mount. FilterPosition
// is True when turret 1 is at the first level; the program's first
// filter-block row (pad list, first filter page, first filter-block cell of
// an observation mode) then stands for turret 2, and the second row for
// turret 1.
class clsConnectFilter : public clsComponent {
public:
    bool FilterPosition() const { return m_FilterPosition; }
    void SetFilterPosition(bool value) { m_FilterPosition = value; }
    // True while func_WriteSdk runs.
    bool Busy() const { return m_Busy; }

    // Reads the turret order; when it changed since the last read (not on
    // the very first), the stored observation modes are exchanged to match.
    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    // The "VALUE" element of "FLTURRET": STATUS "True" or "False".
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

private:
    bool Mounted(int index) const;

    bool m_FilterPosition = false;
    bool m_Backup = false;
    bool m_Busy = false;
    bool m_FirstRead = true;
};
