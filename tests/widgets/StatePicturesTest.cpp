// Every state of a control must look different from its other states: an
// operator reads the instrument from these pictures.

#include "TestPanel.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage Picture(QWidget* widget)
{
    return widget->grab().toImage();
}

QIcon Lamp()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(QColor(0xff, 0xc8, 0x3c));
    painter.drawEllipse(QRectF(6, 4, 20, 20));
    return QIcon(picture);
}

TEST(StatePictures, EveryStateLooksDifferent)
{
    TestPanel panel({400, 100});
    std::vector<QWidget*> shown; // in pairs that must differ
    const auto button = [&](int state, bool enabled, bool icon, int states = 2) {
        auto* b = panel.add<usrMPButton>("chkEpi", {static_cast<int>(shown.size()) * 42, 0, 40, 34});
        b->setText(icon ? "" : "EPI");
        b->setStateCount(states);
        b->setState(state);
        b->setEnabled(enabled);
        if (icon)
            b->setIcon(Lamp());
        shown.push_back(b);
    };
    button(1, true, false), button(2, true, false);   // on, off
    button(1, false, false), button(2, false, false); // disabled on, off
    button(1, true, false), button(1, false, false);  // enabled, disabled
    button(1, true, true), button(2, true, true);     // with an icon
    button(1, true, false, 3), button(2, true, false, 3), button(2, true, false, 3), button(3, true, false, 3);
    for (const bool down : {false, true}) {
        auto* b = panel.add<usrPButton>("picOBJ", {static_cast<int>(shown.size()) * 42, 0, 40, 34});
        b->setText("OBJ");
        b->setDown(down);
        shown.push_back(b);
    }
    for (const double value : {0.0, 6.3, 6.3, 12.0}) {
        auto* bar = panel.add<usrXscrollZo>("sbDIALamp", {static_cast<int>(shown.size()) * 20, 40, 96, 17});
        bar->setMaximum(12);
        bar->setValue(value);
        shown.push_back(bar);
    }
    for (QWidget* widget : shown)
        widget->setFocusPolicy(Qt::NoFocus); // no focus frame in the pictures
    ASSERT_TRUE(panel.show());
    for (std::size_t i = 0; i + 1 < shown.size(); i += 2)
        EXPECT_NE(Picture(shown[i]), Picture(shown[i + 1])) << "pair " << i / 2;

    // A part pressed from code lights up for a moment.
    auto* z = panel.add<usrZspin>("spnStageZ", {0, 60, 20, 33});
    z->show();
    const QImage idle = Picture(z);
    z->pressUp();
    EXPECT_NE(Picture(z), idle);

    // A click on an "off" button makes it look like the "on" one.
    auto* off = static_cast<usrMPButton*>(shown[1]);
    QTest::mouseClick(off, Qt::LeftButton, {}, off->rect().center());
    off->setAttribute(Qt::WA_UnderMouse, false);
    EXPECT_EQ(Picture(off), Picture(shown[0]));
}

} // namespace
