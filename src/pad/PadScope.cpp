#include "pad/PadScope.h"

#include "model/clsZo.h"

ZOSCOPELib::Scope& func_PadScope()
{
    if (!g_Zo->Scope)
        throw ZOSCOPELib::SdkError("ZoControl", ZOSCOPELib::NotConnected, "no microscope is connected");
    return *g_Zo->Scope;
}

bool func_PadMounted(int index)
{
    return g_Zo->IsMounted(index) == 1;
}
