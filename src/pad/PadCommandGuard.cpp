#include "pad/PadCommandGuard.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/TrapErrors.h"

#include <QWidget>

namespace {

void SetBusyPointer(bool busy)
{
    if (g_UiServices)
        g_UiServices->SetBusyPointer(busy);
}

} // namespace

PadCommandGuard::PadCommandGuard(QWidget& pad, bool* busy, std::initializer_list<QWidget*> others)
    : m_Pad(pad), m_Busy(busy)
{
    for (QWidget* other : others)
        if (other)
            m_Others.emplace_back(other);
    if (m_Busy)
        *m_Busy = true;
    SetBusyPointer(true);
    m_Pad.setEnabled(false);
    for (const QPointer<QWidget>& other : m_Others)
        other->setEnabled(false);
}

PadCommandGuard::~PadCommandGuard()
{
    m_Pad.setEnabled(true);
    for (const QPointer<QWidget>& other : m_Others)
        if (other)
            other->setEnabled(true);
    TrapErrors([] { sub_FlushInput(); });
    SetBusyPointer(false);
    if (m_Busy)
        *m_Busy = false;
}

bool PadCommandGuard::Run(QWidget& pad, bool* busy, const std::function<void()>& call,
                          std::initializer_list<QWidget*> others)
{
    const PadCommandGuard guard(pad, busy, others);
    return TrapErrors(call);
}
