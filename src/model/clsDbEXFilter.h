#pragma once

#include "model/clsComponent.h"

class clsDbEXFilter : public clsComponent {
};
