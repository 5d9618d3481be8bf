#pragma once

#include "model/clsComponent.h"

class clsEXFilter : public clsComponent {
};
