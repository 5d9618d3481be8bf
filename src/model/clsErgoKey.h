#pragma once

#include "model/clsComponent.h"

class clsErgoKey : public clsComponent {
};
