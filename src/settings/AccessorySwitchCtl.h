#pragma once

#include "core/mdlSettings.h"
#include "settings/SettingPage.h"

#include <span>
#include <string>
#include <vector>

class QCheckBox;

// Check boxes chkAccessory0.. that switch the pad's device controls on and
// off (the "GUIControl" flags); a change waits for the pad's next activation.
class AccessorySwitchCtl : public SettingPage {
public:
    // The flags of the two sub-pages, in the order of their boxes.
    static const std::array<GUIControlFlag, 13> kFirstPage;
    static const std::array<GUIControlFlag, 10> kSecondPage;

    // One box per flag; captions[i] is the language text of box i.
    AccessorySwitchCtl(std::span<const GUIControlFlag> flags, std::span<const std::string> captions,
                       QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_SaveData() override;
    void sub_RefreshLanguage() override;

private:
    std::span<const GUIControlFlag> m_Flags;
    std::span<const std::string> m_Captions;
    std::vector<QCheckBox*> chkAccessory;
};
