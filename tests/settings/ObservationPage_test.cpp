// The Observation page: mode slots, their names and the device items a mode holds.

#include "SettingsFixture.h"

#include "model/clsObservationMode.h"
#include "settings/KeyShortcutKeyCtl.h"
#include "settings/ObservationModeCtl.h"
#include "settings/SettingCheckBox.h"

#include <QRadioButton>

namespace zotest {
namespace {

constexpr int kObjective = 0, kFilterBlock1 = 3, kAnalyzer = 5, kShutter1 = 13;

class ObservationPage : public SettingsTest {
protected:
    void OpenPage(const std::string& description = "")
    {
        Reopen(description);
        Show(frmSettingMain::Observation);
    }
    SettingCheckBox* Item(int j) const { return In<SettingCheckBox>(QString("chkMode%1").arg(j).toUtf8()); }
    QRadioButton* SlotButton(int s) const { return In<QRadioButton>(QString("optUser%1").arg(s).toUtf8()); }
    void Name(const char* text) const
    {
        In<QLineEdit>("txtName")->setText(text);
        QTest::keyClick(In("txtName"), Qt::Key_Return);
    }
    const clsObservationMode& Modes() const { return *g_Zo->ObservationMode; }
};

TEST_F(ObservationPage, ItemsOfDevicesTheMicroscopeLacksAreHidden)
{
    // The shutter items belong to the controllers with the piezo connection.
    for (const auto& [description, hidden] : std::vector<std::pair<std::string, std::vector<int>>>{
             {"", {}}, {"[Instrument]\nSystemType = 4\n[Mounted]\nAnalyzer = 0\n", {kAnalyzer, kShutter1, kShutter1 + 1}}}) {
        OpenPage(description);
        std::vector<int> hiddenItems;
        for (int j = 0; j < ObservationModeCtl::ItemCount; ++j)
            if (Item(j)->isHidden())
                hiddenItems.push_back(j);
        EXPECT_EQ(hiddenItems, hidden) << description;
    }
}

TEST_F(ObservationPage, TheFirstFilterBlockAndTheAnalyzerNeverMakeOneMode)
{
    OpenPage();
    SlotButton(3)->click();
    for (const auto& [first, second] : {std::pair(kFilterBlock1, kAnalyzer), std::pair(kAnalyzer, kFilterBlock1)}) {
        Item(first)->click();
        Item(second)->click();
        EXPECT_EQ(std::tuple(Item(first)->Value(), Item(second)->Value(), Modes().Mode(3, second)),
                  std::tuple(true, false, 0));
        Item(first)->click();
    }
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>(2, func_GetMessage(84)));
}

TEST_F(ObservationPage, ANameIsCheckedAndAnotherSlotsNameOnlyTakenWhenConfirmed)
{
    OpenPage();
    SlotButton(3)->click();
    Name("a_b");
    ui.QueueAnswer(UiServices::ID_NO);
    Name("PH");
    EXPECT_EQ(ui.BoxTexts(), (std::vector<std::string>{func_GetMessage(66), func_GetMessage(107)}));
    EXPECT_EQ(std::tuple(In<QLineEdit>("txtName")->text().toStdString(), Modes().Name(3)), std::tuple("", ""));
    // A refused name keeps its slot; Enter never reaches the dialog's OK.
    Name("a_b");
    SlotButton(1)->click();
    EXPECT_EQ(std::tuple(SlotButton(3)->isChecked(), dialog->isVisible()), std::tuple(true, true));
    Name("PH");
    EXPECT_EQ(std::tuple(Modes().Name(3), SlotButton(3)->text().toStdString()), std::tuple("PH", "PH"));
}

TEST_F(ObservationPage, AClearedNameKeepsTheFlagsAndShowsTheSlotUnnamed)
{
    OpenPage();
    const auto flags = [this] {
        std::vector<int16_t> values;
        for (int j = 0; j < ObservationModeCtl::ItemCount; ++j)
            values.push_back(Modes().Mode(0, j));
        return values;
    };
    const std::vector<int16_t> before = flags();
    Name(" ");
    EXPECT_EQ(std::tuple(SlotButton(0)->text().toStdString(), Modes().Name(0), flags()),
              std::tuple(g_LangObservationModeCtl.LblUndefined, "", before));
}

TEST_F(ObservationPage, ANamedModeHoldsWhatTheDevicesDidAndThePadOffersItAfterApply)
{
    OpenPage();
    scope().Nosepiece().SetPosition(2);
    scope().EpiShutter().Open();
    sim->Settle();
    SlotButton(3)->click();
    Item(kObjective)->click();
    Item(kShutter1)->click(); // connector 1: the epi shutter
    // Naming records the state the devices are in then.
    scope().Nosepiece().SetPosition(3);
    sim->Settle();
    Name("NP3");
    Press("btnApply");
    EXPECT_EQ((std::tuple{ui.BoxTexts(), Entries("cboCHGMode").back()}),
              (std::tuple{std::vector{func_GetMessage(63)}, "4:NP3"}));
    const auto* keys = static_cast<KeyShortcutKeyCtl*>(In("KeyShortcutKeyCtl1"));
    EXPECT_EQ(keys->Table().Cell(89, 2), "4 : NP3");
    // Nosepiece position and epi shutter held; the condenser left out.
    EXPECT_EQ(std::tuple(Modes().Value(3, 0), Modes().Value(3, 9), Modes().Value(3, 5)),
              std::tuple(3, 1, clsObservationMode::NotSet));
}

} // namespace
} // namespace zotest
