#pragma once

#include "model/clsComponent.h"

class clsRemoteKey : public clsComponent {
};
