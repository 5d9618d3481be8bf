#pragma once

#include "model/clsVersion.h"
#include "settings/SettingPage.h"

#include <array>

class QLabel;

// The versions of the program, the SDK library and the microscope's units,
// and the controller box, named by the microscope's system type.
class OthersVersionCtl : public SettingPage {
public:
    explicit OthersVersionCtl(QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;

private:
    clsVersion m_Version;
    QLabel* lblVerTitle;
    std::array<QLabel*, clsVersion::EntryCount> lblDevice{};
    std::array<QLabel*, clsVersion::EntryCount> lblVersion{};
    QLabel* lblKestro;
};
