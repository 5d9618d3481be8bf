#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "widgets/ApplyFont.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"

namespace {

// A window with one control of every kind the rule names, and a few it does
// not, some of them inside a frame.
class ApplyFontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->setObjectName("frmTest");
        QFont design("DejaVu Sans");
        design.setPointSize(8);
        window->setFont(design);
        auto* frame = new QGroupBox("frame", window.get());
        frame->setObjectName("fraDIA");
        add<QLabel>(frame, "lblTittle");
        add<QCheckBox>(frame, "chkAllLink");
        add<QPushButton>(frame, "btnPlain");
        add<usrMPButton>(frame, "chkDIALamp");
        add<QLineEdit>(window.get(), "txtX");
        add<QRadioButton>(window.get(), "optSelect");
        add<QListWidget>(window.get(), "lstItems");
        add<QTreeWidget>(window.get(), "lvItems");
        add<usrPButton>(window.get(), "picExit");
        add<usrXscrollZo>(window.get(), "sbDIALamp");
        add<usrComboBox>(window.get(), "cboOBJ");
        add<QComboBox>(window.get(), "cboPlain");
        add<QStatusBar>(window.get(), "StatusBar1");
        add<usrXYspin>(window.get(), "spnStageXY");
        add<QSpinBox>(window.get(), "spnPlain");
    }

    template <class Kind>
    void add(QWidget* parent, const char* name)
    {
        auto* widget = new Kind(parent);
        widget->setObjectName(name);
    }

    std::tuple<std::string, bool, bool, int> Described(const char* name) const
    {
        const auto* widget = window->findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        const QFont font = widget ? widget->font() : QFont();
        return {font.family().toStdString(), font.bold(), font.italic(), font.pointSize()};
    }

    std::unique_ptr<QWidget> window;
};

const char* const Listed[] = {"fraDIA", "lblTittle", "chkDIALamp", "txtX", "optSelect", "lstItems", "lvItems",
                              "picExit", "sbDIALamp", "cboOBJ", "cboPlain", "StatusBar1"};
const char* const Unlisted[] = {"chkAllLink", "btnPlain", "spnStageXY", "spnPlain"};

TEST_F(ApplyFontTest, ListedKindsTakeTheFontOthersKeepTheirs)
{
    sub_ApplyFont(window.get(), FontInfo{"DejaVu Serif", true, true, 12, 128});
    for (const char* name : Listed)
        EXPECT_EQ(Described(name), std::tuple("DejaVu Serif", true, true, 12)) << name;
    // Also the check box and the plain button inside the changed frame.
    for (const char* name : Unlisted)
        EXPECT_EQ(Described(name), std::tuple("DejaVu Sans", false, false, 8)) << name;
    EXPECT_EQ(window->font().family(), "DejaVu Sans");
}

TEST_F(ApplyFontTest, EmptyNameKeepsTheDesignFonts)
{
    std::map<QString, QFont> before;
    for (QWidget* widget : window->findChildren<QWidget*>())
        before[widget->objectName()] = widget->font();
    sub_ApplyFont(window.get(), FontInfo{"", true, true, 20, 0});
    for (QWidget* widget : window->findChildren<QWidget*>())
        EXPECT_EQ(widget->font(), before[widget->objectName()]) << widget->objectName().toStdString();
}

TEST_F(ApplyFontTest, SizeZeroKeepsTheSizeButAppliesTheRest)
{
    sub_ApplyFont(window.get(), FontInfo{"DejaVu Sans Mono", false, true, 0, 0});
    EXPECT_EQ(Described("lblTittle"), std::tuple("DejaVu Sans Mono", false, true, 8));
    // Bold off is applied too, over a control designed bold.
    auto* button = window->findChild<usrPButton*>("picExit");
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    sub_ApplyFont(window.get(), FontInfo{"DejaVu Sans", false, false, 9, 0});
    EXPECT_EQ(Described("picExit"), std::tuple("DejaVu Sans", false, false, 9));
}

} // namespace
