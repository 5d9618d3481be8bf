#pragma once

#include "model/clsComponent.h"

class clsConnectPiezoStage : public clsComponent {
};
