#pragma once
// The settings dialog opened from a loaded control pad on the simulated
// microscope, with helpers to reach its controls and to answer the windows it
// opens modally.

#include "pad/PadFixture.h"

#include "core/mdlSettings.h"
#include "settings/SettingPageGroup.h"
#include "settings/frmSettingMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <functional>

namespace zotest {

class SettingsTest : public PadTest {
protected:
    void TearDown() override
    {
        g_DefaultGUIFunction = 0;
        g_DefaultGUIPage.fill(0);
        g_MouseOverCancel = false;
        PadTest::TearDown();
        ResetSettingsVariables();
        g_LanguageFlag = 0;
        sub_ReadLanguage();
    }

    // Loads the pad (on the described instrument) and opens the dialog with
    // its Settings button.
    frmSettingMain* Open(const std::string& description = "")
    {
        if (!pad)
            Load(description);
        Click("picSetting");
        dialog = pad->SettingWindow();
        EXPECT_TRUE(dialog && dialog->isVisible());
        ui.ClearRecord();
        MarkTrace();
        return dialog;
    }

    template <class Kind = QWidget>
    Kind* In(const char* name) const
    {
        Kind* control = dialog->findChild<Kind*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Press(const char* button) const { In<QAbstractButton>(button)->click(); }
    // Shows group `page` and its sub-page `sub`.
    SettingPageGroup* Show(int page, int sub = -1) const
    {
        dialog->optMain_Click(page);
        SettingPageGroup* group = dialog->Group(page);
        if (sub >= 0)
            group->optMenu_Click(sub);
        return group;
    }

    // Picks entry `index` of a list below `parent` as the operator would.
    static void Choose(QWidget* parent, const char* list, int index)
    {
        auto* box = parent->findChild<QComboBox*>(list);
        ASSERT_NE(box, nullptr) << list;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static void ChooseText(QWidget* parent, const char* list, const std::string& text)
    {
        auto* box = parent->findChild<QComboBox*>(list);
        ASSERT_NE(box, nullptr) << list;
        Choose(parent, list, box->findText(QString::fromStdString(text)));
    }

    // Runs `answer` on the next modal window that opens (a window the code
    // under test shows with exec()).
    static void OnNextModal(std::function<void(QWidget*)> answer)
    {
        QTimer::singleShot(0, [answer = std::move(answer)] {
            if (QWidget* modal = QApplication::activeModalWidget())
                answer(modal);
        });
    }

    frmSettingMain* dialog = nullptr;
};

} // namespace zotest
