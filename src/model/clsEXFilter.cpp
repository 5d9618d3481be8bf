#include "model/clsEXFilter.h"

#include "core/mdlGlobals.h"
#include "model/clsDbEXFilter.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"

clsEXFilter::clsEXFilter()
    : clsPositionCodes({
          Positions,
          DeviceIndex::EXWheel,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::TurretDevice& { return scope.ExcitationWheel(); },
          nullptr,
          [](const clsZo& zo) -> const clsCodeNames& { return *zo.DbEXFilter; },
          93,
          &g_RefreshEXFilter,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().ExcitationFilters(); },
      })
{
}
