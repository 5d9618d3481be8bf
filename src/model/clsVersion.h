#pragma once

#include "model/clsComponent.h"

#include <cstdint>
#include <string>
#include <vector>

// Versions shown on the version page: entry 0 the program, entry 1 the SDK
// library, then one entry per unit of the microscope as the SDK reports it.
class clsVersion : public clsComponent {
public:
    static constexpr int EntryCount = 9;

    std::string Version(int index) const; // "" outside the entries or when the SDK gives none
    int32_t SystemType() const { return m_SystemType; }

    std::string func_ReadSdk() override;

private:
    std::vector<std::string> m_Version = std::vector<std::string>(EntryCount);
    int32_t m_SystemType = -1;
};
