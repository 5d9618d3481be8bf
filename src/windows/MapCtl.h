#pragma once

#include "windows/MapGeometry.h"
#include "windows/PadMemoryHost.h"

#include <QWidget>

#include <array>
#include <vector>

class FrameThrottle;
class QLabel;
class QTimer;
class SvgIconRegistry;
class usrPButton;

// What tells one position map from another: its axes and the names of its
// controls.
struct MapLayout {
    QString Name;                          // pic<Name>, pic<Name>Axis, picPoint<Name>, picPoint<Name>G
    std::vector<PadMemoryHost::Axis> Axes; // one: a vertical bar; two: X across, Y upwards
    std::vector<QString> PositionNames;    // the position text of each axis
    int WidthTwips = 2415;
};

// A map of one axis group: the current position as a point and as text in
// micrometres, the target of a move under way as a blinking green point, and
// ten zoom levels around the current position. Positions may arrive far
// faster than the screen shows them: the text and the point follow at most
// once per screen frame. MapXYCtl, MapZCtl and MapPiezoCtl are this control,
// configured by data.
class MapCtl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFlashMs = 500;

    MapCtl(PadMemoryHost& host, MapLayout layout, SvgIconRegistry& icons, QWidget* parent = nullptr);
    ~MapCtl() override;

    // The current position of axis part 0 or 1, in device units.
    int32_t PositionOf(int part) const { return m_Position[static_cast<std::size_t>(part)]; }
    void SetPositionOf(int part, int32_t position);
    // Starts or stops the target point's blinking.
    void FlashEnable(bool on);
    void PointGreenVisbile(bool visible);
    // Redraws the scale for the current zoom.
    void sub_SetZeroPos();
    // Places the target point of a move (one device position per axis) and
    // lets it blink until the pad says the move is over (the stage window's
    // sub_EndTarget).
    void SetTarget(const std::vector<int32_t>& target);
    void sub_RefreshLanguage();

    // The axes' limits, read again from the drives.
    void sub_ReadLimits();
    int ZoomLevel() const { return m_Level; }
    bool Flashing() const;
    // Shows a position still waiting for the end of the screen frame.
    void FlushView();

    void btnZoomIn_Click();
    void btnZoomOut_Click();
    void timView_Timer();

protected:
    // Font and captions from the language resources.
    void sub_SetLanguage();

private:
    MapGeometry::View ViewOf(std::size_t part) const;
    // Where the point of these positions goes inside the drawing area.
    QPoint PointAt(const std::vector<int32_t>& positions) const;
    void sub_Zoom(int level);
    void sub_ShowPosition();

    PadMemoryHost& m_Host;
    MapLayout m_Layout;
    std::vector<int32_t> m_Position;
    std::vector<int32_t> m_Target;
    std::vector<int32_t> m_Centre;
    std::vector<std::array<int32_t, 2>> m_Limits;
    int m_Level = 0;

    QWidget* m_Area = nullptr;
    QWidget* m_Scale = nullptr;
    QWidget* m_Point = nullptr;
    QWidget* m_PointG = nullptr;
    std::vector<QLabel*> m_PositionText;
    QLabel* m_Zoom = nullptr;
    QLabel* m_LevelText = nullptr;
    usrPButton* m_ZoomIn = nullptr;
    usrPButton* m_ZoomOut = nullptr;
    QTimer* m_View = nullptr;
    FrameThrottle* m_Frame = nullptr;
};
