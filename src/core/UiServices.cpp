#include "core/UiServices.h"

UiServices* g_UiServices = nullptr;
