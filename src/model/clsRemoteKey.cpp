#include "model/clsRemoteKey.h"

#include "core/NumberText.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"
#include "model/mdlIndexed.h"

namespace {
constexpr int kMessage = 103;
} // namespace

int32_t clsRemoteKey::Key(int i) const
{
    return func_ItemAt(m_Key, i);
}

void clsRemoteKey::SetKey(int i, int32_t code)
{
    sub_SetItemAt(m_Key, i, code);
}

std::string clsRemoteKey::func_WriteSdk()
{
    m_Backup = m_Key;
    return {};
}

void clsRemoteKey::sub_RestData()
{
    m_Key = m_Backup;
}

std::string clsRemoteKey::func_ReadDom(const pugi::xml_node& element)
{
    std::string_view idAsRead;
    const DomKey key = func_DomReadKey(element, idAsRead);
    const auto function = func_DomToLong(key.function.value_or(std::string_view()));
    if (!key.id || *key.id < 1 || *key.id > KeyCount || !function || *function < 0 || *function > LastFunction)
        return func_ItemError(kMessage, idAsRead);
    m_Key[static_cast<std::size_t>(*key.id - 1)] = *function;
    return {};
}

void clsRemoteKey::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    for (int i = 0; i < KeyCount; ++i)
        sub_DomWriteKey(section, "KEY", i + 1, zo::FormatInt(Key(i)));
}
