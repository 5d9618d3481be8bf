#include "model/clsBAFilter.h"

#include "core/mdlGlobals.h"
#include "model/clsDBBAFilter.h"
#include "model/clsZo.h"

clsBAFilter::clsBAFilter()
    : clsPositionCodes({
          Positions,
          5,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::TurretDevice& { return scope.BarrierWheel(); },
          nullptr,
          [](const clsZo& zo) -> const clsCodeNames& { return *zo.DBBAFilter; },
          95,
          &g_RefreshBAFilter,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().BarrierFilters(); },
      })
{
}
