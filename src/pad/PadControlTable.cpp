#include "pad/PadControlTable.h"

#include "pad/frmZoControl.h"
#include "sdk/DeviceIndex.h"

#include <array>

namespace {

// Designed heights, twips (15 twips = 1 px).
constexpr int kButton = 540;
constexpr int kCombo = 330;
constexpr int kScroll = 300;
constexpr int kText = 210;
constexpr int kTextButton = 360; // the buttons with a caption
constexpr int kXYSpin = 450;
constexpr int kZSpin = 540;

namespace D = DeviceIndex;
using G = PadGroup;
using Z = frmZoControl;

// Frames first, so that everything else is drawn over them; then the rows of
// the first layout in its order.
constexpr std::array kControls = {
    PadControlInfo{"fraDIA", &Z::fraDIA, 1380, 64, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"fraFluorescence", &Z::fraFluorescence, 3045, 65, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"fraTIRF", &Z::fraTIRF, 2985, 66, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"picTittle", &Z::picTittle, kButton, -1, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"txtX", &Z::txtX, kText, 48, D::XAxis, G::None, "", D::XAxis},
    PadControlInfo{"txtY", &Z::txtY, kText, 59, D::YAxis, G::None, "", D::YAxis},
    PadControlInfo{"txtZ", &Z::txtZ, kText, 60, D::ZDrive, G::None, "", D::ZDrive},
    PadControlInfo{"txtPiezo", &Z::txtPiezo, kText, 50, D::PiezoZ, G::None, "", D::PiezoZ},
    PadControlInfo{"picStatus", &Z::picStatus, kTextButton, 36, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"picOBJ", &Z::picOBJ, kButton, 37, D::Nosepiece, G::None, "objective", D::Nosepiece},
    PadControlInfo{"cboOBJ", &Z::cboOBJ, kCombo, 51, D::Nosepiece, G::None, "", D::Nosepiece},
    PadControlInfo{"picALF", &Z::picALF, kButton, 30, kNosepieceAndZ, G::None, "alf", kTipALFMode},
    PadControlInfo{"chkFKS", &Z::chkFKS, kButton, 8, D::FKS, G::None, "fks", D::FKS},
    PadControlInfo{"btnStageFKS", &Z::btnStageFKS, kButton, 38, D::FKS, G::None, "step-fks", D::FKS},
    PadControlInfo{"sbFKS", &Z::sbFKS, kScroll, 39, D::FKS, G::None, "", D::FKS},
    PadControlInfo{"picMemFKS", &Z::picMemFKS, kButton, 49, D::FKS, G::None, "mem-fks", D::FKS},
    PadControlInfo{"picFL1", &Z::picFL1, kButton, 20, kFirstFilterRow, G::Fluorescence, "filter1", D::FilterTurret1},
    PadControlInfo{"cboFL1", &Z::cboFL1, kCombo, 63, kFirstFilterRow, G::Fluorescence, "", D::FilterTurret1},
    PadControlInfo{"chkAnlyz", &Z::chkAnlyz, kButton, 2, D::Analyzer, G::DIA, "analyzer", D::Analyzer},
    PadControlInfo{"picFL2", &Z::picFL2, kButton, 21, kSecondFilterRow, G::Fluorescence, "filter2", D::FilterTurret2},
    PadControlInfo{"cboFL2", &Z::cboFL2, kCombo, 62, kSecondFilterRow, G::Fluorescence, "", D::FilterTurret2},
    PadControlInfo{"picCON", &Z::picCON, kButton, 19, D::Condenser, G::DIA, "condenser", D::Condenser},
    PadControlInfo{"cboCON", &Z::cboCON, kCombo, 56, D::Condenser, G::DIA, "", D::Condenser},
    PadControlInfo{"picRecallFKS", &Z::picRecallFKS, kButton, 68, D::FKS, G::None, "recall-fks", D::FKS},
    PadControlInfo{"picEX", &Z::picEX, kButton, 22, D::EXWheel, G::Fluorescence, "excitation", D::EXWheel},
    PadControlInfo{"cboEX", &Z::cboEX, kCombo, 55, D::EXWheel, G::Fluorescence, "", D::EXWheel},
    PadControlInfo{"picBA", &Z::picBA, kButton, 24, D::BAWheel, G::Fluorescence, "barrier", D::BAWheel},
    PadControlInfo{"cboBA", &Z::cboBA, kCombo, 61, D::BAWheel, G::Fluorescence, "", D::BAWheel},
    PadControlInfo{"chkLaser", &Z::chkLaser, kButton, 5, kAlwaysMounted, G::TIRF, "laser", kTipLaserModulator},
    PadControlInfo{"chkAUX", &Z::chkAUX, kButton, 7, D::AuxShutter, G::None, "aux-shutter", D::AuxShutter},
    PadControlInfo{"picMemTIRF", &Z::picMemTIRF, kButton, 27, D::TIRF, G::TIRF, "mem-tirf", D::TIRF},
    PadControlInfo{"cboTIRF", &Z::cboTIRF, kCombo, 53, D::TIRF, G::TIRF, "", D::TIRF},
    PadControlInfo{"picIrlux", &Z::picIrlux, kButton, 23, D::Illuminator, G::Fluorescence, "illuminator",
                   D::Illuminator},
    PadControlInfo{"cboIrlux", &Z::cboIrlux, kCombo, 54, D::Illuminator, G::Fluorescence, "", D::Illuminator},
    PadControlInfo{"chkEpi", &Z::chkEpi, kButton, 1, D::EpiShutter, G::Fluorescence, "epi-shutter", D::EpiShutter},
    PadControlInfo{"chkTIRF", &Z::chkTIRF, kButton, 6, D::TIRF, G::TIRF, "tirf", D::TIRF},
    PadControlInfo{"btnStageTIRF", &Z::btnStageTIRF, kButton, 67, D::TIRF, G::TIRF, "step-tirf", D::TIRF},
    PadControlInfo{"sbTIRFAngle", &Z::sbTIRFAngle, kScroll, 10, D::TIRF, G::TIRF, "", D::TIRF},
    PadControlInfo{"picTIRFAngle", &Z::picTIRFAngle, kButton, 18, D::TIRF, G::TIRF, "tirf-angle", kTipTIRFWindow},
    PadControlInfo{"picPath", &Z::picPath, kButton, 29, D::LightPath, G::None, "light-path", D::LightPath},
    PadControlInfo{"cboPath", &Z::cboPath, kCombo, 52, D::LightPath, G::None, "", D::LightPath},
    PadControlInfo{"chkDIAShutter", &Z::chkDIAShutter, kButton, 4, D::DiaShutter, G::DIA, "dia-shutter", D::DiaShutter},
    PadControlInfo{"chkDIALamp", &Z::chkDIALamp, kButton, 3, D::DiaLamp, G::DIA, "dia-lamp", D::DiaLamp},
    PadControlInfo{"sbDIALamp", &Z::sbDIALamp, kScroll, 9, D::DiaLamp, G::DIA, "", D::DiaLamp},
    PadControlInfo{"picCNTLDia", &Z::picCNTLDia, kButton, 0, D::DiaLamp, G::DIA, "lamp-control", D::DiaLamp},
    PadControlInfo{"picCHGMode", &Z::picCHGMode, kButton, 40, kAlwaysMounted, G::None, "mode", kTipObservationModes},
    PadControlInfo{"cboCHGMode", &Z::cboCHGMode, kCombo, 57, kAlwaysMounted, G::None, "", kTipObservationModes},
    PadControlInfo{"btnRotation", &Z::btnRotation, kButton, -1, kNosepieceAndZ, G::None, "rotation",
                   kTipRotationStopper},
    PadControlInfo{"picStageXY", &Z::picStageXY, kButton, 15, kXYStage, G::None, "step-xy", D::XAxis},
    PadControlInfo{"spnStageXY", &Z::spnStageXY, kXYSpin, 35, kXYStage, G::None, "", D::XAxis},
    PadControlInfo{"picMemXY", &Z::picMemXY, kButton, 42, kXYStage, G::None, "mem-xy", D::XAxis},
    PadControlInfo{"cboXY", &Z::cboXY, kCombo, 45, kXYStage, G::None, "", D::XAxis},
    PadControlInfo{"sbAOM1", &Z::sbAOM1, kScroll, 12, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"sbAOM2", &Z::sbAOM2, kScroll, 13, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"picAOM", &Z::picAOM, kButton, 11, kAlwaysMounted, G::TIRF, "aom", kTipLaserModulator},
    PadControlInfo{"picStageZ", &Z::picStageZ, kButton, 16, D::ZDrive, G::None, "step-z", D::ZDrive},
    PadControlInfo{"spnStageZ", &Z::spnStageZ, kZSpin, 33, D::ZDrive, G::None, "", D::ZDrive},
    PadControlInfo{"picMemZ", &Z::picMemZ, kButton, 34, D::ZDrive, G::None, "mem-z", D::ZDrive},
    PadControlInfo{"cboZ", &Z::cboZ, kCombo, 46, D::ZDrive, G::None, "", D::ZDrive},
    PadControlInfo{"sbAOM3", &Z::sbAOM3, kScroll, 14, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"sbAOM4", &Z::sbAOM4, kScroll, 25, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"picStagePiezo", &Z::picStagePiezo, kButton, 26, D::PiezoZ, G::None, "step-pz", D::PiezoZ},
    PadControlInfo{"spnStagePiezo", &Z::spnStagePiezo, kZSpin, 28, D::PiezoZ, G::None, "", D::PiezoZ},
    PadControlInfo{"picMemPiezo", &Z::picMemPiezo, kButton, 32, D::PiezoZ, G::None, "mem-pz", D::PiezoZ},
    PadControlInfo{"cboPiezo", &Z::cboPiezo, kCombo, 47, D::PiezoZ, G::None, "", D::PiezoZ},
    PadControlInfo{"picStage", &Z::picStage, kButton, 31, kAnyStageAxis, G::None, "stage", kTipStageWindow},
    PadControlInfo{"picSetting", &Z::picSetting, kTextButton, 43, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"picExit", &Z::picExit, kTextButton, 44, kAlwaysMounted, G::None, "", kNoTip},
};

} // namespace

std::span<const PadControlInfo> PadControls()
{
    return kControls;
}

const PadControlInfo* FindPadControl(std::string_view name)
{
    for (const PadControlInfo& info : kControls)
        if (info.Name == name)
            return &info;
    return nullptr;
}
