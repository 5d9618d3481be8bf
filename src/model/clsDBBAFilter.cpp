#include "model/clsDBBAFilter.h"

#include "core/mdlGlobals.h"
#include "sdk/DeviceIndex.h"

clsDBBAFilter::clsDBBAFilter()
    : clsNameDatabase({
          319,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().BarrierFilters(); },
          nullptr,
          {Always, Always},
          {DeviceIndex::BAWheel, DeviceIndex::BAWheel},
          {DeviceIndex::BAWheel, DeviceIndex::BAWheel},
          96,
          &g_RefreshBAFilter,
          9,
      })
{
}
