#pragma once

#include "model/clsComponent.h"

class clsObjective : public clsComponent {
};
