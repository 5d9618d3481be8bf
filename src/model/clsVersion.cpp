#include "model/clsVersion.h"

#include "core/mdlCommon.h"
#include "model/clsZo.h"

#include <ZoVersion.h>

std::string clsVersion::Version(int index) const
{
    if (index < 0 || index >= EntryCount)
        return {};
    return m_Version[static_cast<std::size_t>(index)];
}

std::string clsVersion::func_ReadSdk()
{
    m_Version.assign(EntryCount, std::string());
    m_SystemType = -1; // "not known", also when the SDK cannot tell
    m_Version[0] = ZO_VERSION_TEXT;
    m_Version[1] = func_GetSdkVersion();
    if (!Zo || !Zo->Scope)
        return {};
    // The unit versions are informative only: a unit that does not answer
    // leaves its entry empty (the page greys it out) and is not an error.
    try {
        m_SystemType = Zo->Scope->SystemType();
        const int32_t units = Zo->Scope->UnitCount();
        for (int32_t unit = 0; unit < units && unit + 2 < EntryCount; ++unit) {
            try {
                m_Version[static_cast<std::size_t>(unit + 2)] = Zo->Scope->UnitVersion(unit);
            } catch (const ZOSCOPELib::SdkError&) {
            }
        }
    } catch (const ZOSCOPELib::SdkError&) {
    }
    return {};
}
