#include "model/clsDbCondenser.h"

#include "core/mdlGlobals.h"

clsDbCondenser::clsDbCondenser()
    : clsNameDatabase({
          309,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().Condensers(); },
          nullptr,
          {7, 7},
          {7, 7},
          88,
          &g_RefreshCondenser,
          5,
      })
{
}
