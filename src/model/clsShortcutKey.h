#pragma once

#include "model/clsComponent.h"

#include <array>
#include <cstdint>

// The pad functions of the sixteen keyboard keys, in the order of the
// settings file's "ShortcutKey" section. The settings file keeps them, not
// the microscope and not setup files, so there is no backup and nothing to
// write.
class clsShortcutKey : public clsComponent {
public:
    static constexpr int KeyCount = 16;

    int32_t Key(int i) const;
    void SetKey(int i, int32_t code);

    // Takes the assignments the program holds from the settings file.
    std::string func_ReadSdk() override;

private:
    std::array<int32_t, KeyCount> m_Key{};
};
