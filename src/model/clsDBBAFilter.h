#pragma once

#include "model/clsComponent.h"

class clsDBBAFilter : public clsComponent {
};
