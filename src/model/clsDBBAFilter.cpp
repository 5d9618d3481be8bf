#include "model/clsDBBAFilter.h"

#include "core/mdlGlobals.h"

clsDBBAFilter::clsDBBAFilter()
    : clsNameDatabase({
          319,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().BarrierFilters(); },
          nullptr,
          {Always, Always},
          {5, 5},
          96,
          &g_RefreshBAFilter,
          9,
      })
{
}
