#pragma once

#include "model/clsComponent.h"

#include <cstdint>

// Whether a piezo stage is connected: the SDK's connection value 0, 1 or -1.
// Only microscopes of system type 5 and 6 have the setting.
class clsConnectPiezoStage : public clsComponent {
public:
    int32_t Connected() const { return m_Connected; }
    void SetConnected(int32_t value) { m_Connected = value; }

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

private:
    bool HasSetting() const;

    int32_t m_Connected = 0;
    int32_t m_Backup = 0;
};
