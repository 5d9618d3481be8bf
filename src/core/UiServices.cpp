#include "core/UiServices.h"

UiServices* g_UiServices = nullptr;

BusyPointer::BusyPointer()
{
    if (g_UiServices)
        g_UiServices->SetBusyPointer(true);
}

BusyPointer::~BusyPointer()
{
    if (g_UiServices)
        g_UiServices->SetBusyPointer(false);
}
