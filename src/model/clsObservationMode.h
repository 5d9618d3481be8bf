#pragma once

#include "model/clsComponent.h"

class clsObservationMode : public clsComponent {
};
