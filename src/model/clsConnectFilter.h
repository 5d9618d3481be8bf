#pragma once

#include "model/clsComponent.h"

class clsConnectFilter : public clsComponent {
};
