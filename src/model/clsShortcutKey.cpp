#include "model/clsShortcutKey.h"

#include "core/mdlSettings.h"
#include "model/mdlIndexed.h"

int32_t clsShortcutKey::Key(int i) const
{
    return func_ItemAt(m_Key, i);
}

void clsShortcutKey::SetKey(int i, int32_t code)
{
    sub_SetItemAt(m_Key, i, code);
}

std::string clsShortcutKey::func_ReadSdk()
{
    for (std::size_t i = 0; i < m_Key.size(); ++i)
        m_Key[i] = g_ShortcutKey[i];
    return {};
}
