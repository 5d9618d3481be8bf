#pragma once

#include "model/clsComponent.h"

class clsDbCondenser : public clsComponent {
};
