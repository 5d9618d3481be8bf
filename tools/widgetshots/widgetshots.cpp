// Draws the six custom controls in their states at the pad's cell sizes into
// one PNG: widgetshots <file>. Run it once plain and once with
// QT_SCALE_FACTOR=2 for the documentation's docs/widgets.png and
// docs/widgets@2x.png (under xvfb-run).

#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <cstdio>
#include <vector>

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

class Sheet {
public:
    Sheet() : grid(new QGridLayout(&window))
    {
        window.setObjectName("frmGallery");
        grid->setHorizontalSpacing(14);
        grid->setVerticalSpacing(10);
        grid->setContentsMargins(12, 12, 12, 12);
    }

    template <class Kind>
    Kind* place(int row, const char* name, QSize size, const char* text = nullptr)
    {
        auto* widget = new Kind(&window);
        widget->setObjectName(name);
        widget->setFixedSize(size);
        if constexpr (std::is_base_of_v<QAbstractButton, Kind>)
            if (text != nullptr)
                widget->setText(text);
        row_(row)->addWidget(widget, 0, Qt::AlignVCenter);
        return widget;
    }

    // A spin control at its pad cell size, a second one (shown pressed), a
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
                                 &window);
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
        return rows[static_cast<std::size_t>(row)];
    }

    QWidget window;
    QGridLayout* grid;
    std::vector<QHBoxLayout*> rows;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: widgetshots <file.png>\n");
        return 2;
    }
    Sheet sheet;
    const QSize button(40, 34);
    sheet.heading(0, "usrMPButton", "two states: on, off; disabled on, off; with icon on, off");
    for (int column = 1; column <= 6; ++column) {
        auto* b = sheet.place<usrMPButton>(0, "chkEpi", button, column > 4 ? "" : "EPI");
        b->setState(column % 2 == 1 ? 1 : 2);
        b->setEnabled(column < 3 || column > 4);
        if (column > 4)
            b->setIcon(lampIcon());
    }
    sheet.heading(1, "usrMPButton", "three states: 1, 2, 3");
    for (int column = 1; column <= 3; ++column) {
        auto* b = sheet.place<usrMPButton>(1, "picStageZ", button, "Z");
        b->setStateCount(3);
        b->setState(column);
    }
    sheet.heading(2, "usrPButton", "caption, pressed, disabled, icon, icon and caption");
    sheet.place<usrPButton>(2, "picOBJ", button, "OBJ");
    sheet.place<usrPButton>(2, "picOBJ", button, "OBJ")->setDown(true);
    sheet.place<usrPButton>(2, "picOBJ", button, "OBJ")->setEnabled(false);
    sheet.place<usrPButton>(2, "picCNTLDia", button)->setIcon(lampIcon());
    sheet.place<usrPButton>(2, "picCNTLDia", QSize(56, 44), "DIA")->setIcon(lampIcon());

    sheet.heading(3, "usrComboBox", "selected, none, disabled");
    for (int column = 1; column <= 3; ++column) {
        auto* list = sheet.place<usrComboBox>(3, "cboFL1", QSize(113, 22));
        list->addItems({"1: GFP-B", "2: TRITC", "3: DAPI"});
        list->setSelectedIndex(column == 2 ? -1 : 1);
        list->setEnabled(column != 3);
    }
    sheet.heading(4, "usrXscrollZo", "minimum, middle, maximum, disabled");
    for (int column = 1; column <= 4; ++column) {
        auto* bar = sheet.place<usrXscrollZo>(4, "sbDIALamp", QSize(96, 17));
        bar->setMaximum(12);
        bar->setSmallStep(0.1);
        bar->setValue(column == 1 ? 0 : column == 3 ? 12 : 6.3);
        bar->setEnabled(column != 4);
    }
    sheet.heading(5, "usrXYspin", "pad cell, right part pressed, with readout, disabled");
    const auto [xy, xyPressed, xyWide] = sheet.placeSpins<usrXYspin>(5, "spnStageXY", {30, 30}, {130, 34});
    for (usrXYspin* spin : {xy, xyPressed, xyWide}) {
        spin->setXCaption("X:");
        spin->setYCaption("Y:");
        spin->setXPosition(-1520.25);
        spin->setYPosition(830.5);
    }
    sheet.heading(6, "usrZspin", "pad cell, up part pressed, with readout, disabled");
    const auto [z, zPressed, zWide] = sheet.placeSpins<usrZspin>(6, "spnStageZ", {20, 33}, {110, 33});
    for (usrZspin* spin : {z, zPressed, zWide}) {
        spin->setCaption("Z:");
        spin->setPosition(4211.37);
    }
    sheet.heading(7, "In a pad row", "the cell widths of the first layout: 40, 113, 40, 30, 40, 173 px");
    sheet.place<usrPButton>(7, "picFL1", button, "FL1");
    sheet.place<usrComboBox>(7, "cboFL1", QSize(113, 22))->addItem("1: GFP-B");
    sheet.place<usrMPButton>(7, "chkAnlyz", button, "ANL");
    sheet.place<usrXYspin>(7, "spnStageXY", QSize(30, 30));
    auto* picStageXY = sheet.place<usrMPButton>(7, "picStageXY", button, "XY");
    picStageXY->setStateCount(3);
    picStageXY->setState(2);
    sheet.place<usrComboBox>(7, "cboXY", QSize(173, 22))->addItem("1:X:-1520.25Y:830.5");
    sheet.row_(7)->setSpacing(3);
    for (QHBoxLayout* row : sheet.rows)
        row->addStretch(1);

    sheet.window.show();
    // Once the window is on the screen: a part pressed from code lights up
    // for a moment, long enough to be drawn.
    QTimer::singleShot(100, [&] {
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        zPressed->pressUp();
        xyPressed->pressXUp();
        const bool saved = sheet.window.grab().save(QString::fromLocal8Bit(argv[1]));
        std::printf("%s %dx%d\n", argv[1], sheet.window.width(), sheet.window.height());
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
