#pragma once
// The hardware side of the simulated microscope, for tests and tools: faults,
// plugging devices in and out, the operator's hand on the ergo switch, and
// direct access to the configuration.

#include "sdk/ZoScope.h"
#include "sdk/sim/SimDescription.h"

#include <string>

namespace ZOSCOPELib::sim {

class SimScope;

class Control {
public:
    // Throws std::invalid_argument when scope is not the simulated microscope.
    explicit Control(Scope& scope);

    // Every call of the device (its IsMounted read included) fails with NotAnswering.
    void SetNotAnswering(int device, bool notAnswering = true);
    // Calls of object.member fail with the number: `times` times, or always
    // when negative. object "Nosepiece" also covers its items
    // ("Nosepiece.Item[2]"); "*" matches any object or member.
    void FailCall(const std::string& object, const std::string& member, int32_t number, int times = -1);
    void ClearFaults();
    // Plugs a device in or out while running; raises its presence events.
    void Plug(int device, bool mounted);
    void PressErgoSwitch(bool pressed);
    bool IsConnected() const;
    // The configuration the instrument holds now (changes made here raise no events).
    Description& Config();

private:
    SimScope& m_scope;
};

// Reads an instrument description file on top of the built-in instrument.
// Throws SdkError (InvalidArgument) naming the file and line.
Description LoadDescription(const std::string& path);

} // namespace ZOSCOPELib::sim
