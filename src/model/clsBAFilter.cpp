#include "model/clsBAFilter.h"

#include "core/mdlGlobals.h"
#include "model/clsDBBAFilter.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"

clsBAFilter::clsBAFilter()
    : clsPositionCodes({
          Positions,
          DeviceIndex::BAWheel,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::TurretDevice& { return scope.BarrierWheel(); },
          nullptr,
          [](const clsZo& zo) -> const clsCodeNames& { return *zo.DBBAFilter; },
          95,
          &g_RefreshBAFilter,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().BarrierFilters(); },
      })
{
}
