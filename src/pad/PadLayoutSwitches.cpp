#include "pad/PadLayoutSwitches.h"

#include "core/mdlGlobals.h"
#include "core/mdlSettings.h"

int PadLayoutSwitches::LayoutType() const
{
    return m_FixedType != 0 ? m_FixedType : g_LayoutType;
}

bool PadLayoutSwitches::ChangeGui() const
{
    return m_FixedType != 0 || g_ChangeGui == 1;
}

bool PadLayoutSwitches::LayoutPending() const
{
    return m_FixedType != 0 || g_LayoutPending;
}

void PadLayoutSwitches::SetLayoutPending(bool pending)
{
    if (m_FixedType == 0)
        g_LayoutPending = pending;
}
