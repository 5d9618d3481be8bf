#pragma once

#include "model/clsConnectionPair.h"

#include <cstdint>

// What the two camera controllers are set to: per controller (index 0 and 1)
// the camera type number as its use (0 none) and the camera maker number
// (0 none).
class clsConnectKMX : public clsConnectionPair<int16_t> {
public:
    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;
};
