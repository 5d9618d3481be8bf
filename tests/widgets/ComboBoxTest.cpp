#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "TestPanel.h"
#include "widgets/usrComboBox.h"

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* entry : {"1: Plan 4x/ 0.13", "2: Plan 10x/ 0.30", "3: Plan 40x/ 0.95"})
            cbo->addItem(entry);
        ASSERT_TRUE(panel.show());
    }

    TestPanel panel{{200, 60}};
    usrComboBox* cbo = panel.add<usrComboBox>("cboOBJ", {10, 10, 113, 22});
};

TEST_F(ComboBoxTest, CodeSetIndexRaisesTheSelectionEventEveryTime)
{
    QSignalSpy spy(cbo, &usrComboBox::selected);
    bool updating = false;
    std::vector<bool> flagSeenByHandler;
    QObject::connect(cbo, &usrComboBox::selected, [&](int) { flagSeenByHandler.push_back(updating); });

    // The pad's pattern: flag up, select, flag down. The handler must run
    // inside the call, or the flag could not guard it.
    updating = true;
    cbo->setSelectedIndex(2);
    updating = false;
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(std::tuple(spy.at(0).at(0).toInt(), cbo->selectedIndex(), cbo->text()), std::tuple(2, 2, "3: Plan 40x/ 0.95"));

    // The same index again (a memory recalled twice from the keyboard).
    cbo->setSelectedIndex(2);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 2);
    EXPECT_EQ(flagSeenByHandler, (std::vector<bool>{true, false}));
}

TEST_F(ComboBoxTest, NoneAndOutOfRangeIndexes)
{
    QSignalSpy spy(cbo, &usrComboBox::selected);
    cbo->setSelectedIndex(1);
    cbo->setSelectedIndex(-1);
    EXPECT_EQ(std::tuple(cbo->selectedIndex(), cbo->text()), std::tuple(-1, ""));
    cbo->setSelectedIndex(3);
    cbo->setSelectedIndex(-2);
    EXPECT_EQ(std::tuple(cbo->selectedIndex(), spy.count()), std::tuple(-1, 1));
}

TEST_F(ComboBoxTest, UserSelectionThroughTheOpenList)
{
    QSignalSpy spy(cbo, &usrComboBox::selected);
    for (int pick : {1, 1}) {   // picking the selected entry again raises it again
        cbo->showPopup();
        QAbstractItemView* view = cbo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        EXPECT_GE(view->width(), view->sizeHintForColumn(0));
        const QRect row = view->visualRect(view->model()->index(pick, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QTRY_VERIFY(!view->window()->isVisible());
    }
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(std::tuple(spy.at(0).at(0).toInt(), spy.at(1).at(0).toInt(), cbo->selectedIndex()), std::tuple(1, 1, 1));
}

TEST_F(ComboBoxTest, DisplayedTextIsSeparateFromTheSelection)
{
    cbo->setSelectedIndex(0);
    QSignalSpy spy(cbo, &usrComboBox::selected);
    cbo->setText("moving ...");
    EXPECT_EQ(std::tuple(cbo->text(), cbo->selectedIndex(), cbo->count(), spy.count()), std::tuple("moving ...", 0, 3, 0));
    // A selection, also of the same entry, shows the entry again.
    cbo->setSelectedIndex(0);
    EXPECT_EQ(cbo->text(), "1: Plan 4x/ 0.13");
    cbo->setText("other");
    cbo->clear();
    EXPECT_EQ(std::tuple(cbo->text(), cbo->count(), cbo->selectedIndex(), spy.count()), std::tuple("", 0, -1, 1));
}

TEST_F(ComboBoxTest, WheelAndClicksDoNotSelectWhenTheyShouldNot)
{
    cbo->setSelectedIndex(1);
    QSignalSpy spy(cbo, &usrComboBox::selected);
    const QPointF at(cbo->rect().center());
    QWheelEvent wheel(at, cbo->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(cbo, &wheel);
    EXPECT_EQ(cbo->selectedIndex(), 1);

    cbo->setEnabled(false);
    QTest::mouseClick(cbo, Qt::LeftButton, {}, cbo->rect().center());
    EXPECT_EQ(std::tuple(cbo->view()->isVisible(), spy.count()), std::tuple(false, 0));
}

} // namespace
