#include "model/clsNosepieceMode.h"

#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"
#include "sdk/DeviceIndex.h"

#include <utility>

bool clsNosepieceMode::HasMode() const
{
    return Zo && Zo->Scope && Zo->IsMounted(DeviceIndex::Nosepiece) == 1 && Zo->IsMounted(DeviceIndex::ZDrive) == 1;
}

std::string clsNosepieceMode::func_ReadSdk()
{
    if (Busy)
        return {};
    if (HasMode()) {
        try {
            m_Value = (Zo->Scope->Nosepiece().*m_Setting.get)();
        } catch (const std::exception& e) {
            return func_ReadError(m_Setting.message, e);
        }
    }
    m_Backup = m_Value;
    return {};
}

std::string clsNosepieceMode::func_WriteSdk()
{
    // Keep reads away while the SDK reports this write; whoever set the flag
    // before (clsZo's send) clears it.
    const bool wasBusy = std::exchange(Busy, true);
    std::string error;
    if (HasMode() && m_Value != m_Backup) {
        try {
            (Zo->Scope->Nosepiece().*m_Setting.set)(m_Value);
            m_Backup = m_Value;
        } catch (const std::exception&) {
            error = func_ItemError(m_Setting.message, int64_t{m_Value});
        }
    }
    Busy = wasBusy;
    return error;
}

void clsNosepieceMode::sub_RestData()
{
    if (HasMode())
        m_Value = m_Backup;
}

std::string clsNosepieceMode::func_ReadDom(const pugi::xml_node& element)
{
    std::string asRead;
    const auto on = func_DomStatus(element, asRead);
    if (!on)
        return func_ItemError(m_Setting.message, asRead);
    m_Value = *on ? 1 : 0;
    return {};
}

void clsNosepieceMode::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    sub_DomSetAttrBool(func_DomAppend(section, "VALUE"), "STATUS", m_Value == 1);
}
