#pragma once

#include "model/clsComponent.h"

class clsShortcutKey : public clsComponent {
};
