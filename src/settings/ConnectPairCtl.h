#pragma once

#include "settings/SettingPage.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

class QComboBox;
class QLabel;

// Two connectors of the controller, one line each: a make list cboBrand<k>
// and a use list cboType<k>, filled from the language file's lists (entry 0
// the highest number, then the names of 0, 1, ...) with the numbers as item
// data. A choice goes into the model's working copy at once.
//
// The external shutters: a shutter's use is refused (message 67) while the
// other connector has the same one. The camera controllers: choosing a make
// puts the type back to the first entry, and a type counts only with a make.
class ConnectPairCtl : public SettingPage {
public:
    enum class Kind { Shutters, Cameras };
    // The working copy of the connectors, as numbers.
    struct Connectors {
        int32_t (*use)(int connector);
        void (*setUse)(int connector, int32_t value);
        int32_t (*maker)(int connector);
        void (*setMaker)(int connector, int32_t value);
    };
    // Language texts: the caption of a connector (its number follows), the
    // two column headings, and the two lists.
    struct Texts {
        const std::string* connector;
        const std::string* brand;
        const std::string* type;
        std::span<const std::string> makers;
        std::span<const std::string> uses;
    };
    static constexpr int ConnectorCount = 2;

    ConnectPairCtl(Kind kind, Connectors model, Texts texts, QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    // Devices plugged in or out while the dialog shows are read again.
    void sub_RefreshForm() override { sub_LoadData(); }

private:
    void cboBrand_Click(int k);
    // A use chosen or left: stored when it may be; False keeps the focus.
    bool cboType_Validate(int k);
    void sub_EnableTypes();

    Kind m_Kind;
    Connectors m_Model;
    Texts m_Texts;
    QLabel* lblBrand;
    QLabel* lblType;
    std::array<QLabel*, ConnectorCount> lblConnector{};
    std::array<QComboBox*, ConnectorCount> cboBrand{};
    std::array<QComboBox*, ConnectorCount> cboType{};
};
