#include "pad/PadCommandGuard.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "pad/PadTrap.h"

#include <QWidget>

namespace {

void SetBusyPointer(bool busy)
{
    if (g_UiServices)
        g_UiServices->SetBusyPointer(busy);
}

} // namespace

PadCommandGuard::PadCommandGuard(QWidget& pad, bool* busy) : m_Pad(pad), m_Busy(busy)
{
    if (m_Busy)
        *m_Busy = true;
    SetBusyPointer(true);
    m_Pad.setEnabled(false);
}

PadCommandGuard::~PadCommandGuard()
{
    m_Pad.setEnabled(true);
    TrapErrors([] { sub_FlushInput(); });
    SetBusyPointer(false);
    if (m_Busy)
        *m_Busy = false;
}

bool PadCommandGuard::Run(QWidget& pad, bool* busy, const std::function<void()>& call)
{
    const PadCommandGuard guard(pad, busy);
    return TrapErrors(call);
}

BusyPointer::BusyPointer()
{
    SetBusyPointer(true);
}

BusyPointer::~BusyPointer()
{
    SetBusyPointer(false);
}
