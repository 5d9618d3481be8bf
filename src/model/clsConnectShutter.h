#pragma once

#include "model/clsComponent.h"

class clsConnectShutter : public clsComponent {
};
