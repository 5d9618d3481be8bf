#include "model/clsDbEXFilter.h"

#include "core/mdlGlobals.h"

clsDbEXFilter::clsDbEXFilter()
    : clsNameDatabase({
          319,
          [](ZOSCOPELib::Scope& scope) -> ZOSCOPELib::NameDatabase& { return scope.Database().ExcitationFilters(); },
          nullptr,
          {Always, Always},
          {6, 6},
          94,
          &g_RefreshEXFilter,
          9,
      })
{
}
