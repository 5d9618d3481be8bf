// The pages of the Mode, Key and Other groups.

#include "SettingsFixture.h"

#include "model/clsErgoKey.h"
#include "model/clsModeALF.h"
#include "model/clsObservationMode.h"
#include "model/clsShortcutKey.h"
#include "pad/LayoutEngine.h"
#include "settings/frmZoomImage.h"

#include <ZoVersion.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

#include <tuple>

namespace zotest {
namespace {

using SettingsPages = SettingsTest;

TEST_F(SettingsPages, TheModePagesNeedTheNosepieceAndTheZDrive)
{
    for (const auto& [description, enabled] : {std::pair{"[Mounted]\nZDrive = 0\n", false},
                                               std::pair{"[Mounted]\nNosepiece = 0\n", false}, std::pair{"", true}}) {
        Reopen(description);
        SettingPageGroup* mode = Show(frmSettingMain::Mode);
        for (const char* entry : {"optMenu0", "optMenu1"})
            EXPECT_EQ(mode->findChild<QWidget*>(entry)->isEnabled(), enabled) << description << entry;
        EXPECT_EQ(mode->Page(0)->isEnabled(), enabled) << description;
    }
    // Ticking stores the mode in the model only.
    const int32_t held = g_Zo->ModeALF->IsALFOn();
    Show(frmSettingMain::Mode, 0);
    In<QCheckBox>("chkModeALF")->click();
    EXPECT_EQ((std::tuple{g_Zo->ModeALF->IsALFOn(), WritesSinceMark().size()}), (std::tuple{held == 1 ? 0 : 1, 0u}));
}

TEST_F(SettingsPages, OnlyANewLayoutIsCentredAndAFrameSwitchedOffStaysOff)
{
    g_GUIControl[gcDIAFrame] = false;
    Open();
    QWidget* layout = Show(frmSettingMain::Others, 0)->Page(0);
    Choose(layout, "cboSelectLayout", 0); // the layout in use
    EXPECT_FALSE(In<QGroupBox>("fraOthersLayoutGroup")->isVisibleTo(layout));
    Press("btnOk");
    EXPECT_EQ((std::tuple{pad->Layout().CentreFlag(), g_LayoutPending}), (std::tuple{false, true}));

    Click("picSetting");
    Choose(layout, "cboSelectLayout", 5); // GroupWide
    EXPECT_EQ((std::tuple{In<QGroupBox>("fraOthersLayoutGroup")->isVisibleTo(layout),
                          In<QCheckBox>("chkGroup0")->isChecked(), In<QCheckBox>("chkGroup1")->isChecked()}),
              (std::tuple{true, false, true}));
    Press("btnOk");
    EXPECT_EQ((std::tuple{pad->Layout().CentreFlag(), g_LayoutType, g_GUIControl[gcDIAFrame], ControlVisible[64]}),
              (std::tuple{true, 6, false, false}));
}

TEST_F(SettingsPages, UntickingObjectivesHidesThemOnThePad)
{
    Open();
    QWidget* first = Show(frmSettingMain::Others, 1)->Page(1)->findChild<QWidget*>("Page1");
    first->findChild<QCheckBox*>("chkAccessory0")->click();
    EXPECT_TRUE(g_LayoutPending);
    Press("btnOk");
    pad->Form_Activate();
    EXPECT_EQ((std::tuple{g_GUIControl[gcOBJ], Find("cboOBJ")->isVisible(), Find("picOBJ")->isVisible()}),
              (std::tuple{false, false, false}));
}

TEST_F(SettingsPages, TheLanguageListOffersInstalledLanguagesAndSwitchesAtOnce)
{
    g_LanguageTable[0] = {"ZoLanguage_EN.INI", "1033"};
    g_LanguageFlag = 1;
    Open();
    QWidget* layout = Show(frmSettingMain::Others, 0)->Page(0);
    auto* list = In<QComboBox>("cboSelect");
    // The second row of the language list names no installed file.
    EXPECT_EQ((std::tuple{list->count(), list->currentText().toStdString()}),
              (std::tuple{1, g_LangLanguageCtl.CboLanguage.Cell(0, 0)}));

    g_LanguageTable[1] = {"ZoLanguage_DE.INI", "1031"};
    dialog->Group(frmSettingMain::Others)->sub_RefreshLanguage();
    Choose(layout, "cboSelect", 1);
    const std::string english = g_LangFrmSetting.OptMenu[0];
    Press("btnApply");
    EXPECT_EQ((std::tuple{g_LanguageFlag, g_LangFrmSetting.OptMenu[0] != english, ui.LanguageRefreshes()}),
              (std::tuple{2, true, 1}));
}

TEST_F(SettingsPages, TheVersionPageNamesTheControllerBoxBySystemType)
{
    using Row = std::tuple<std::string, bool, bool>; // label 4, enabled, second CPU shown
    for (const auto& [type, expected] : {std::pair{3, Row{"Kestro-A CPU(SH7145)", true, true}},
                                         std::pair{5, Row{g_LangOthersVersionCtl.LblDevice[4], false, false}},
                                         std::pair{2, Row{"Kestro-B", true, false}}}) {
        Reopen("[Instrument]\nSystemType = " + std::to_string(type) + "\n");
        QWidget* page = Show(frmSettingMain::Others, 2)->Page(2);
        auto* controller = In<QLabel>("lblDevice4");
        EXPECT_EQ(Row(controller->text().toStdString(), controller->isEnabled(),
                      In<QLabel>("lblKestro")->isVisibleTo(page)),
                  expected)
            << type;
    }
    EXPECT_EQ(In<QLabel>("lblVersion0")->text().toStdString(), g_LangOthersVersionCtl.LblVersion + ZO_VERSION_TEXT);
}

TEST_F(SettingsPages, KeyboardRowsStoreTheirCodesAndTheModeRowsCarryTheModeNames)
{
    Open();
    QWidget* keys = Show(frmSettingMain::Key, 1)->Page(1);
    ChooseText(keys, "cboDevice0", "Stage XY");
    ChooseText(keys, "cboFunction0", "X -");
    // The last row of the table has no code.
    ChooseText(keys, "cboDevice9", g_KeyShortcutList.Cell(94, 1));
    EXPECT_EQ(std::tuple(g_Zo->ShortcutKey->Key(0), g_Zo->ShortcutKey->Key(9)), std::tuple(907, -1));
    g_Zo->ObservationMode->SetName(2, "Phase");
    Press("btnApply");
    EXPECT_EQ(std::tuple(g_ShortcutKey[0], g_ShortcutKey[9], g_ShortcutKey[1]), std::tuple(907, -1, 0));

    ChooseText(keys, "cboDevice1", "Observation Mode");
    EXPECT_EQ(keys->findChild<QComboBox*>("cboFunction1")->itemText(2).toStdString(), "3 : Phase");
}

TEST_F(SettingsPages, ErgoChoicesGoToTheModel)
{
    Open();
    QWidget* ergo = Show(frmSettingMain::Key, 0)->Page(0);
    ChooseText(ergo, "cboDevice0", "Shutter");
    Choose(ergo, "cboErgoAB1", 2);
    const clsErgoKey& keys = *g_Zo->ErgoKey;
    EXPECT_EQ(std::tuple(keys.Key(0), keys.KeyAB(1, clsErgoKey::RowA), keys.KeyAB(1, clsErgoKey::RowB)),
              std::tuple(70, 31, 32));
    In<QCheckBox>("chkDeviceCbo")->click();
    EXPECT_EQ((std::tuple{keys.IsSwitchEnable(), In<QComboBox>("cboErgoAB1")->isEnabled(), WritesSinceMark().size()}),
              (std::tuple{false, false, 0u}));
}

TEST_F(SettingsPages, TheZoomWindowFitsThePictureIntoItsAreaCentred)
{
    frmZoomImage zoom;
    QPixmap wide(200, 100);
    wide.fill(Qt::red);
    zoom.SetPicture(wide);
    zoom.show();
    zoom.resize(407, 320);
    // The area leaves 7 pixels on the right and 20 below; the picture keeps
    // its 2:1 and sits in the middle of the area's height.
    EXPECT_EQ((std::tuple{zoom.picZoomImage->geometry(), zoom.imgTarget->geometry()}),
              (std::tuple{QRect(0, 0, 400, 300), QRect(0, 50, 400, 200)}));
}

} // namespace
} // namespace zotest
