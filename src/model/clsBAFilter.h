#pragma once

#include "model/clsComponent.h"

class clsBAFilter : public clsComponent {
};
