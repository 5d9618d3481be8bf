#include "windows/MapCtl.h"

#include "core/TrapErrors.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "sdk/ZoScope.h"
#include "widgets/ApplyFont.h"
#include "widgets/FrameThrottle.h"
#include "widgets/QText.h"
#include "widgets/SvgIconRegistry.h"
#include "widgets/Twips.h"
#include "widgets/usrPButton.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

using namespace MapGeometry;

constexpr int kPointPx = 8;
constexpr int kTickTwips = 30; // scale line spacing
constexpr int kBarPx = 22;
constexpr int kScalePx = 74;
constexpr int kTextPx = 15;
constexpr int kAreaTop = kTextPx + 1;
const QColor kPointColour(0x2f, 0x7f, 0xd1);
const QColor kTargetColour(0x2e, 0x9e, 0x5b);

// Device units as the maps write them: "0.000" and the unit.
QString PositionText(double display)
{
    return QString::number(display, 'f', 3) + QStringLiteral(" um");
}

// The pixel row or column of a scale line k (0 at the high end of a
// vertical axis, at the low end of a horizontal one), through the middle of
// the point drawn there.
int TickPx(int k)
{
    return Twips::ToPixels(kMargin + k * kTickTwips) + kPointPx / 2;
}

constexpr int kTicks = kSpan / kTickTwips;

// A round point.
class MapPoint : public QWidget {
public:
    MapPoint(const QColor& colour, QWidget* parent) : QWidget(parent), m_Colour(colour)
    {
        setFixedSize(kPointPx, kPointPx);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_Colour.darker(150), 1));
        painter.setBrush(m_Colour);
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    QColor m_Colour;
};

// The drawing area's face.
class MapArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        painter.setPen(palette().mid().color());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The scale: lines every 30 twips along a vertical axis with the shown
// range's ends written beside them; over the XY field, a grid every ten
// lines with the middle marked and lines along the left and bottom edges.
class MapScale : public QWidget {
public:
    MapScale(bool field, QWidget* parent) : QWidget(parent), m_Field(field)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // The shown range of the vertical axis in display units (low, high).
    void SetRange(double low, double high)
    {
        m_Low = low;
        m_High = high;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor line = palette().windowText().color();
        if (m_Field)
            PaintField(painter, line);
        else
            PaintBar(painter, line);
    }

private:
    static int TickLength(int k) { return k % 10 == 0 ? 10 : k % 5 == 0 ? 6 : 3; }

    void PaintBar(QPainter& painter, const QColor& line)
    {
        painter.setPen(line);
        for (int k = 0; k <= kTicks; ++k)
            painter.drawLine(0, TickPx(k), TickLength(k), TickPx(k));
        QFont small = font();
        small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.85));
        painter.setFont(small);
        const int h = painter.fontMetrics().height();
        const QRect top(13, TickPx(0) - h / 2, width() - 13, h);
        const QRect bottom(13, TickPx(kTicks) - h / 2, width() - 13, h);
        painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, QString::number(m_High, 'f', 1));
        painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, QString::number(m_Low, 'f', 1));
    }

    void PaintField(QPainter& painter, const QColor& line)
    {
        const int first = TickPx(0);
        const int last = TickPx(kTicks);
        QColor grid = line;
        grid.setAlpha(40);
        painter.setPen(grid);
        for (int k = 0; k <= kTicks; k += 10) {
            painter.drawLine(TickPx(k), first, TickPx(k), last);
            painter.drawLine(first, TickPx(k), last, TickPx(k));
        }
        // The middle of the shown part.
        QColor middle = line;
        middle.setAlpha(110);
        painter.setPen(QPen(middle, 1, Qt::DashLine));
        const int centre = (first + last) / 2;
        painter.drawLine(centre, first, centre, last);
        painter.drawLine(first, centre, last, centre);
        painter.setPen(line);
        for (int k = 0; k <= kTicks; ++k) {
            painter.drawLine(TickPx(k), height() - 1, TickPx(k), height() - 1 - TickLength(k) / 2);
            painter.drawLine(0, TickPx(k), TickLength(k) / 2, TickPx(k));
        }
    }

    bool m_Field;
    double m_Low = 0.0;
    double m_High = 0.0;
};

} // namespace

MapCtl::MapCtl(PadMemoryHost& host, MapLayout layout, SvgIconRegistry& icons, QWidget* parent)
    : QWidget(parent), m_Host(host), m_Layout(std::move(layout))
{
    const std::size_t axes = m_Layout.Axes.size();
    m_Position.assign(axes, 0);
    m_Centre.assign(axes, 0);
    m_Limits.assign(axes, {0, 0});
    const bool field = axes == 2;
    const int areaWidth = field ? Twips::ToPixels(kHorizontalHighEdge) + kPointPx : kBarPx;
    const int areaHeight = Twips::ToPixels(kVerticalLowEdge) + kPointPx;
    setFixedSize(Twips::ToPixels(m_Layout.WidthTwips), kAreaTop + areaHeight);

    m_Area = new MapArea(this);
    m_Area->setObjectName("pic" + m_Layout.Name);
    m_Area->setGeometry(0, kAreaTop, areaWidth, areaHeight);
    auto* scale = new MapScale(field, field ? m_Area : this);
    scale->setObjectName("pic" + m_Layout.Name + "Axis");
    if (field)
        scale->setGeometry(m_Area->rect());
    else
        scale->setGeometry(areaWidth + 2, kAreaTop, kScalePx, areaHeight);
    m_Scale = scale;
    m_PointG = new MapPoint(kTargetColour, m_Area);
    m_PointG->setObjectName("picPoint" + m_Layout.Name + "G");
    m_PointG->hide();
    m_Point = new MapPoint(kPointColour, m_Area);
    m_Point->setObjectName("picPoint" + m_Layout.Name);

    // The position texts above the drawing, side by side; the field's two
    // are told apart by their axis names.
    const int textWidth = width() / static_cast<int>(axes);
    const char* axisNames[] = {"X", "Y"};
    for (std::size_t i = 0; i < axes; ++i) {
        int left = static_cast<int>(i) * textWidth;
        if (field) {
            auto* name = new QLabel(QLatin1String(axisNames[i]), this);
            name->setGeometry(left, 0, 12, kTextPx);
            left += 12;
        }
        auto* text = new QLabel(this);
        text->setObjectName(m_Layout.PositionNames[i]);
        text->setGeometry(left, 0, static_cast<int>(i + 1) * textWidth - left - 4, kTextPx);
        m_PositionText.push_back(text);
    }

    // The zoom controls right of the drawing.
    const int right = field ? areaWidth + 6 : areaWidth + 2 + kScalePx + 2;
    const int panel = width() - right;
    m_Zoom = new QLabel(this);
    m_Zoom->setObjectName("lblZoom");
    m_Zoom->setGeometry(right, kAreaTop, panel, kTextPx);
    const auto zoomButton = [&](const char* name, const char* icon, int left) {
        auto* button = new usrPButton(this);
        button->setObjectName(name);
        button->setIcon(icons.Icon(QStringLiteral(":/windows/icons/%1.svg").arg(QLatin1String(icon))));
        button->setGeometry(left, kAreaTop + kTextPx + 3, 28, 24);
        return button;
    };
    m_ZoomIn = zoomButton("btnZoomIn", "zoom-in", right);
    m_ZoomOut = zoomButton("btnZoomOut", "zoom-out", right + 30);
    m_LevelText = new QLabel(this);
    m_LevelText->setObjectName("lblLevel");
    m_LevelText->setGeometry(right, kAreaTop + kTextPx + 30, panel, kTextPx);
    m_LevelText->setText("1");

    m_View = new QTimer(this);
    m_View->setObjectName("timView");
    m_View->setInterval(kFlashMs);
    m_Frame = new FrameThrottle([this] { sub_ShowPosition(); }, this);

    connect(m_ZoomIn, &usrPButton::clicked, this, &MapCtl::btnZoomIn_Click);
    connect(m_ZoomOut, &usrPButton::clicked, this, &MapCtl::btnZoomOut_Click);
    connect(m_View, &QTimer::timeout, this, &MapCtl::timView_Timer);

    sub_ReadLimits();
    sub_ShowPosition();
}

MapCtl::~MapCtl() = default;

void MapCtl::sub_ReadLimits()
{
    for (std::size_t i = 0; i < m_Layout.Axes.size(); ++i)
        TrapErrors([&] {
            ZOSCOPELib::AxisDevice& drive = m_Host.func_AxisDevice(m_Layout.Axes[i]);
            m_Limits[i] = {drive.LowerLimit(), drive.UpperLimit()};
        });
    sub_SetZeroPos();
}

// ============================================================== geometry

MapGeometry::View MapCtl::ViewOf(std::size_t part) const
{
    return {m_Limits[part][0], m_Limits[part][1], func_Magnification(g_Magnification, m_Level), m_Level,
            m_Centre[part]};
}

QPoint MapCtl::PointAt(const std::vector<int32_t>& positions) const
{
    const std::size_t vertical = positions.size() - 1; // Y of the field, the one axis of a bar
    const int top = Twips::ToPixels(func_PointTop(func_Place(positions[vertical], ViewOf(vertical))));
    if (positions.size() == 1)
        return {(kBarPx - kPointPx) / 2, top};
    return {Twips::ToPixels(func_PointLeft(func_Place(positions[0], ViewOf(0)))), top};
}

// ============================================================== position

void MapCtl::SetPositionOf(int part, int32_t position)
{
    m_Position[static_cast<std::size_t>(part)] = position;
    m_Frame->Request();
}

void MapCtl::FlushView()
{
    m_Frame->Flush();
}

void MapCtl::sub_ShowPosition()
{
    for (std::size_t i = 0; i < m_Position.size(); ++i)
        m_PositionText[i]->setText(PositionText(m_Position[i] * m_Host.DisplayFactor(m_Layout.Axes[i])));
    m_Point->move(PointAt(m_Position));
}

// ============================================================== target

void MapCtl::SetTarget(const std::vector<int32_t>& target)
{
    if (target.size() != m_Position.size())
        return;
    m_Target = target;
    m_PointG->move(PointAt(m_Target));
    PointGreenVisbile(true);
    FlashEnable(true);
}

void MapCtl::FlashEnable(bool on)
{
    if (on)
        m_View->start();
    else
        m_View->stop();
}

bool MapCtl::Flashing() const
{
    return m_View->isActive();
}

void MapCtl::PointGreenVisbile(bool visible)
{
    m_PointG->setVisible(visible);
}

void MapCtl::timView_Timer()
{
    m_PointG->setVisible(!m_PointG->isVisible());
}

// ============================================================== zoom

void MapCtl::btnZoomIn_Click()
{
    sub_Zoom(func_ZoomIn(m_Level));
}

void MapCtl::btnZoomOut_Click()
{
    sub_Zoom(func_ZoomOut(m_Level));
}

void MapCtl::sub_Zoom(int level)
{
    m_Level = level;
    m_LevelText->setText(QString::number(level + 1));
    // Zoomed in, the map shows the neighbourhood of where the axes stand now.
    if (level > 0)
        m_Centre = m_Position;
    sub_ShowPosition();
    if (!m_Target.empty())
        m_PointG->move(PointAt(m_Target));
    sub_SetZeroPos();
}

void MapCtl::sub_SetZeroPos()
{
    const std::size_t vertical = m_Layout.Axes.size() - 1;
    const std::array<double, 2> range = func_ShownRange(ViewOf(vertical));
    const double factor = m_Host.DisplayFactor(m_Layout.Axes[vertical]);
    static_cast<MapScale*>(m_Scale)->SetRange(range[0] * factor, range[1] * factor);
}

// ============================================================== texts

void MapCtl::sub_SetLanguage()
{
    sub_ApplyFont(this, g_Font);
    sub_RefreshLanguage();
}

void MapCtl::sub_RefreshLanguage()
{
    m_Zoom->setText(Q(g_LangFrmStage.LblZoom));
    m_ZoomIn->setToolTip(Q(g_LangFrmStage.TipZoomIn));
    m_ZoomOut->setToolTip(Q(g_LangFrmStage.TipZoomOut));
}
