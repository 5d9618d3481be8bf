#include "model/clsConnectShutter.h"

#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"
#include "sdk/DeviceIndex.h"

namespace {

constexpr int kMessage = 97;

bool InRange(int i)
{
    return i >= 0 && i < clsConnectShutter::ConnectorCount;
}

// The highest maker and use numbers, entry 0 of the language file's lists.
int32_t MakerLimit()
{
    return zo::LeadingInt(g_LangShutterSetting.Maker[0]);
}

int32_t UseLimit()
{
    return zo::LeadingInt(g_LangShutterSetting.User[0]);
}

} // namespace

ZOSCOPELib::ShutterDevice* clsConnectShutter::ShutterFor(int32_t use) const
{
    switch (use) {
    case UseEpi:
        return &Zo->Scope->EpiShutter();
    case UseDIA:
        return &Zo->Scope->DiaShutter();
    case UseAUX:
        return &Zo->Scope->AuxShutter();
    default:
        return nullptr;
    }
}

std::string clsConnectShutter::func_ReadPresence()
{
    std::string errors;
    for (const int index : {DeviceIndex::AuxShutter, DeviceIndex::DiaShutter, DeviceIndex::EpiShutter}) {
        try {
            const int32_t mounted = Zo->Scope->DeviceAt(index).IsMounted()->Value() == 1 ? 1 : 0;
            if (mounted != Zo->IsMounted(index)) {
                Zo->SetIsMounted(index, mounted);
                g_LayoutPending = true;
            }
        } catch (const std::exception& e) {
            errors = func_JoinLines(errors, func_ReadError(kMessage, e));
        }
    }
    return errors;
}

std::string clsConnectShutter::func_ReadSdk()
{
    if (m_Busy || !Zo || !Zo->Scope)
        return {};
    std::string errors = func_ReadPresence();

    // Each present shutter tells which connector it is wired to; the use
    // follows from which shutter it is and whether a maker is known.
    auto take = [&](int index, int32_t use, bool builtInMaker) {
        if (Zo->IsMounted(index) != 1)
            return;
        try {
            int32_t connector = 0, maker = 0;
            ShutterFor(use)->GetConnection(connector, maker);
            if (!InRange(connector - 1))
                return;
            const auto c = static_cast<std::size_t>(connector - 1);
            // The DIA shutter of the microscope itself (maker 1) occupies no connector.
            const bool none = maker == 0 || (builtInMaker && maker == 1);
            m_Work.maker[c] = none ? 0 : maker;
            m_Work.use[c] = none ? UseNone : use;
        } catch (const std::exception& e) {
            errors = func_JoinLines(errors, func_ReadError(kMessage, e));
        }
    };
    take(DeviceIndex::AuxShutter, UseAUX, false);
    take(DeviceIndex::DiaShutter, UseDIA, true);
    take(DeviceIndex::EpiShutter, UseEpi, false);
    namespace D = DeviceIndex;
    if (Zo->IsMounted(D::AuxShutter) != 1 && Zo->IsMounted(D::DiaShutter) != 1 && Zo->IsMounted(D::EpiShutter) != 1)
        m_Work = Pair{};
    m_Backup = m_Work;
    return errors;
}

std::string clsConnectShutter::func_WriteSdk()
{
    if (!Zo || !Zo->Scope || m_Work == m_Backup)
        return {};
    m_Busy = true;
    g_LayoutPending = true;
    std::string errors;
    std::array<bool, ConnectorCount> failed{};

    // Free both connectors on every shutter, then wire each connector to the
    // shutter its use names.
    for (const int32_t use : {UseAUX, UseDIA, UseEpi}) {
        for (int connector = 1; connector <= ConnectorCount; ++connector) {
            try {
                ShutterFor(use)->Release(connector);
            } catch (const ZOSCOPELib::SdkError& e) {
                // A shutter that is wired nowhere has nothing to release.
                if (e.Number() == ZOSCOPELib::NotMounted)
                    continue;
                failed[static_cast<std::size_t>(connector - 1)] = true;
            } catch (const std::exception&) {
                failed[static_cast<std::size_t>(connector - 1)] = true;
            }
        }
    }
    for (int connector = 1; connector <= ConnectorCount; ++connector) {
        const auto c = static_cast<std::size_t>(connector - 1);
        if (ZOSCOPELib::ShutterDevice* shutter = ShutterFor(m_Work.use[c])) {
            try {
                shutter->Connect(connector, m_Work.maker[c]);
            } catch (const std::exception&) {
                failed[c] = true;
            }
        }
        if (failed[c]) {
            errors = func_JoinLines(errors, func_ItemError(kMessage, connector));
        } else {
            m_Backup.use[c] = m_Work.use[c];
            m_Backup.maker[c] = m_Work.maker[c];
        }
    }
    errors = func_JoinLines(errors, func_ReadPresence());
    m_Busy = false;
    return errors;
}

bool clsConnectShutter::IsValidEntry(int32_t maker, int32_t use)
{
    if (maker < 0 || maker > MakerLimit() || use < 0 || use > UseLimit())
        return false;
    switch (maker) {
    case 0:
        return use == 0;
    case 1:
        return use != 0 && use != UseDIA;
    case 2:
        return use != 0;
    default:
        return true;
    }
}

std::string clsConnectShutter::func_ReadDom(const pugi::xml_node& element)
{
    std::string_view idAsRead;
    const auto entry = func_DomReadConnection(element, idAsRead);
    if (!entry)
        return func_ItemError(kMessage, idAsRead);

    const auto c = static_cast<std::size_t>(entry->id - 1);
    std::string errors;
    if (entry->brand && entry->type && IsValidEntry(*entry->brand, *entry->type)) {
        m_Staged.maker[c] = *entry->brand;
        m_Staged.use[c] = *entry->type;
    } else {
        m_Staged.maker[c] = m_Work.maker[c];
        m_Staged.use[c] = m_Work.use[c];
        errors = func_ItemError(kMessage, entry->id);
    }
    if (entry->id == 1) {
        m_StagedFirst = true;
        return errors;
    }
    // The second entry closes the pair; without a first one since the last
    // pair the first connector keeps its working values.
    if (!m_StagedFirst) {
        m_Staged.maker[0] = m_Work.maker[0];
        m_Staged.use[0] = m_Work.use[0];
    }
    m_StagedFirst = false;
    if (m_Staged.use[0] != UseNone && m_Staged.use[0] == m_Staged.use[1])
        return func_JoinLines(errors, func_ItemError(kMessage, 2));
    m_Work = m_Staged;
    return errors;
}
