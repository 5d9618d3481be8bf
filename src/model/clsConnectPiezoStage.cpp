#include "model/clsConnectPiezoStage.h"

#include "core/mdlGlobals.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"

namespace {
constexpr int kReadMessage = 108;
constexpr int kWriteMessage = 111;
} // namespace

bool clsConnectPiezoStage::HasSetting() const
{
    return Zo && Zo->Scope && Zo->HasPiezoConnection();
}

std::string clsConnectPiezoStage::func_ReadSdk()
{
    if (!HasSetting())
        return {};
    try {
        m_Connected = Zo->Scope->PiezoZ().Connection();
    } catch (const std::exception& e) {
        return func_ReadError(kReadMessage, e);
    }
    m_Backup = m_Connected;
    return {};
}

std::string clsConnectPiezoStage::func_WriteSdk()
{
    if (!HasSetting() || m_Connected == m_Backup)
        return {};
    try {
        Zo->Scope->PiezoZ().SetConnection(m_Connected);
    } catch (const std::exception&) {
        return func_ItemError(kWriteMessage, int64_t{m_Connected});
    }
    g_RefreshPiezoStage = true;
    m_Backup = m_Connected;
    return {};
}

void clsConnectPiezoStage::sub_RestData()
{
    if (HasSetting())
        m_Connected = m_Backup;
}

std::string clsConnectPiezoStage::func_ReadDom(const pugi::xml_node& element)
{
    const auto values = func_DomLastValues(element, {"STATUS"});
    const std::string asRead = func_DomTrim(values[0].value_or(std::string_view()), true);
    const auto value = func_DomToLong(asRead);
    if (!value || *value < -1 || *value > 1)
        return func_ItemError(kReadMessage, asRead);
    m_Connected = *value;
    return {};
}

void clsConnectPiezoStage::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    sub_DomSetAttr(func_DomAppend(section, "CONNECTED"), "STATUS", int64_t{m_Connected});
}
