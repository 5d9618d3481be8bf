#pragma once

#include "model/clsComponent.h"

class clsDbFilter : public clsComponent {
};
