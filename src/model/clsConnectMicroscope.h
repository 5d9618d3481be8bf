#pragma once

#include "model/clsComponent.h"

#include <string>
#include <vector>

// The display names of the microscopes the SDK offers. Read only: writing,
// restoring and setup files have nothing to do here.
class clsConnectMicroscope : public clsComponent {
public:
    // The name of entry index; "" outside the list.
    std::string func_MicroscopeName(int index) const;
    // Whether entry index could be opened when the list was read.
    bool func_IsAvailable(int index) const;
    // The entries less one: entry 0 is the simulator, not a real microscope.
    int func_MicroscopeCount() const;

    std::string func_ReadSdk() override;

private:
    std::vector<std::string> m_Names;
    std::vector<bool> m_Available;
};
