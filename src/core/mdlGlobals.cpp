#include "core/mdlGlobals.h"

std::string g_AppPath;

bool g_RefreshObjective = false;
bool g_RefreshCondenser = false;
bool g_RefreshFilterBlock = false;
bool g_RefreshEXFilter = false;
bool g_RefreshBAFilter = false;
bool g_RefreshObservationMode = false;
bool g_RefreshPiezoStage = false;
bool g_LayoutPending = false;

void NormalizeAppPath()
{
    if (!g_AppPath.empty() && g_AppPath.back() != '/')
        g_AppPath += '/';
}
