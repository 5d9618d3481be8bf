#include "model/clsModeRotation.h"

#include "sdk/ZoScope.h"

clsModeRotation::clsModeRotation()
    : clsNosepieceMode(
          {&ZOSCOPELib::NosepieceDevice::RotationStopper, &ZOSCOPELib::NosepieceDevice::SetRotationStopper, 102})
{
}
