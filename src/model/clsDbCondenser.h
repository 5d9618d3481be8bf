#pragma once

#include "model/clsNameDatabase.h"

// Names of the condenser models, codes 0..309; user entries 300..309. Read and written only with the condenser present.
class clsDbCondenser : public clsNameDatabase {
public:
    clsDbCondenser();
};
