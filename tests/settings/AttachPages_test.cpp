// The Attach group: page switching, mounting on a position, database entries.

#include "SettingsFixture.h"

#include "model/clsDBBAFilter.h"
#include "model/clsDBObjective.h"
#include "model/clsDbCondenser.h"
#include "model/clsDbEXFilter.h"
#include "model/clsDbFilter.h"
#include "model/clsFilter1.h"
#include "model/clsFilter2.h"
#include "model/clsObjective.h"
#include "settings/AttachMainCtl.h"
#include "pad/PadListTexts.h"
#include "settings/AttachObjectiveCtl.h"
#include "settings/frmZoomImage.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

namespace zotest {
namespace {

class AttachPages : public SettingsTest {
protected:
    // Opens the dialog on Attach page `page`, as the window with the keyboard
    // focus when `active`.
    void OpenOn(int page, const std::string& description = "", bool active = false)
    {
        Open(description);
        if (active) {
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        }
        Show(frmSettingMain::Attach, page);
    }
    AttachMainCtl* Attach() const { return static_cast<AttachMainCtl*>(dialog->Group(frmSettingMain::Attach)); }
    QWidget* Page(int page) const { return Attach()->PageWidget(page); }
    template <class Kind = QWidget>
    Kind* On(int page, const char* name) const { return Child<Kind>(Page(page), name); }
    void ExpectShown(int page) const
    {
        EXPECT_EQ(Attach()->CurrentPage(), page);
        EXPECT_TRUE(Page(page)->isVisible()) << page;
    }
    void Menu(int n) const { Attach()->findChild<QAbstractButton*>(QString("optMenu%1").arg(n))->click(); }
    void View(const char* entry, int n) const
    {
        In(entry)->findChild<QAbstractButton*>(QString("optView%1").arg(n))->click();
    }
    void TypeAndLeave(QLineEdit* field, const QString& text) const
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
};

TEST_F(AttachPages, MenuAndViewButtonsFollowTheDatabaseViewAndTheMountedTurrets)
{
    OpenOn(AttachMainCtl::Condenser, "[Mounted]\nFilterTurret2 = 0\n");
    ExpectShown(AttachMainCtl::Condenser);
    // Left by the view button, the database page comes back by the menu ...
    View("AttachCondenser", 1);
    ExpectShown(AttachMainCtl::DBCondenser);
    Menu(0);
    ExpectShown(AttachMainCtl::Objective);
    Menu(1);
    ExpectShown(AttachMainCtl::DBCondenser);
    // ... and survives closing the dialog ...
    dialog->hide();
    dialog->show();
    ExpectShown(AttachMainCtl::DBCondenser);
    EXPECT_EQ(g_DefaultGUIPage[frmSettingMain::Attach], AttachMainCtl::DBCondenser);
    // ... until the attach view is chosen.
    View("AttachCondenser", 0);
    Menu(0);
    Menu(1);
    ExpectShown(AttachMainCtl::Condenser);

    // With one filter turret the second turret's view is the first's.
    Attach()->optMenu_MouseDown(AttachMainCtl::Filter2);
    ExpectShown(AttachMainCtl::Filter1);
}

TEST_F(AttachPages, DatabaseFieldsRefuseWhatTheDatabaseCannotHoldWithMessage66)
{
    OpenOn(AttachMainCtl::DBObjective, "", true);
    clsDBObjective& database = *g_Zo->DBObjective;
    struct Case {
        const char* field;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"txtName0", " Lead", false}, {"txtName0", "A_B", false},   {"txtName0", "AB 12 C", true},
        {"txtNA0", "10", false},      {"txtNA0", "9.99", true},     {"txtNA0", "-0", false},
        {"txtWD0", "40.5", false},    {"txtWD0", "40", true},       {"txtMinNA0", "-1", false},
        {"txtMinNA0", ".5", true},    {"txtMinNA0", "1e1", false},  {"txtWD0", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " \"" + c.text + "\"");
        ui.ClearRecord();
        auto* field = On<QLineEdit>(AttachMainCtl::DBObjective, c.field);
        const QString before = field->text();
        TypeAndLeave(field, c.text);
        EXPECT_EQ(ui.BoxTexts(), c.accepted ? std::vector<std::string>{} : std::vector<std::string>{func_GetMessage(66)});
        EXPECT_EQ(field->hasFocus(), !c.accepted);
        // A refused field lets nobody go; the operator puts the old value back.
        if (!c.accepted)
            field->setText(before);
    }
    EXPECT_EQ((std::tuple{database.Name(300), database.NA(0), database.MinNA(0), database.WDSeriesCode(0)}),
              (std::tuple{"AB 12 C", 9.99, 0.5, 0}));
}

TEST_F(AttachPages, NamesKeepTheirDatabasesFormAndBlockPartsBecomeTheBlocksComposition)
{
    OpenOn(AttachMainCtl::DBFilter, "", true);
    TypeAndLeave(On<QLineEdit>(AttachMainCtl::DBFilter, "txtFilter2"), "Mine");
    TypeAndLeave(On<QLineEdit>(AttachMainCtl::DBFilter, "txtEX2"), "EX 470");
    TypeAndLeave(On<QLineEdit>(AttachMainCtl::DBFilter, "txtBA2"), "BA 525");
    // A field edited but never left is stored with the page.
    auto* mirror = On<QLineEdit>(AttachMainCtl::DBFilter, "txtDM2");
    mirror->setText("DM 1");
    mirror->setModified(true);
    Press("btnApply");
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(63)});
    const clsDbFilter& blocks = *g_Zo->DbFilter;
    EXPECT_EQ((std::tuple{blocks.Name(302), g_Zo->DbEXFilter->Name(312), blocks.DMName(312), g_Zo->DBBAFilter->Name(312),
                          blocks.CustomEX(302), blocks.CustomDM(302), blocks.CustomBA(302)}),
              (std::tuple{"Mine", "EX 470", "DM 1", "BA 525", 312, 312, 312}));

    Show(frmSettingMain::Attach, AttachMainCtl::DBEXFilter);
    auto* ex = On<QLineEdit>(AttachMainCtl::DBEXFilter, "txtName1");
    TypeAndLeave(ex, "488/10");
    EXPECT_EQ(g_Zo->DbEXFilter->Name(301), "EX488/10");
    // Seven characters and the prefix fill the nine a name may have; the cut
    // counts characters, not the bytes of their encoding.
    ex->setFocus();
    QTest::keyClicks(ex, QString::fromUtf8("\xC3\x84\xC3\x84\xC3\x84"));
    EXPECT_EQ(ex->text(), QString::fromUtf8("488/10\xC3\x84"));
    // Return checks the field before it means OK: refused, then a name of
    // hyphens, which frees the entry.
    ui.ClearRecord();
    QTest::keyClick(ex, Qt::Key_Return);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(66)});
    ex->setText("------");
    QTest::keyClick(ex, Qt::Key_Return);
    EXPECT_EQ((std::tuple{ui.BoxTexts(), g_Zo->DbEXFilter->Name(301), dialog->isVisible()}),
              (std::tuple{std::vector{func_GetMessage(66), func_GetMessage(63)}, "", false}));
}

TEST_F(AttachPages, TheFirstFilterPageMountsOnTheTurretOfTheFirstFilterRow)
{
    // Turret 1 sits on the first level, so the first row is turret 2.
    OpenOn(AttachMainCtl::Filter1, "[FilterTurret1]\nLevel = 1\n[FilterTurret2]\nLevel = 2\nCodes = 3,4,9,10,20,0\n");
    auto* list = On<QListWidget>(AttachMainCtl::Filter1, "lstModel");
    static_cast<AttachPortCtl*>(Page(AttachMainCtl::Filter1))->optPort_Click(0);
    EXPECT_EQ((std::tuple{list->currentItem()->text(), list->item(0)->text()}), (std::tuple{"CFP", "----------"}));
    list->setCurrentItem(list->findItems("Quad", Qt::MatchExactly).front());
    EXPECT_EQ((std::tuple{g_Zo->Filter2->code(0), g_Zo->Filter1->code(0)}), (std::tuple{18, 1}));
}

TEST_F(AttachPages, CancelPressedOverARefusedFieldAsksQuestion69Once)
{
    OpenOn(AttachMainCtl::DBCondenser, "", true);
    auto* name = On<QLineEdit>(AttachMainCtl::DBCondenser, "txtName0");
    name->setFocus();
    QTest::keyClicks(name, "_x");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(In("btnCancel"), &enter);
    ui.QueueAnswer(UiServices::ID_NO);
    QTest::mouseClick(In("btnCancel"), Qt::LeftButton);
    EXPECT_EQ((std::tuple{ui.BoxTexts(), name->hasFocus()}), (std::tuple{std::vector{func_GetMessage(69)}, true}));
    QTest::mouseClick(In("btnCancel"), Qt::LeftButton);
    EXPECT_EQ((std::tuple{ui.BoxTexts(), dialog->isVisible(), g_Zo->DbCondenser->Name(300)}),
              (std::tuple{std::vector<std::string>(2, func_GetMessage(69)), false, ""}));
}

TEST_F(AttachPages, AnObjectiveChosenForAPositionIsSentByApplyAndUndoneByCancel)
{
    OpenOn(AttachMainCtl::Objective);
    auto* page = static_cast<AttachObjectiveCtl*>(Page(AttachMainCtl::Objective));
    auto* list = On<QTreeWidget>(AttachMainCtl::Objective, "lvItem");
    auto choose = [&](const char* name) {
        for (const char* narrowing : {"lstModel", "lstSeries", "lstMag"}) {
            auto* combo = On<QComboBox>(AttachMainCtl::Objective, narrowing);
            combo->setCurrentIndex(0);
            emit combo->activated(0);
        }
        const QList<QTreeWidgetItem*> rows = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(rows.size(), 1);
        list->setCurrentItem(rows.front());
    };
    page->optPort_Click(2);
    // Position 3 holds no escape flag: the box is grey, not empty.
    EXPECT_EQ((std::tuple{On<QCheckBox>(AttachMainCtl::Objective, "chkESC")->checkState(),
                          list->currentItem()->text(0)}),
              (std::tuple{Qt::PartiallyChecked, "ZPA 20x"}));
    choose("ZPA 40x");
    EXPECT_TRUE(On(AttachMainCtl::Objective, "fraPicture")->isVisible());
    Press("btnApply");
    ExpectWrites({"Nosepiece.Item[3].SetCode(6)", "Nosepiece.Item[3].SetEscapeEnabled(0)", "ErgoController.EnableSwitch("});
    EXPECT_EQ(Entry("cboOBJ", 2), func_ObjectiveEntry(3, 6, *g_Zo->DBObjective).Text);

    // A user objective has no picture; Cancel takes back what Apply did not send.
    g_Zo->DBObjective->SetName(300, "Mine");
    page->sub_LoadData();
    page->optPort_Click(2);
    choose("Mine");
    EXPECT_EQ((std::tuple{On(AttachMainCtl::Objective, "fraPicture")->isVisible(),
                          On(AttachMainCtl::Objective, "btnZoomImage")->isEnabled()}),
              (std::tuple{false, false}));
    MarkTrace();
    Press("btnCancel");
    EXPECT_EQ((std::tuple{g_Zo->Objective->code(2), WritesSinceMark().size()}), (std::tuple{6, 0u}));
}

TEST_F(AttachPages, TheEscapeBoxNeedsTheZDriveAndZoomEnlargesThePicture)
{
    OpenOn(AttachMainCtl::Objective);
    auto* escape = On<QCheckBox>(AttachMainCtl::Objective, "chkESC");
    escape->click();
    EXPECT_EQ(escape->checkState(), Qt::Checked);
    EXPECT_TRUE(g_Zo->Objective->Esc(static_cast<AttachPortCtl*>(Page(AttachMainCtl::Objective))->Position()));
    escape->click();
    EXPECT_EQ(escape->checkState(), Qt::PartiallyChecked);
    On<QAbstractButton>(AttachMainCtl::Objective, "btnZoomImage")->click();
    EXPECT_EQ((std::tuple{dialog->ZoomImage().isVisible(), dialog->ZoomImage().imgTarget->pixmap().isNull()}),
              (std::tuple{true, false}));
    dialog->ZoomImage().close();

    dialog->hide();
    Reopen("[Mounted]\nZDrive = 0\n");
    Menu(0);
    EXPECT_FALSE(On(AttachMainCtl::Objective, "chkESC")->isVisible());
}

} // namespace
} // namespace zotest
