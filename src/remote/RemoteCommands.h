#pragma once

#include "remote/RemoteProtocol.h"
#include "remote/RemoteTarget.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace remote {

// Runs one of the pad's commands (state, set, move, mode, memory) and returns
// its result; a refusal throws RemoteError. wait and watch belong to the
// connection, not to the pad.
Json RunCommand(RemoteTarget& pad, const RemoteRequest& request);

// What the instrument reports now: every mounted device, the axes in device
// units and micrometres, the observation modes and the memory lists.
Json func_State(RemoteTarget& pad);
// The value of a device as scripts see it: a position, true/false, or an
// axis's device units.
Json func_DeviceValue(const RemoteDevice& device, int32_t value);

// The axes of a memory group, each with its table of slot texts.
using MemoryTable = std::array<std::string, 20>;
std::vector<std::pair<RemoteAxis, const MemoryTable*>> func_GroupTables(RemoteTarget::Group group);

} // namespace remote
