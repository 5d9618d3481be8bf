#include "pad/PadLayoutSurface.h"

#include "core/mdlSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QWidget>

#include <cmath>

namespace {

QRect ScreenGeometry(const QWidget& form)
{
    if (const QScreen* screen = form.screen())
        return screen->geometry();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry();
    return {0, 0, 1024, 768};
}

} // namespace

PadLayoutSurface::PadLayoutSurface(QWidget& form, QStatusBar& statusBar) : m_Form(form), m_StatusBar(statusBar) {}

int PadLayoutSurface::ToPixels(int twips)
{
    return Twips::ToPixels(twips);
}

void PadLayoutSurface::AddControl(QWidget& control, bool gutter, bool frame, int group)
{
    const QRect g = control.geometry();
    m_Controls.push_back({&control, TwipRect{ToTwips(g.x()), ToTwips(g.y()), ToTwips(g.width()), ToTwips(g.height())},
                          gutter, frame, group, control.objectName().toStdString()});
}

void PadLayoutSurface::TrimOverlaps()
{
    for (std::size_t a = 0; a < m_Controls.size(); ++a) {
        const Entry& entry = m_Controls[a];
        if (entry.Frame || entry.Widget->isHidden())
            continue;
        const QRect own = Painted(entry);
        int end = own.x() + own.width();
        for (std::size_t b = 0; b < m_Controls.size(); ++b) {
            const Entry& other = m_Controls[b];
            if (b == a || other.Widget->isHidden() || (other.Frame && entry.Group == static_cast<int>(b)))
                continue;
            const QRect next = Painted(other);
            const bool sameLine = next.top() <= own.bottom() && own.top() <= next.bottom();
            if (sameLine && next.x() > own.x() && next.x() - kTrimGapPx < end)
                end = next.x() - kTrimGapPx;
        }
        if (end < own.x() + own.width() && end - own.x() >= own.width() / 2)
            entry.Widget->setGeometry(own.x(), own.y(), end - own.x(), own.height());
    }
}

int PadLayoutSurface::IndexOf(const QWidget& control) const
{
    for (std::size_t i = 0; i < m_Controls.size(); ++i)
        if (m_Controls[i].Widget == &control)
            return static_cast<int>(i);
    return -1;
}

int PadLayoutSurface::ControlCount() const
{
    return static_cast<int>(m_Controls.size());
}

std::string PadLayoutSurface::ControlName(int index) const
{
    return m_Controls.at(static_cast<std::size_t>(index)).Name;
}

bool PadLayoutSurface::IsControlVisible(int index) const
{
    return !Control(index).isHidden();
}

TwipRect PadLayoutSurface::ControlRect(int index) const
{
    return m_Controls.at(static_cast<std::size_t>(index)).Rect;
}

void PadLayoutSurface::SetControlRect(int index, const TwipRect& rect)
{
    Entry& entry = m_Controls.at(static_cast<std::size_t>(index));
    entry.Rect = rect;
    Apply(entry);
}

QRect PadLayoutSurface::Painted(const Entry& entry) const
{
    const int left = ToPixels(entry.Rect.Left);
    const int top = ToPixels(entry.Rect.Top);
    int width = ToPixels(entry.Rect.Right()) - left;
    const int height = ToPixels(entry.Rect.Bottom()) - top;
    if (entry.Gutter && width > 2 * kButtonGutterPx)
        width -= kButtonGutterPx;
    return {left, top, std::max(0, width), std::max(0, height)};
}

void PadLayoutSurface::Apply(const Entry& entry) const
{
    entry.Widget->setGeometry(Painted(entry));
}

TwipRect PadLayoutSurface::FormRect() const
{
    const QPoint place = m_Form.pos();
    return {ToTwips(place.x()), ToTwips(place.y()), ToTwips(m_Form.width()),
            ToTwips(m_Form.height()) + StatusBarHeight()};
}

void PadLayoutSurface::SetFormRect(const TwipRect& rect)
{
    m_Form.move(ToPixels(rect.Left), ToPixels(rect.Top));
    const int height = std::max(0, ToPixels(rect.Height - StatusBarHeight()));
    // The pad keeps the size its layout gives it: a larger window would only
    // let the status bar slide over the controls.
    m_Form.setFixedSize(std::max(0, ToPixels(rect.Width)), height);
    PlaceStatusBar();
}

void PadLayoutSurface::PlaceStatusBar() const
{
    m_StatusBar.setGeometry(0, m_Form.height() - kStatusBarHeightPx, m_Form.width(), kStatusBarHeightPx);
}

int PadLayoutSurface::ScreenWidth() const
{
    return ToTwips(ScreenGeometry(m_Form).width());
}

int PadLayoutSurface::ScreenHeight() const
{
    return ToTwips(ScreenGeometry(m_Form).height());
}

int PadLayoutSurface::StatusBarHeight() const
{
    return ToTwips(kStatusBarHeightPx);
}

bool PadLayoutSurface::ControlVisibleEntry(int entry) const
{
    return entry >= 0 && entry < kControlVisibleCount && ControlVisible[static_cast<std::size_t>(entry)];
}

void PadLayoutSurface::SetMicroscopePictureVisible(bool visible)
{
    if (OnMicroscopePicture)
        OnMicroscopePicture(visible);
}

void PadLayoutSurface::AlignPictures(int layoutType)
{
    if (OnAlignPictures)
        OnAlignPictures(layoutType);
}
