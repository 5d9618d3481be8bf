#include "remote/RemoteDevices.h"

#include "model/clsPadParameters.h"
#include "remote/RemoteProtocol.h"
#include "sdk/DeviceIndex.h"

#include <array>

namespace remote {

namespace {

using ZOSCOPELib::ParameterPtr;
using ZOSCOPELib::Scope;
using Item = clsPadParameters::Item;
namespace D = DeviceIndex;

constexpr std::array kDevices{
    RemoteDevice{"Nosepiece", RemoteDevice::Position, D::Nosepiece, Item::NosepiecePos, -1,
                 [](Scope& s) { return s.Nosepiece().Position(); }},
    RemoteDevice{"Condenser", RemoteDevice::Position, D::Condenser, Item::Con, -1,
                 [](Scope& s) { return s.Condenser().Position(); }},
    RemoteDevice{"FilterTurret1", RemoteDevice::Position, D::FilterTurret1, Item::FL1, -1,
                 [](Scope& s) { return s.FilterTurret1().Position(); }},
    RemoteDevice{"FilterTurret2", RemoteDevice::Position, D::FilterTurret2, Item::FL2, -1,
                 [](Scope& s) { return s.FilterTurret2().Position(); }},
    RemoteDevice{"ExcitationWheel", RemoteDevice::Position, D::EXWheel, Item::EX, -1,
                 [](Scope& s) { return s.ExcitationWheel().Position(); }},
    RemoteDevice{"BarrierWheel", RemoteDevice::Position, D::BAWheel, Item::BA, -1,
                 [](Scope& s) { return s.BarrierWheel().Position(); }},
    RemoteDevice{"LightPath", RemoteDevice::Position, D::LightPath, Item::PathPos, -1,
                 [](Scope& s) { return s.LightPath().Position(); }},
    RemoteDevice{"IrluxND", RemoteDevice::Position, D::Illuminator, Item::Irlux, -1,
                 [](Scope& s) { return s.Irlux().NDPosition(); }},
    RemoteDevice{"Irlux", RemoteDevice::OnOff, D::Illuminator, Item::IrluxIsOn, -1,
                 [](Scope& s) { return s.Irlux().IsOpened(); }},
    RemoteDevice{"DiaLamp", RemoteDevice::OnOff, D::DiaLamp, Item::DIALampIsOn, -1,
                 [](Scope& s) { return s.DiaLamp().IsOn(); }},
    RemoteDevice{"DiaShutter", RemoteDevice::OnOff, D::DiaShutter, Item::DIAShutter, -1,
                 [](Scope& s) { return s.DiaShutter().IsOpened(); }},
    RemoteDevice{"EpiShutter", RemoteDevice::OnOff, D::EpiShutter, Item::Epi, -1,
                 [](Scope& s) { return s.EpiShutter().IsOpened(); }},
    RemoteDevice{"AuxShutter", RemoteDevice::OnOff, D::AuxShutter, Item::AUX, -1,
                 [](Scope& s) { return s.AuxShutter().IsOpened(); }},
    RemoteDevice{"Analyzer", RemoteDevice::OnOff, D::Analyzer, Item::Anlyz, -1,
                 [](Scope& s) { return s.Analyzer().IsInserted(); }},
    RemoteDevice{"TIRF", RemoteDevice::OnOff, D::TIRF, Item::TIRFIsOn, -1,
                 [](Scope& s) { return s.TIRF().IsOn(); }},
    RemoteDevice{"FKSUnit", RemoteDevice::OnOff, D::FKS, Item::FKS, -1,
                 [](Scope& s) { return s.FKSUnit().Status(); }},
    RemoteDevice{"XAxis", RemoteDevice::Axis, D::XAxis, -1, AxisX, [](Scope& s) { return s.XAxis().Position(); }},
    RemoteDevice{"YAxis", RemoteDevice::Axis, D::YAxis, -1, AxisY, [](Scope& s) { return s.YAxis().Position(); }},
    RemoteDevice{"ZDrive", RemoteDevice::Axis, D::ZDrive, -1, AxisZ, [](Scope& s) { return s.ZDrive().Position(); }},
    RemoteDevice{"PiezoZ", RemoteDevice::Axis, D::PiezoZ, -1, AxisPiezo,
                 [](Scope& s) { return s.PiezoZ().Position(); }},
    RemoteDevice{"TIRFPosition", RemoteDevice::Axis, D::TIRF, -1, AxisTIRF,
                 [](Scope& s) { return s.TIRF().Position(); }},
    RemoteDevice{"FKSOffset", RemoteDevice::Axis, D::FKS, -1, AxisFKS,
                 [](Scope& s) { return s.FKSUnit().Offset().Position(); }},
};

// The short names of the axes in moves.
constexpr std::array<std::string_view, AxisCount> kAxisNames{"X", "Y", "Z", "Piezo", "TIRF", "FKS"};

} // namespace

std::span<const RemoteDevice> RemoteDeviceTable()
{
    return kDevices;
}

const RemoteDevice& AxisDevice(RemoteAxis axis)
{
    for (const RemoteDevice& device : kDevices)
        if (device.AxisOf == axis)
            return device;
    return kDevices.back();
}

std::string_view AxisName(RemoteAxis axis)
{
    return kAxisNames[static_cast<std::size_t>(axis)];
}

const RemoteDevice* FindRemoteDevice(std::string_view name)
{
    for (const RemoteDevice& device : kDevices)
        if (SameName(device.Name, name))
            return &device;
    return nullptr;
}

} // namespace remote
