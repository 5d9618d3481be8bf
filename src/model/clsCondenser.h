#pragma once

#include "model/clsComponent.h"

class clsCondenser : public clsComponent {
};
