#include "model/clsConnectKMX.h"

#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"
#include "sdk/DeviceIndex.h"

#include <limits>

namespace {

constexpr int kMessage = 98;

ZOSCOPELib::CameraPortDevice& Port(ZOSCOPELib::Scope& scope, int i)
{
    return i == 0 ? scope.KMX1() : scope.KMX2();
}

// The value as a 16-bit number; 0 when it does not fit.
int16_t Clamp16(int32_t value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return 0;
    return static_cast<int16_t>(value);
}

} // namespace

std::string clsConnectKMX::func_ReadSdk()
{
    if (m_Busy || !Zo || !Zo->Scope)
        return {};
    std::string errors;
    for (int i = 0; i < ConnectorCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m_Work.use[k] = 0;
        m_Work.maker[k] = 0;
        if (Zo->IsMounted(DeviceIndex::KMX1 + i) != 1)
            continue;
        try {
            ZOSCOPELib::CameraPortDevice& port = Port(*Zo->Scope, i);
            const int32_t type = port.CameraType();
            if (type != -1)
                m_Work.use[k] = Clamp16(type);
            // A maker only means something for a known camera; without one a
            // setup file could not carry the pair.
            if (m_Work.use[k] != 0)
                m_Work.maker[k] = Clamp16(port.CameraMaker());
        } catch (const std::exception& e) {
            errors = func_JoinLines(errors, func_ReadError(kMessage, e));
        }
    }
    m_Backup = m_Work;
    return errors;
}

std::string clsConnectKMX::func_WriteSdk()
{
    if (!Zo || !Zo->Scope)
        return {};
    m_Busy = true;
    std::string errors;
    for (int i = 0; i < ConnectorCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (Zo->IsMounted(DeviceIndex::KMX1 + i) != 1)
            continue;
        if (m_Work.use[k] == m_Backup.use[k] && m_Work.maker[k] == m_Backup.maker[k])
            continue;
        try {
            Port(*Zo->Scope, i).SetCamera(m_Work.use[k], m_Work.maker[k]);
            m_Backup.use[k] = m_Work.use[k];
            m_Backup.maker[k] = m_Work.maker[k];
        } catch (const std::exception&) {
            errors = func_JoinLines(errors, func_ItemError(kMessage, int64_t{i + 1}));
        }
    }
    m_Busy = false;
    return errors;
}

std::string clsConnectKMX::func_ReadDom(const pugi::xml_node& element)
{
    std::string_view idAsRead;
    const auto entry = func_DomReadConnection(element, idAsRead);
    if (!entry)
        return func_ItemError(kMessage, idAsRead);
    const int32_t typeLimit = zo::LeadingInt(g_LangCameraSetting.User[0]);
    const auto& brand = entry->brand;
    const auto& type = entry->type;
    // A camera needs both its maker and its type, or neither.
    if (!brand || !type || *type < 0 || *type > typeLimit || (*brand == 0) != (*type == 0) ||
        *brand != Clamp16(*brand))
        return func_ItemError(kMessage, entry->id);
    const auto k = static_cast<std::size_t>(entry->id - 1);
    m_Work.maker[k] = static_cast<int16_t>(*brand);
    m_Work.use[k] = static_cast<int16_t>(*type);
    return {};
}
