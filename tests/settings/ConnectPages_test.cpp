// The Connect pages of the settings dialog: which entries a microscope
// offers, the shutter and camera connectors, the turret order.

#include "SettingsFixture.h"

#include "core/mdlCommon.h"
#include "model/clsConnectFilter.h"
#include "model/clsConnectKMX.h"
#include "model/clsConnectPiezoStage.h"
#include "model/clsConnectShutter.h"

#include <QCheckBox>
#include <QComboBox>

namespace zotest {
namespace {

// A controller with shutter and camera connectors (no piezo connection).
constexpr const char* kConnectors = "[Instrument]\nSystemType = 4\n";

class ConnectPages : public SettingsTest {
protected:
    // Sub-page `sub` of the Connect group, shown.
    QWidget* ShowPage(int sub) const { return Show(frmSettingMain::Connect, sub)->Page(sub); }
};

TEST_F(ConnectPages, EntriesFollowTheSystemTypeAndTheMountedTurrets)
{
    // Shutter, camera, FL turret, piezo stage, microscope.
    for (const auto& [description, enabled] : std::vector<std::pair<std::string, std::vector<bool>>>{
             {"", {false, false, true, true, true}},
             {std::string(kConnectors) + "[Mounted]\nFilterTurret2 = 0\n", {true, true, false, false, true}}}) {
        pad.reset();
        Open(description);
        SettingPageGroup* group = Show(frmSettingMain::Connect);
        for (std::size_t entry = 0; entry < enabled.size(); ++entry)
            EXPECT_EQ(group->findChild<QWidget*>(QString("optMenu%1").arg(entry))->isEnabled(), enabled[entry])
                << description << " entry " << entry;
    }
    // The piezo page's box is the piezo stage's connection.
    pad.reset();
    Open();
    const int32_t connected = g_Zo->ConnectPiezoStage->Connected();
    ShowPage(3)->findChild<QCheckBox*>("chkMode")->click();
    EXPECT_EQ(g_Zo->ConnectPiezoStage->Connected(), connected == 1 ? 0 : 1);
}

TEST_F(ConnectPages, ShuttersNeverShareAUseAndARefusedListKeepsTheFocus)
{
    Open(kConnectors);
    QWidget* page = ShowPage(0);
    dialog->activateWindow();
    QApplication::processEvents();
    const clsConnectShutter& shutters = *g_Zo->ConnectShutter;
    ASSERT_EQ(std::pair(shutters.Use(0), shutters.Use(1)), std::pair(1, 3)); // epi, AUX
    Choose(page, "cboType0", clsConnectShutter::UseDIA);
    Choose(page, "cboType1", clsConnectShutter::UseDIA);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(67)});
    EXPECT_EQ(shutters.Use(1), clsConnectShutter::UseAUX);

    // Leaving the second list is refused again, and the focus comes back.
    auto* second = page->findChild<QComboBox*>("cboType1");
    second->setFocus();
    page->findChild<QWidget*>("cboBrand0")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(ui.BoxTexts().size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), second);

    // Another use, and no use on both, are taken.
    Choose(page, "cboType1", clsConnectShutter::UseEpi);
    Choose(page, "cboType0", clsConnectShutter::UseNone);
    Choose(page, "cboType1", clsConnectShutter::UseNone);
    Choose(page, "cboBrand1", 1);
    EXPECT_EQ(ui.BoxTexts().size(), 2u);
    EXPECT_EQ(std::tuple(shutters.Use(0), shutters.Use(1), shutters.Maker(1)), std::tuple(0, 0, 1));
}

TEST_F(ConnectPages, ACameraMakeStartsTheTypeAgainAndATypeCountsOnlyWithAMake)
{
    Open(kConnectors);
    QWidget* page = ShowPage(1);
    const clsConnectKMX& cameras = *g_Zo->ConnectKMX;
    auto* type = page->findChild<QComboBox*>("cboType1");
    Choose(page, "cboBrand1", 0);
    EXPECT_FALSE(type->isEnabled());
    Choose(page, "cboBrand1", 2);
    EXPECT_EQ(std::tuple(type->isEnabled(), type->currentIndex(), cameras.Maker(1), cameras.Use(1)),
              std::tuple(true, 0, 2, 0));
    Choose(page, "cboType1", 3);
    EXPECT_EQ(cameras.Use(1), 3);
    // A new make drops the type chosen for the old one.
    Choose(page, "cboBrand1", 1);
    EXPECT_EQ(std::tuple(type->currentIndex(), cameras.Maker(1), cameras.Use(1)), std::tuple(0, 1, 0));
}

TEST_F(ConnectPages, ExchangingTheTurretsTwiceRestoresTheFramesAndTheOrder)
{
    Open();
    QWidget* page = ShowPage(2);
    const auto places = [page] {
        QApplication::processEvents();
        return std::pair(page->findChild<QWidget*>("Frame1")->pos(), page->findChild<QWidget*>("Frame2")->pos());
    };
    const auto before = places();
    const bool order = g_Zo->ConnectFilter->FilterPosition();
    for (bool exchanged : {true, false}) {
        page->findChild<QAbstractButton*>("chkFlChange")->click();
        EXPECT_EQ(places(), exchanged ? std::pair(before.second, before.first) : before);
        EXPECT_EQ(g_Zo->ConnectFilter->FilterPosition(), exchanged ? !order : order);
    }
    EXPECT_TRUE(WritesSinceMark().empty());
}

} // namespace
} // namespace zotest
