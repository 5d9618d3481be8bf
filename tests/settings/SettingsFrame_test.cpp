// The settings dialog's frame: page switching, Apply/OK/Cancel, setup files, keyboard.

#include "SettingsFixture.h"

#include "model/clsModeALF.h"
#include "model/clsObjective.h"
#include "sdk/DeviceIndex.h"

#include <QListWidget>

namespace zotest {
namespace {

using SettingsFrame = SettingsTest;

TEST_F(SettingsFrame, ShowsTheRememberedPageAndIgnoresAClickOnTheShownOne)
{
    g_DefaultGUIFunction = frmSettingMain::Key;
    g_DefaultGUIPage[frmSettingMain::Key] = 1;
    Open();
    EXPECT_EQ((std::tuple{dialog->CurrentPage(), dialog->Group(frmSettingMain::Key)->CurrentIndex()}),
              (std::tuple{int(frmSettingMain::Key), 1}));

    // Another group starts on its first page and becomes the remembered one.
    SettingPageGroup* mode = Show(frmSettingMain::Mode, 1);
    EXPECT_EQ((std::tuple{g_DefaultGUIFunction, g_DefaultGUIPage[frmSettingMain::Mode]}),
              (std::tuple{int(frmSettingMain::Mode), 1}));
    // A click on the shown group does not switch it again.
    g_DefaultGUIPage[frmSettingMain::Mode] = 0;
    Press("optMain2");
    EXPECT_EQ(mode->CurrentIndex(), 1);

    // Hidden and shown again, the remembered page comes back although its
    // button was already set.
    g_DefaultGUIPage[frmSettingMain::Mode] = 1;
    mode->optMenu_Click(0);
    g_DefaultGUIPage[frmSettingMain::Mode] = 1;
    dialog->hide();
    dialog->show();
    EXPECT_EQ((std::tuple{dialog->CurrentPage(), mode->CurrentIndex()}), (std::tuple{int(frmSettingMain::Mode), 1}));
}

TEST_F(SettingsFrame, AFailedWriteShowsItsTextAndOkAnsweredNoKeepsTheDialogWithTheEdit)
{
    Open();
    const int32_t edited = g_Zo->ModeALF->IsALFOn() == 1 ? 0 : 1;
    g_Zo->ModeALF->SetIsALFOn(edited);
    sim->control().FailCall("Nosepiece", "SetALFMode", 1005);
    Press("btnApply");
    // Message 64, then the line of the component that failed.
    const std::string failed = ScriptedUi::Styled(UiServices::MB_CRITICAL, func_JoinLines(func_GetMessage(64), func_GetMessage(101)));
    ASSERT_EQ(ui.StyledBoxes().size(), 1u);
    EXPECT_EQ(ui.StyledBoxes()[0].rfind(failed, 0), 0u) << ui.StyledBoxes()[0];
    ui.QueueAnswer(UiServices::ID_NO);
    Press("btnOk");
    EXPECT_EQ(ui.StyledBoxes().back(), ScriptedUi::Styled(4 | UiServices::MB_CRITICAL, ui.Boxes()[0].text));
    EXPECT_EQ((std::tuple{dialog->isVisible(), g_Zo->ModeALF->IsALFOn()}), (std::tuple{true, edited}));
    // Yes closes and keeps the edit that failed.
    ui.QueueAnswer(UiServices::ID_YES);
    Press("btnOk");
    EXPECT_EQ((std::tuple{dialog->isVisible(), g_Zo->ModeALF->IsALFOn()}), (std::tuple{false, edited}));
}

TEST_F(SettingsFrame, ApplyKeepsTheDialogReturnIsOkAndCancelEscapeOrTheCloseBoxAskedYesRestoreTheEdits)
{
    Open();
    Press("btnApply");
    EXPECT_EQ((std::tuple{ui.BoxTexts(), dialog->isVisible()}), (std::tuple{std::vector{func_GetMessage(63)}, true}));
    // With nothing edited only the ergo controller's switch state is sent.
    ExpectWrites({"ErgoController.EnableSwitch("});
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_EQ((std::tuple{ui.BoxTexts(), dialog->isVisible(), pad->SettingsOpen()}),
              (std::tuple{std::vector<std::string>(2, func_GetMessage(63)), false, false}));

    for (auto close : std::vector<std::function<void()>>{[this] { Press("btnCancel"); },
                                                         [this] { QTest::keyClick(dialog, Qt::Key_Escape); },
                                                         [this] { dialog->close(); }}) {
        Open();
        const int32_t held = g_Zo->ModeALF->IsALFOn();
        g_Zo->ModeALF->SetIsALFOn(held == 1 ? 0 : 1);
        ui.QueueAnswer(UiServices::ID_NO);
        close();
        EXPECT_EQ(ui.StyledBoxes(), std::vector<std::string>{ScriptedUi::Styled(36, func_GetMessage(69))});
        EXPECT_EQ((std::tuple{dialog->isVisible(), g_Zo->ModeALF->IsALFOn() != held}), (std::tuple{true, true}));
        close();
        EXPECT_EQ((std::tuple{dialog->isVisible(), g_Zo->ModeALF->IsALFOn(), WritesSinceMark().size()}),
                  (std::tuple{false, held, 0u}));
    }
}

TEST_F(SettingsFrame, LoadsOnlyTheTickedPartsOfASetupFile)
{
    Open();
    const std::string file = (TestEnv::FreshDir("setup") / "setup.xml").string();
    const int32_t alf = g_Zo->ModeALF->IsALFOn();
    const int32_t code = g_Zo->Objective->code(1);
    g_Zo->ModeALF->SetIsALFOn(alf == 1 ? 0 : 1);
    g_Zo->Objective->SetCode(1, code == 5 ? 6 : 5);
    ASSERT_EQ(g_Zo->func_WriteXML(file), "");
    g_Zo->sub_RestData();

    // No file chosen, or no part chosen: nothing changes.
    dialog->ChooseFile = [](bool) { return QString(); };
    Press("btnLoad");
    dialog->ChooseFile = [&file](bool) { return QString::fromStdString(file); };
    OnNextModal([](QWidget* select) { QTest::keyClick(select, Qt::Key_Escape); });
    Press("btnLoad");
    EXPECT_EQ((std::tuple{g_Zo->ModeALF->IsALFOn(), g_Zo->Objective->code(1)}), (std::tuple{alf, code}));

    // The ALF row unticked: the nosepiece is loaded, the ALF mode is not.
    std::vector<std::string> rows;
    OnNextModal([&rows](QWidget* select) {
        auto* list = select->findChild<QListWidget*>("lstFile");
        for (int row = 0; row < list->count(); ++row)
            rows.push_back(list->item(row)->text().toStdString());
        constexpr int kALF = 9; // every part is in the file, so row = part
        list->item(kALF)->setCheckState(Qt::Unchecked);
        QTest::keyClick(select, Qt::Key_Return);
    });
    Press("btnLoad");
    EXPECT_EQ(rows, std::vector<std::string>(g_LangFrmSelFileItem.FileItem.begin() + 1,
                                             g_LangFrmSelFileItem.FileItem.end()));
    EXPECT_EQ((std::tuple{g_Zo->ModeALF->IsALFOn(), g_Zo->Objective->code(1) != code, WritesSinceMark().size()}),
              (std::tuple{alf, true, 0u}));
}

TEST_F(SettingsFrame, SaveWritesTheSetupFileOrShowsWhyItCouldNot)
{
    Open();
    const std::filesystem::path folder = TestEnv::FreshDir("save");
    for (const std::filesystem::path& file : {folder / "setup.xml", folder / "missing" / "setup.xml"}) {
        dialog->ChooseFile = [&file](bool forSaving) { return forSaving ? QString::fromStdString(file) : QString(); };
        Press("btnSave");
    }
    EXPECT_FALSE(ReadText(folder / "setup.xml").empty());
    ASSERT_EQ(ui.BoxTexts().size(), 2u);
    EXPECT_EQ(ui.BoxTexts()[0], func_GetMessage(53));
    EXPECT_EQ(ui.BoxTexts()[1].rfind(func_GetMessage(54) + "\r\n", 0), 0u) << ui.BoxTexts()[1];
}

} // namespace
} // namespace zotest
