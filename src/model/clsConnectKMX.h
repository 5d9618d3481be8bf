#pragma once

#include "model/clsComponent.h"

class clsConnectKMX : public clsComponent {
};
