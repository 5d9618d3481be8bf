#pragma once

#include "model/clsComponent.h"

class clsConnectMicroscope : public clsComponent {
};
