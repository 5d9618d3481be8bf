#include "ScopePump.h"

#include <algorithm>

namespace {
// Even when the SDK reports nothing due, look again now and then: a user
// command may have started a move since.
constexpr int IdleCheckMs = 50;
} // namespace

ScopePump::ScopePump(std::function<ZOSCOPELib::Scope*()> scope, QObject* parent)
    : QObject(parent), m_scope(std::move(scope))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ScopePump::Tick);
    m_timer.start(0);
}

void ScopePump::Kick()
{
    m_timer.start(0);
}

void ScopePump::Tick()
{
    if (ZOSCOPELib::Scope* scope = m_scope()) {
        try {
            scope->ProcessEvents();
        } catch (const ZOSCOPELib::SdkError&) {
            // A handler's failure must not stop the pump.
        }
    }
    Schedule();
}

void ScopePump::Schedule()
{
    int waitMs = IdleCheckMs;
    if (ZOSCOPELib::Scope* scope = m_scope()) {
        try {
            const int64_t due = scope->NextEventDue();
            if (due >= 0)
                waitMs = static_cast<int>(std::clamp<int64_t>((due + 999) / 1000, 1, IdleCheckMs));
        } catch (const ZOSCOPELib::SdkError&) {
        }
    }
    m_timer.start(waitMs);
}
