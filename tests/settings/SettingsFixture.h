#pragma once
// The settings dialog opened from a control pad on the simulated microscope.

#include "pad/PadFixture.h"

#include "settings/SettingPageGroup.h"

#include <QAbstractButton>
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

    // Loads the pad (on the described instrument) unless loaded and clicks Settings.
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
    frmSettingMain* Reopen(const std::string& description) { pad.reset(); return Open(description); }

    template <class Kind = QWidget>
    static Kind* Child(const QWidget* parent, const char* name)
    {
        Kind* control = parent->findChild<Kind*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    template <class Kind = QWidget>
    Kind* In(const char* name) const { return Child<Kind>(dialog, name); }
    void Press(const char* button) const { In<QAbstractButton>(button)->click(); }
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
        const auto* box = parent->findChild<QComboBox*>(list);
        Choose(parent, list, box ? box->findText(QString::fromStdString(text)) : 0);
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
