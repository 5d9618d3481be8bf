#include "model/clsCondenser.h"

#include "core/mdlGlobals.h"
#include "model/clsDbCondenser.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"

clsCondenser::clsCondenser()
    : clsPositionCodes({
          Positions,
          DeviceIndex::Condenser,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::TurretDevice& { return scope.Condenser(); },
          nullptr,
          [](const clsZo& zo) -> const clsCodeNames& { return *zo.DbCondenser; },
          87,
          &g_RefreshCondenser,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().Condensers(); },
      })
{
}
