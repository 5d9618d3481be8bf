#pragma once

#include "model/clsNameDatabase.h"

// Names of the barrier filters, codes 0..319; user entries 300..319. Always read; written only with the barrier wheel present.
class clsDBBAFilter : public clsNameDatabase {
public:
    clsDBBAFilter();
};
