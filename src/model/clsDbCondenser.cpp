#include "model/clsDbCondenser.h"

#include "core/mdlGlobals.h"
#include "sdk/DeviceIndex.h"

clsDbCondenser::clsDbCondenser()
    : clsNameDatabase({
          309,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().Condensers(); },
          nullptr,
          {DeviceIndex::Condenser, DeviceIndex::Condenser},
          {DeviceIndex::Condenser, DeviceIndex::Condenser},
          {Always, Always}, // a load into an absent condenser's database is cancelled too
          88,
          &g_RefreshCondenser,
          5,
      })
{
}
