#pragma once

#include "model/clsComponent.h"

class clsDBObjective : public clsComponent {
};
