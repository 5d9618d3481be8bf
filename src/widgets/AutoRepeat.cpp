#include "widgets/AutoRepeat.h"

#include <utility>

AutoRepeat::AutoRepeat(QObject* parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_timer.setInterval(IntervalMs);
        // The action may stop (and so clear) the repeat; run a copy.
        if (auto action = m_action)
            action();
    });
}

void AutoRepeat::start(std::function<void()> action)
{
    m_action = std::move(action);
    m_timer.start(FirstDelayMs);
}

void AutoRepeat::stop()
{
    m_timer.stop();
    m_action = nullptr;
}
