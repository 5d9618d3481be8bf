#pragma once

#include "model/clsComponent.h"

#include <cstdint>

namespace ZOSCOPELib {
class NosepieceDevice;
}

// A switchable mode of the nosepiece (ALF, rotation stopper): 1 on, 0 off.
// It exists only when both the nosepiece and the Z drive are present. The
// two modes differ only in the SDK property and the message number.
class clsNosepieceMode : public clsComponent {
public:
    struct Setting {
        int32_t (ZOSCOPELib::NosepieceDevice::*get)();
        void (ZOSCOPELib::NosepieceDevice::*set)(int32_t);
        int message;
    };

    explicit clsNosepieceMode(const Setting& setting) : m_Setting(setting) {}

    // Set by clsZo around its write so the SDK's reports of that write do not
    // re-read the mode.
    bool Busy = false;

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    void sub_RestData() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;
    void sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section) override;

protected:
    int32_t Value() const { return m_Value; }
    void SetValue(int32_t value) { m_Value = value; }

private:
    bool HasMode() const;

    Setting m_Setting;
    int32_t m_Value = 0;
    int32_t m_Backup = 0;
};
