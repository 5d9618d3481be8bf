// The Connect pages: the entries offered, shutter and camera connectors, turret order.

#include "SettingsFixture.h"

#include "model/clsConnectKMX.h"
#include "model/clsConnectPiezoStage.h"
#include "model/clsConnectShutter.h"

#include <QCheckBox>

namespace zotest {
namespace {

// A controller with shutter and camera connectors (no piezo connection).
constexpr const char* kConnectors = "[Instrument]\nSystemType = 4\n";

class ConnectPages : public SettingsTest {
protected:
    QWidget* ShowPage(int sub) const { return Show(frmSettingMain::Connect, sub)->Page(sub); }
};

TEST_F(ConnectPages, EntriesFollowTheSystemTypeAndTheMountedTurrets)
{
    // Shutter, camera, FL turret, piezo stage, microscope.
    for (const auto& [description, enabled] : std::vector<std::pair<std::string, std::vector<bool>>>{
             {std::string(kConnectors) + "[Mounted]\nFilterTurret2 = 0\n", {true, true, false, false, true}},
             {"", {false, false, true, true, true}}}) {
        Reopen(description);
        SettingPageGroup* group = Show(frmSettingMain::Connect);
        for (std::size_t entry = 0; entry < enabled.size(); ++entry)
            EXPECT_EQ(group->findChild<QWidget*>(QString("optMenu%1").arg(entry))->isEnabled(), enabled[entry])
                << description << " entry " << entry;
    }
    // The piezo page's box is the piezo stage's connection.
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
    Choose(page, "cboType0", clsConnectShutter::UseDIA);
    Choose(page, "cboType1", clsConnectShutter::UseDIA);
    EXPECT_EQ(std::tuple(ui.BoxTexts(), shutters.Use(1)),
              std::tuple(std::vector<std::string>{func_GetMessage(67)}, clsConnectShutter::UseAUX));

    // Leaving the second list is refused again, and the focus comes back.
    auto* second = page->findChild<QComboBox*>("cboType1");
    second->setFocus();
    page->findChild<QWidget*>("cboBrand0")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(ui.BoxTexts().size(), QApplication::focusWidget()), std::tuple(2u, second));

    // Another use, and no use on both, are taken.
    Choose(page, "cboType1", clsConnectShutter::UseEpi);
    Choose(page, "cboType0", clsConnectShutter::UseNone);
    Choose(page, "cboType1", clsConnectShutter::UseNone);
    Choose(page, "cboBrand1", 1);
    EXPECT_EQ((std::tuple{ui.BoxTexts().size(), shutters.Use(0), shutters.Use(1), shutters.Maker(1)}),
              (std::tuple{2u, 0, 0, 1}));
}

TEST_F(ConnectPages, ACameraMakeStartsTheTypeAgainAndATypeCountsOnlyWithAMake)
{
    Open(kConnectors);
    QWidget* page = ShowPage(1);
    const auto* type = page->findChild<QComboBox*>("cboType1");
    // One choice after the other: the type list (enabled, entry), the model's make and use.
    for (const auto& [list, entry, after] : std::vector<std::tuple<const char*, int, std::tuple<bool, int, int, int>>>{
             {"cboBrand1", 0, {false, 0, 0, 0}},
             {"cboBrand1", 2, {true, 0, 2, 0}},
             {"cboType1", 3, {true, 3, 2, 3}},
             {"cboBrand1", 1, {true, 0, 1, 0}}}) {
        Choose(page, list, entry);
        EXPECT_EQ(std::tuple(type->isEnabled(), type->currentIndex(), int(g_Zo->ConnectKMX->Maker(1)),
                             int(g_Zo->ConnectKMX->Use(1))),
                  after)
            << list << " " << entry;
    }
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
        EXPECT_EQ((std::tuple{places(), g_Zo->ConnectFilter->FilterPosition()}),
                  (std::tuple{exchanged ? std::pair(before.second, before.first) : before, exchanged != order}));
    }
    EXPECT_TRUE(WritesSinceMark().empty());
}

} // namespace
} // namespace zotest
