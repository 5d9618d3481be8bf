#include "model/clsDbEXFilter.h"

#include "core/mdlGlobals.h"
#include "sdk/DeviceIndex.h"

clsDbEXFilter::clsDbEXFilter()
    : clsNameDatabase({
          319,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().ExcitationFilters(); },
          nullptr,
          {Always, Always},
          {DeviceIndex::EXWheel, DeviceIndex::EXWheel},
          {DeviceIndex::EXWheel, DeviceIndex::EXWheel},
          94,
          &g_RefreshEXFilter,
          9,
      })
{
}
