#pragma once

#include "model/clsComponent.h"

class clsConnectFilter : public clsComponent {
public:
    // The turret order of the filter accessory: true when the two filter
    // turrets are exchanged. The observation modes map their filter-block
    // rows by it.
    bool FilterPosition() const { return m_FilterPosition; }
    void SetFilterPosition(bool value) { m_FilterPosition = value; }

private:
    bool m_FilterPosition = false;
};
