#pragma once

#include "settings/SettingPage.h"

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

// The pad's layout with its preview, the frames of the grouped layouts and
// the program's language. Saving sets "Type" and the three frame flags and
// switches the language at once when another one was chosen.
class OthersLayoutCtl : public SettingPage {
public:
    static constexpr int LayoutCount = 8;
    // Name of layout 1..8 ("Normal", ...), which also names its preview.
    static const char* LayoutName(int layout);
    // The preview picture of a layout, below the program folder.
    static std::string PreviewPath(int layout);

    explicit OthersLayoutCtl(QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_SaveData() override;
    void sub_RefreshLanguage() override;
    // The dialog closes: the layout page keeps what is chosen.
    void sub_FrmPosChanged() override { sub_SaveData(); }

    // The operator chose entry `index` (layout index + 1).
    void cboSelectLayout_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame boxes (grouped layouts only) and the preview of entry `index`.
    void sub_ShowLayout(int index);
    void sub_FitPreview();
    void sub_FillLayouts();
    void sub_FillLanguages();

    QGroupBox* fraLayoutGUI;
    QLabel* lblGUI;
    QComboBox* cboSelectLayout;
    QWidget* picOthersLayoutGUI;
    QLabel* imgOrigin;
    QGroupBox* fraOthersLayoutGroup;
    std::array<QCheckBox*, 3> chkGroup{};
    QLabel* lblLanguage;
    QComboBox* cboSelect;
};
