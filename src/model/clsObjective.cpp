#include "model/clsObjective.h"

#include "core/mdlGlobals.h"
#include "model/clsDBObjective.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"

clsObjective::clsObjective()
    : clsPositionCodes({
          Positions,
          DeviceIndex::Nosepiece,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::TurretDevice& { return scope.Nosepiece(); },
          [](ZOSCOPELib::Scope& scope, int32_t position) -> ZOSCOPELib::ObjectiveItem& {
              return scope.Nosepiece().Objective(position);
          },
          [](const clsZo& zo) -> const clsCodeNames& { return *zo.DBObjective; },
          85,
          &g_RefreshObjective,
          nullptr,
      })
{
}
