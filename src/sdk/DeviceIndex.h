#pragma once

// The presence numbers of the instrument's devices: the index of
// clsZo::IsMounted and of Scope::DeviceAt. Plain ints, so they can be
// stored in tables and counted from (KMX1 + 1 is KMX2).
namespace DeviceIndex {
inline constexpr int DiaLamp = 0;
inline constexpr int Illuminator = 1;
inline constexpr int DiaShutter = 2;
inline constexpr int EpiShutter = 3;
inline constexpr int AuxShutter = 4;
inline constexpr int BAWheel = 5;
inline constexpr int EXWheel = 6;
inline constexpr int Condenser = 7;
inline constexpr int FilterTurret1 = 8;
inline constexpr int FilterTurret2 = 9;
inline constexpr int Nosepiece = 10;
inline constexpr int FKS = 11;
inline constexpr int LightPath = 12;
inline constexpr int TIRF = 13;
inline constexpr int XAxis = 14;
inline constexpr int YAxis = 15;
inline constexpr int ZDrive = 16;
inline constexpr int PiezoZ = 17;
inline constexpr int KMX1 = 18;
inline constexpr int KMX2 = 19;
inline constexpr int Analyzer = 20;
inline constexpr int Device21 = 21; // presence only
inline constexpr int RemotePad = 22;
inline constexpr int ErgoController = 23;
inline constexpr int Count = 24;
} // namespace DeviceIndex
