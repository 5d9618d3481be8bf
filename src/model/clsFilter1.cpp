#include "model/clsFilter1.h"

#include "core/mdlGlobals.h"
#include "model/clsDbFilter.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"

clsFilter1::clsFilter1()
    : clsPositionCodes({
          Positions,
          DeviceIndex::FilterTurret1,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::TurretDevice& { return scope.FilterTurret1(); },
          nullptr,
          [](const clsZo& zo) -> const clsCodeNames& { return *zo.DbFilter; },
          89,
          &g_RefreshFilterBlock,
          nullptr,
      })
{
}
