#pragma once

#include "sdk/ZoScope.h"

// The control pad's live parameter members, as far as the model reads them
// (observation-mode capture). The pad implements this; clsZo holds it, so the
// model never includes a window header.
class clsPadParameters {
public:
    enum Item {
        NosepiecePos, // m_mipNosepisePos
        Con,          // m_mipCon
        PathPos,      // m_mipPathPos
        FL1,          // m_mipFL1
        FL2,          // m_mipFL2
        Anlyz,        // m_mipAnlyz
        EX,           // m_mipEX
        BA,           // m_mipBA
        TIRFIsOn,     // m_mipTIRFIsOn
        IrluxIsOn,    // m_mipIrluxIsOn
        Irlux,        // m_mipIrlux
        DIALampIsOn,  // m_mipDIALampIsOn
        DIALampPos,   // m_mipDIALampPos
        Epi,          // m_mipEpi
        DIAShutter,   // m_mipDIAShutter
        AUX,          // m_mipAUX
        FKS,          // m_mipFKS
        FKSOffset,    // m_mipFKSOffset
    };

    virtual ~clsPadParameters() = default;
    // The pad's parameter object for the item, or null when the pad has none
    // (the device is absent or the pad is not loaded).
    virtual ZOSCOPELib::ParameterPtr func_PadParameter(Item item) = 0;
};
