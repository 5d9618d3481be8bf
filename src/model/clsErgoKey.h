#pragma once

#include "model/clsComponent.h"

#include <array>
#include <cstdint>

// The key assignments of the ergonomic controller: six fixed keys, two
// switchable keys with an A and a B function each, and whether the
// controller's A/B switch is enabled.
class clsErgoKey : public clsComponent {
public:
    static constexpr int KeyCount = 6;
    static constexpr int SwitchableCount = 2;
    static constexpr int RowA = 0, RowB = 1;

    int32_t Key(int i) const;
    void SetKey(int i, int32_t code);
    // Code of switchable key i in row ab (RowA or RowB).
    int32_t KeyAB(int i, int ab) const;
    void SetKeyAB(int i, int ab, int32_t code);
    bool IsSwitchEnable() const { return m_Work.switchEnable; }
    void SetIsSwitchEnable(bool value) { m_Work.switchEnable = value; }

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

private:
    struct Keys {
        std::array<int32_t, KeyCount> key{};
        std::array<std::array<int32_t, 2>, SwitchableCount> keyAB{};
        bool switchEnable = false;
    };

    bool IsPresent() const;

    Keys m_Work;
    Keys m_Backup;
};
