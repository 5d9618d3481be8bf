#pragma once

#include "sdk/ZoScope.h"

#include <span>
#include <string_view>

namespace remote {

// The axes as the pad numbers them (X, Y, Z, piezo, TIRF, FKS offset).
enum RemoteAxis { AxisX, AxisY, AxisZ, AxisPiezo, AxisTIRF, AxisFKS, AxisCount };

// A device as scripts name it: the name of its object at the SDK boundary,
// what its value is, its presence number, the pad's item for a command to it
// (-1: none, an axis moves) and the parameter that reports its value.
struct RemoteDevice {
    enum Kind { Position, OnOff, Axis };
    std::string_view Name;
    Kind Type;
    int Index;
    int Item;      // clsPadParameters::Item, -1 for axes
    int AxisOf;    // RemoteAxis of an axis, -1 for the others
    ZOSCOPELib::ParameterPtr (*Read)(ZOSCOPELib::Scope&);
};

std::span<const RemoteDevice> RemoteDeviceTable();
// By name, without letter case; null when unknown.
const RemoteDevice* FindRemoteDevice(std::string_view name);
// The axis's entry.
const RemoteDevice& AxisDevice(RemoteAxis axis);
// The short name of an axis in moves and memories (X, Y, Z, Piezo, TIRF, FKS).
std::string_view AxisName(RemoteAxis axis);

} // namespace remote
