#include "model/clsFilter2.h"

#include "core/mdlGlobals.h"
#include "model/clsDbFilter.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"

clsFilter2::clsFilter2()
    : clsPositionCodes({
          Positions,
          DeviceIndex::FilterTurret2,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::TurretDevice& { return scope.FilterTurret2(); },
          nullptr,
          [](const clsZo& zo) -> const clsCodeNames& { return *zo.DbFilter; },
          91,
          &g_RefreshFilterBlock,
          nullptr,
      })
{
}
