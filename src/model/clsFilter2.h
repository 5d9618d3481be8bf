#pragma once

#include "model/clsComponent.h"

class clsFilter2 : public clsComponent {
};
