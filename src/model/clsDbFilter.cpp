#include "model/clsDbFilter.h"

#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "sdk/DeviceIndex.h"

namespace {
constexpr std::array<int, 2> kEitherTurret{DeviceIndex::FilterTurret1, DeviceIndex::FilterTurret2};
constexpr int kMessage = 90;
} // namespace

clsDbFilter::clsDbFilter()
    : clsNameDatabase({
          309,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().FilterBlocks(); },
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::FilterBlockDatabase& { return scope.Database().FilterBlocks(); },
          kEitherTurret,
          kEitherTurret,
          kEitherTurret,
          kMessage,
          &g_RefreshFilterBlock,
          5,
      })
{
}

clsDbFilter::Mirrors::Mirrors()
    : clsNameDatabase({
          319,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().DichroicMirrors(); },
          nullptr,
          kEitherTurret,
          kEitherTurret,
          kEitherTurret,
          kMessage,
          &g_RefreshFilterBlock,
          0,
      })
{
}

void clsDbFilter::SetCustomEX(int32_t code, int32_t value)
{
    ZOSCOPELib::FilterComposition parts = Composition(code);
    parts.EX = value;
    SetComposition(code, parts);
}

void clsDbFilter::SetCustomBA(int32_t code, int32_t value)
{
    ZOSCOPELib::FilterComposition parts = Composition(code);
    parts.BA = value;
    SetComposition(code, parts);
}

void clsDbFilter::SetCustomDM(int32_t code, int32_t value)
{
    ZOSCOPELib::FilterComposition parts = Composition(code);
    parts.DM = value;
    SetComposition(code, parts);
}

int32_t clsDbFilter::DMDatabasePresetCount() const
{
    return m_Mirrors.DatabasePresetCount();
}

clsDbFilter::Mirrors& clsDbFilter::Attached()
{
    m_Mirrors.Zo = Zo;
    return m_Mirrors;
}

bool clsDbFilter::Busy() const
{
    return clsNameDatabase::Busy() || m_Mirrors.Busy();
}

std::string clsDbFilter::func_ReadSdk()
{
    std::string errors = clsNameDatabase::func_ReadSdk();
    if (errors.empty())
        errors = Attached().func_ReadSdk();
    return errors;
}

std::string clsDbFilter::func_WriteSdk()
{
    const std::string blocks = clsNameDatabase::func_WriteSdk();
    return func_JoinLines(blocks, Attached().func_WriteSdk());
}

void clsDbFilter::sub_RestData()
{
    clsNameDatabase::sub_RestData();
    Attached().sub_RestData();
}
