#include "widgets/FrameThrottle.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

FrameThrottle::FrameThrottle(std::function<void()> show, QObject* parent) : QObject(parent), m_Show(std::move(show))
{
    m_Frame.setSingleShot(true);
    m_Frame.setTimerType(Qt::PreciseTimer);
    connect(&m_Frame, &QTimer::timeout, this, &FrameThrottle::FrameEnded);
}

int FrameThrottle::FramePeriodMs()
{
    double rate = 60.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->refreshRate() >= 1.0)
        rate = screen->refreshRate();
    return std::max(1, static_cast<int>(std::ceil(1000.0 / rate)));
}

void FrameThrottle::Request()
{
    if (m_Frame.isActive()) {
        m_Pending = true;
        return;
    }
    Show();
}

void FrameThrottle::Flush()
{
    if (m_Pending)
        Show();
}

void FrameThrottle::Show()
{
    m_Pending = false;
    m_Frame.start(FramePeriodMs());
    m_Show();
}

void FrameThrottle::FrameEnded()
{
    if (m_Pending)
        Show();
}
