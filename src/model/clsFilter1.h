#pragma once

#include "model/clsComponent.h"

class clsFilter1 : public clsComponent {
};
