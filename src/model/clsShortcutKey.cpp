#include "model/clsShortcutKey.h"

#include "core/mdlSettings.h"

int32_t clsShortcutKey::Key(int i) const
{
    return i >= 0 && i < KeyCount ? m_Key[static_cast<std::size_t>(i)] : 0;
}

void clsShortcutKey::SetKey(int i, int32_t code)
{
    if (i >= 0 && i < KeyCount)
        m_Key[static_cast<std::size_t>(i)] = code;
}

std::string clsShortcutKey::func_ReadSdk()
{
    for (std::size_t i = 0; i < m_Key.size(); ++i)
        m_Key[i] = g_ShortcutKey[i];
    return {};
}
