#pragma once

#include "model/clsComponent.h"

#include <array>
#include <cstdint>

// The function codes of the remote control pad's six keys. They travel only
// with setup files: the SDK offers no call for them, so clsZo's read, send and
// restore passes leave this component out.
class clsRemoteKey : public clsComponent {
public:
    static constexpr int KeyCount = 6;
    static constexpr int32_t LastFunction = 93;

    int32_t Key(int i) const;
    void SetKey(int i, int32_t code);

    // Nothing to read: the assignments live only in the working copy.
    std::string func_ReadSdk() override { return {}; }
    // Nothing reaches the pad; the working copy becomes the backup.
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

private:
    std::array<int32_t, KeyCount> m_Key{};
    std::array<int32_t, KeyCount> m_Backup{};
};
