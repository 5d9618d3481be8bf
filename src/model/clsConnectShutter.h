#pragma once

#include "model/clsConnectionPair.h"

#include <cstdint>

namespace ZOSCOPELib {
class ShutterDevice;
}

// What the two external shutter connectors are used for. Per connector
// (index 0 and 1): the use (0 none, 1 epi, 2 DIA, 3 auxiliary shutter) and
// the shutter maker number (0 none).
class clsConnectShutter : public clsConnectionPair<int32_t> {
public:
    // Uses the connectors can have; the shutter devices are chosen by them.
    static constexpr int32_t UseNone = 0, UseEpi = 1, UseDIA = 2, UseAUX = 3;

    std::string func_ReadSdk() override;
    std::string func_WriteSdk() override;
    std::string func_ReadDom(const pugi::xml_node& element) override;

private:
    // Re-reads whether the three shutters are present; a change moves the
    // pad's layout. Returns the error lines.
    std::string func_ReadPresence();
    // The shutter device a use stands for; null for "none".
    ZOSCOPELib::ShutterDevice* ShutterFor(int32_t use) const;
    // The staged entry of a setup-file element is valid on its own.
    static bool IsValidEntry(int32_t maker, int32_t use);

    // Setup files give the two connectors in two elements; they are checked
    // as a pair before they reach the working copy.
    Pair m_Staged;
    bool m_StagedFirst = false; // the first connector's element has been staged
};
