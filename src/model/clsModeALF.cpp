#include "model/clsModeALF.h"

#include "sdk/ZoScope.h"

clsModeALF::clsModeALF()
    : clsNosepieceMode({&ZOSCOPELib::NosepieceDevice::ALFMode, &ZOSCOPELib::NosepieceDevice::SetALFMode, 101})
{
}
