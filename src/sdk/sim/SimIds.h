#pragma once
// Indices the simulator uses to address its devices, position devices, axes,
// on/off states and name tables. Plain enums so they index arrays directly.

namespace ZOSCOPELib::sim {

// Presence index of every device (the IsMounted index of the program), and
// the XY stage, which has no presence index of its own.
namespace dev {
enum Index : int {
    DiaLamp, Irlux, DiaShutter, EpiShutter, AuxShutter, BarrierWheel, ExcitationWheel, Condenser,
    FilterTurret1, FilterTurret2, Nosepiece, FKSUnit, LightPath, TIRF, XAxis, YAxis, ZDrive, PiezoZ,
    KMX1, KMX2, Analyzer, Device21, RemotePad, ErgoController,
    Count,
    XYStage = Count, // not a presence index
    All
};
} // namespace dev

// Everything that moves between numbered positions.
namespace turret {
enum Index : int { Nosepiece, Condenser, FilterTurret1, FilterTurret2, ExcitationWheel, BarrierWheel, LightPath, IrluxND, Count };
} // namespace turret

// Everything that travels.
namespace axis {
enum Index : int { X, Y, Z, Piezo, TIRF, FKSOffset, Count };
} // namespace axis

// Every on/off state, shutters included.
namespace flag {
enum Index : int { DiaOpen, EpiOpen, AuxOpen, IrluxOpen, AnalyzerIn, TIRFOn, TIRFERG, FKSOn, LampOn, LampControl, ErgoSwitch, Count };
} // namespace flag

// The name tables of the model database (objectives have their own records).
namespace table {
enum Index : int { Condensers, FilterBlocks, ExcitationFilters, BarrierFilters, DichroicMirrors, Count };
} // namespace table

// What a shutter connector is wired to; the numbers are the shutter uses of
// the program (1 epi, 2 DIA, 3 auxiliary).
namespace use {
enum Index : int { None = 0, Epi = 1, Dia = 2, Aux = 3 };
} // namespace use

} // namespace ZOSCOPELib::sim
