#pragma once

#include "model/clsNameDatabase.h"

// Names of the excitation filters, codes 0..319; user entries 300..319. Always read; written only with the excitation wheel present.
class clsDbEXFilter : public clsNameDatabase {
public:
    clsDbEXFilter();
};
