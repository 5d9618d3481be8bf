#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>

#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"

// Every control in its states at the pad's cell sizes. The pictures must tell
// the states apart; with ZO_WIDGETS_SHOT set to a file name the whole sheet is
// saved there (run once plain and once with QT_SCALE_FACTOR=2 for the
// documentation).
namespace {

QIcon lampIcon()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x30, 0x36, 0x3e), 5));
    painter.setBrush(QColor(0xff, 0xc8, 0x3c));
    painter.drawEllipse(QRectF(14, 6, 36, 36));
    painter.drawRect(QRectF(24, 44, 16, 12));
    return QIcon(picture);
}

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet = std::make_unique<QWidget>();
        sheet->setObjectName("frmGallery");
        grid = new QGridLayout(sheet.get());
        grid->setHorizontalSpacing(14);
        grid->setVerticalSpacing(10);
        grid->setContentsMargins(12, 12, 12, 12);
    }

    template <class Kind>
    Kind* place(int row, const char* name, QSize size)
    {
        auto* widget = new Kind(sheet.get());
        widget->setObjectName(name);
        widget->setFixedSize(size);
        row_(row)->addWidget(widget, 0, Qt::AlignVCenter);
        return widget;
    }

    // A spin control at its pad cell size, a second one (to be pressed), a
    // wide one that shows the readout, and a disabled one.
    template <class Kind>
    std::array<Kind*, 3> placeSpins(int row, const char* name, QSize cell, QSize wide)
    {
        std::array<Kind*, 3> shown{place<Kind>(row, name, cell), place<Kind>(row, name, cell),
                                   place<Kind>(row, name, wide)};
        place<Kind>(row, name, cell)->setEnabled(false);
        return shown;
    }

    void heading(int row, const char* kind, const char* states)
    {
        auto* label = new QLabel(QString("<b>%1</b><br><span style='color:#5b636e'>%2</span>").arg(kind, states),
                                 sheet.get());
        QFont small = label->font();
        small.setPointSizeF(7.5);
        label->setFont(small);
        label->setFixedWidth(250);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
    }

    QHBoxLayout* row_(int row)
    {
        while (static_cast<int>(rows.size()) <= row) {
            rows.push_back(new QHBoxLayout);
            rows.back()->setSpacing(8);
            grid->addLayout(rows.back(), static_cast<int>(rows.size()) - 1, 1);
        }
        return rows[row];
    }

    static QImage picture(QWidget* widget) { return widget->grab().toImage(); }

    std::unique_ptr<QWidget> sheet;
    QGridLayout* grid = nullptr;
    std::vector<QHBoxLayout*> rows;
};

TEST_F(GalleryTest, StatesLookDifferentAndTheSheetRenders)
{
    const QSize button(40, 34);
    const auto captioned = [this](auto* widget, const char* text) {
        widget->setText(text);
        return widget;
    };
    heading(0, "usrMPButton", "two states: on, off; disabled on, off; with icon on, off");
    std::vector<usrMPButton*> twoState;
    for (int column = 1; column <= 6; ++column) {
        auto* b = captioned(place<usrMPButton>(0, "chkEpi", button), column > 4 ? "" : "EPI");
        b->setState(column % 2 == 1 ? 1 : 2);
        b->setEnabled(column < 3 || column > 4);
        if (column > 4)
            b->setIcon(lampIcon());
        twoState.push_back(b);
    }
    heading(1, "usrMPButton", "three states: 1, 2, 3");
    std::vector<usrMPButton*> threeState;
    for (int column = 1; column <= 3; ++column) {
        threeState.push_back(captioned(place<usrMPButton>(1, "picStageZ", button), "Z"));
        threeState.back()->setStateCount(3);
        threeState.back()->setState(column);
    }
    heading(2, "usrPButton", "caption, pressed, disabled, icon, icon and caption");
    auto* normal = captioned(place<usrPButton>(2, "picOBJ", button), "OBJ");
    auto* pressed = captioned(place<usrPButton>(2, "picOBJ", button), "OBJ");
    pressed->setDown(true);
    captioned(place<usrPButton>(2, "picOBJ", button), "OBJ")->setEnabled(false);
    place<usrPButton>(2, "picCNTLDia", button)->setIcon(lampIcon());
    captioned(place<usrPButton>(2, "picCNTLDia", QSize(56, 44)), "DIA")->setIcon(lampIcon());

    heading(3, "usrComboBox", "selected, none, disabled");
    for (int column = 1; column <= 3; ++column) {
        auto* list = place<usrComboBox>(3, "cboFL1", QSize(113, 22));
        list->addItems({"1: GFP-B", "2: TRITC", "3: DAPI"});
        list->setSelectedIndex(column == 2 ? -1 : 1);
        list->setEnabled(column != 3);
    }
    heading(4, "usrXscrollZo", "minimum, middle, maximum, disabled");
    std::vector<usrXscrollZo*> bars;
    for (int column = 1; column <= 4; ++column) {
        bars.push_back(place<usrXscrollZo>(4, "sbDIALamp", QSize(96, 17)));
        bars.back()->setMaximum(12);
        bars.back()->setSmallStep(0.1);
        bars.back()->setValue(column == 1 ? 0 : column == 3 ? 12 : 6.3);
        bars.back()->setEnabled(column != 4);
    }
    heading(5, "usrXYspin", "pad cell, right part pressed, with readout, disabled");
    const auto [xy, xyPressed, xyWide] = placeSpins<usrXYspin>(5, "spnStageXY", {30, 30}, {130, 34});
    for (usrXYspin* spin : {xy, xyPressed, xyWide}) {
        spin->setXCaption("X:");
        spin->setYCaption("Y:");
        spin->setXPosition(-1520.25);
        spin->setYPosition(830.5);
    }
    heading(6, "usrZspin", "pad cell, up part pressed, with readout, disabled");
    const auto [z, zPressed, zWide] = placeSpins<usrZspin>(6, "spnStageZ", {20, 33}, {110, 33});
    for (usrZspin* spin : {z, zPressed, zWide}) {
        spin->setCaption("Z:");
        spin->setPosition(4211.37);
    }
    heading(7, "In a pad row", "the cell widths of the first layout: 40, 113, 40, 30, 40, 173 px");
    captioned(place<usrPButton>(7, "picFL1", button), "FL1");
    place<usrComboBox>(7, "cboFL1", QSize(113, 22))->addItem("1: GFP-B");
    captioned(place<usrMPButton>(7, "chkAnlyz", button), "ANL");
    place<usrXYspin>(7, "spnStageXY", QSize(30, 30));
    auto* picStageXY = captioned(place<usrMPButton>(7, "picStageXY", button), "XY");
    picStageXY->setStateCount(3);
    picStageXY->setState(2);
    place<usrComboBox>(7, "cboXY", QSize(173, 22))->addItem("1:X:-1520.25Y:830.5");
    row_(7)->setSpacing(3);

    for (QHBoxLayout* row : rows)
        row->addStretch(1);
    sheet->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();

    // A part pressed from code lights up for a moment.
    const QImage zIdle = picture(z);
    zPressed->pressUp();
    xyPressed->pressXUp();
    EXPECT_NE(picture(zPressed), zIdle);

    EXPECT_NE(picture(twoState[0]), picture(twoState[1])) << "on and off look alike";
    EXPECT_NE(picture(twoState[2]), picture(twoState[3])) << "disabled on and off look alike";
    EXPECT_NE(picture(twoState[0]), picture(twoState[2])) << "disabled looks enabled";
    EXPECT_NE(picture(twoState[4]), picture(twoState[5])) << "icon buttons: on and off look alike";
    for (const auto& [a, b] : {std::pair<QWidget*, QWidget*>{threeState[0], threeState[1]}, {threeState[1], threeState[2]},
                               {threeState[0], threeState[2]}, {normal, pressed}, {bars[0], bars[1]}, {bars[1], bars[2]}})
        EXPECT_NE(picture(a), picture(b)) << a->objectName().toStdString();

    // Clicking an "off" button makes it look like the "on" one next to it.
    QTest::mouseClick(twoState[1], Qt::LeftButton, {}, twoState[1]->rect().center());
    QTest::mouseMove(sheet.get(), QPoint(1, 1));
    twoState[0]->setAttribute(Qt::WA_UnderMouse, false);
    twoState[1]->setAttribute(Qt::WA_UnderMouse, false);
    EXPECT_EQ(picture(twoState[0]), picture(twoState[1]));
    QTest::mouseClick(twoState[1], Qt::LeftButton, {}, twoState[1]->rect().center());
    twoState[1]->setAttribute(Qt::WA_UnderMouse, false);

    if (const char* file = std::getenv("ZO_WIDGETS_SHOT")) {
        QTest::qWait(20);
        zPressed->pressUp();
        xyPressed->pressXUp();
        EXPECT_TRUE(sheet->grab().save(QString::fromLocal8Bit(file)));
    }
}

} // namespace
