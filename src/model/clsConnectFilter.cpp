#include "model/clsConnectFilter.h"

#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "model/clsObservationMode.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"
#include "sdk/DeviceIndex.h"

namespace {
constexpr int kMessage = 99;
} // namespace

bool clsConnectFilter::Mounted(int index) const
{
    return Zo && Zo->Scope && Zo->IsMounted(index) == 1;
}

std::string clsConnectFilter::func_ReadSdk()
{
    if (m_Busy || !Zo || !Zo->Scope)
        return {};
    const bool first = Mounted(DeviceIndex::FilterTurret1);
    const bool second = Mounted(DeviceIndex::FilterTurret2);
    int32_t level = 0;
    if (first && second) {
        try {
            level = Zo->Scope->FilterTurret1().Level();
        } catch (const std::exception& e) {
            return func_ReadError(kMessage, e);
        }
    } else if (first) {
        level = 2;
    } else if (second) {
        level = 1;
    }
    m_FilterPosition = level == 1;
    // A change made behind our back (not by our own write, which moved the
    // backup along) leaves the stored modes with their turret values swapped.
    if (!m_FirstRead && m_FilterPosition != m_Backup && Zo->ObservationMode)
        Zo->ObservationMode->func_ReserveFL();
    m_FirstRead = false;
    m_Backup = m_FilterPosition;
    return {};
}

std::string clsConnectFilter::func_WriteSdk()
{
    if (!Mounted(DeviceIndex::FilterTurret1) || !Mounted(DeviceIndex::FilterTurret2) || m_FilterPosition == m_Backup)
        return {};
    m_Busy = true;
    g_RefreshFilterBlock = true;
    std::string error;
    try {
        Zo->Scope->FilterTurret1().SetLevel(m_FilterPosition ? 1 : 2);
        Zo->Scope->FilterTurret2().SetLevel(m_FilterPosition ? 2 : 1);
        m_Backup = m_FilterPosition;
    } catch (const std::exception&) {
        error = func_ItemError(kMessage, BoolText(m_FilterPosition));
    }
    m_Busy = false;
    return error;
}

void clsConnectFilter::sub_RestData()
{
    if (Mounted(DeviceIndex::FilterTurret1) || Mounted(DeviceIndex::FilterTurret2))
        m_FilterPosition = m_Backup;
}

std::string clsConnectFilter::func_ReadDom(const pugi::xml_node& element)
{
    std::string asRead;
    const auto status = func_DomStatus(element, asRead);
    if (!status)
        return func_ItemError(kMessage, asRead);
    m_FilterPosition = *status;
    return {};
}

void clsConnectFilter::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    sub_DomSetAttrBool(func_DomAppend(section, "VALUE"), "STATUS", m_FilterPosition);
}
