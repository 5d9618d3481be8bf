#include "pad/PadControlTable.h"

#include "core/mdlLanguage.h"
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
using T = LangPadTips;

// Frames first, so that everything else is drawn over them; then the rows of
// the first layout in its order.
constexpr std::array kControls = {
    PadControlInfo{"fraDIA", &Z::fraDIA, 1380, 64, kAlwaysMounted, G::None, "", nullptr},
    PadControlInfo{"fraFluorescence", &Z::fraFluorescence, 3045, 65, kAlwaysMounted, G::None, "", nullptr},
    PadControlInfo{"fraTIRF", &Z::fraTIRF, 2985, 66, kAlwaysMounted, G::None, "", nullptr},
    PadControlInfo{"picTittle", &Z::picTittle, kButton, -1, kAlwaysMounted, G::None, "", nullptr},
    PadControlInfo{"txtX", &Z::txtX, kText, 48, D::XAxis, G::None, "", &T::PositionX},
    PadControlInfo{"txtY", &Z::txtY, kText, 59, D::YAxis, G::None, "", &T::PositionY},
    PadControlInfo{"txtZ", &Z::txtZ, kText, 60, D::ZDrive, G::None, "", &T::PositionZ},
    PadControlInfo{"txtPiezo", &Z::txtPiezo, kText, 50, D::PiezoZ, G::None, "", &T::PositionPiezo},
    PadControlInfo{"picStatus", &Z::picStatus, kTextButton, 36, kAlwaysMounted, G::None, "", &T::Refresh},
    PadControlInfo{"picOBJ", &Z::picOBJ, kButton, 37, D::Nosepiece, G::None, "objective", &T::Objective},
    PadControlInfo{"cboOBJ", &Z::cboOBJ, kCombo, 51, D::Nosepiece, G::None, "", &T::Objective},
    PadControlInfo{"picALF", &Z::picALF, kButton, 30, kNosepieceAndZ, G::None, "alf", &T::ALF},
    PadControlInfo{"chkFKS", &Z::chkFKS, kButton, 8, D::FKS, G::None, "fks", &T::FKS},
    PadControlInfo{"btnStageFKS", &Z::btnStageFKS, kButton, 38, D::FKS, G::None, "step-fks", &T::FKSStep},
    PadControlInfo{"sbFKS", &Z::sbFKS, kScroll, 39, D::FKS, G::None, "", &T::FKSOffset},
    PadControlInfo{"picMemFKS", &Z::picMemFKS, kButton, 49, D::FKS, G::None, "mem-fks", &T::FKSStore},
    PadControlInfo{"picFL1", &Z::picFL1, kButton, 20, kFirstFilterRow, G::Fluorescence, "filter1", &T::FilterTurret},
    PadControlInfo{"cboFL1", &Z::cboFL1, kCombo, 63, kFirstFilterRow, G::Fluorescence, "", &T::FilterTurret},
    PadControlInfo{"chkAnlyz", &Z::chkAnlyz, kButton, 2, D::Analyzer, G::DIA, "analyzer", &T::Analyzer},
    PadControlInfo{"picFL2", &Z::picFL2, kButton, 21, kSecondFilterRow, G::Fluorescence, "filter2", &T::FilterTurret},
    PadControlInfo{"cboFL2", &Z::cboFL2, kCombo, 62, kSecondFilterRow, G::Fluorescence, "", &T::FilterTurret},
    PadControlInfo{"picCON", &Z::picCON, kButton, 19, D::Condenser, G::DIA, "condenser", &T::Condenser},
    PadControlInfo{"cboCON", &Z::cboCON, kCombo, 56, D::Condenser, G::DIA, "", &T::Condenser},
    PadControlInfo{"picRecallFKS", &Z::picRecallFKS, kButton, 68, D::FKS, G::None, "recall-fks", &T::FKSRecall},
    PadControlInfo{"picEX", &Z::picEX, kButton, 22, D::EXWheel, G::Fluorescence, "excitation", &T::Excitation},
    PadControlInfo{"cboEX", &Z::cboEX, kCombo, 55, D::EXWheel, G::Fluorescence, "", &T::Excitation},
    PadControlInfo{"picBA", &Z::picBA, kButton, 24, D::BAWheel, G::Fluorescence, "barrier", &T::Barrier},
    PadControlInfo{"cboBA", &Z::cboBA, kCombo, 61, D::BAWheel, G::Fluorescence, "", &T::Barrier},
    PadControlInfo{"chkLaser", &Z::chkLaser, kButton, 5, kAlwaysMounted, G::TIRF, "laser", &T::Laser},
    PadControlInfo{"chkAUX", &Z::chkAUX, kButton, 7, D::AuxShutter, G::None, "aux-shutter", &T::AuxShutter},
    PadControlInfo{"picMemTIRF", &Z::picMemTIRF, kButton, 27, D::TIRF, G::TIRF, "mem-tirf", &T::TIRFStore},
    PadControlInfo{"cboTIRF", &Z::cboTIRF, kCombo, 53, D::TIRF, G::TIRF, "", &T::TIRFRecall},
    PadControlInfo{"picIrlux", &Z::picIrlux, kButton, 23, D::Illuminator, G::Fluorescence, "illuminator",
                   &T::Illuminator},
    PadControlInfo{"cboIrlux", &Z::cboIrlux, kCombo, 54, D::Illuminator, G::Fluorescence, "", &T::IlluminatorND},
    PadControlInfo{"chkEpi", &Z::chkEpi, kButton, 1, D::EpiShutter, G::Fluorescence, "epi-shutter", &T::EpiShutter},
    PadControlInfo{"chkTIRF", &Z::chkTIRF, kButton, 6, D::TIRF, G::TIRF, "tirf", &T::TIRF},
    PadControlInfo{"btnStageTIRF", &Z::btnStageTIRF, kButton, 67, D::TIRF, G::TIRF, "step-tirf", &T::TIRFStep},
    PadControlInfo{"sbTIRFAngle", &Z::sbTIRFAngle, kScroll, 10, D::TIRF, G::TIRF, "", &T::TIRFPosition},
    PadControlInfo{"picTIRFAngle", &Z::picTIRFAngle, kButton, 18, D::TIRF, G::TIRF, "tirf-angle", &T::TIRFWindow},
    PadControlInfo{"picPath", &Z::picPath, kButton, 29, D::LightPath, G::None, "light-path", &T::LightPath},
    PadControlInfo{"cboPath", &Z::cboPath, kCombo, 52, D::LightPath, G::None, "", &T::LightPath},
    PadControlInfo{"chkDIAShutter", &Z::chkDIAShutter, kButton, 4, D::DiaShutter, G::DIA, "dia-shutter",
                   &T::DIAShutter},
    PadControlInfo{"chkDIALamp", &Z::chkDIALamp, kButton, 3, D::DiaLamp, G::DIA, "dia-lamp", &T::DIALamp},
    PadControlInfo{"sbDIALamp", &Z::sbDIALamp, kScroll, 9, D::DiaLamp, G::DIA, "", &T::DIALampLevel},
    PadControlInfo{"picCNTLDia", &Z::picCNTLDia, kButton, 0, D::DiaLamp, G::DIA, "lamp-control", &T::LampControl},
    PadControlInfo{"picCHGMode", &Z::picCHGMode, kButton, 40, kAlwaysMounted, G::None, "mode", &T::Modes},
    PadControlInfo{"cboCHGMode", &Z::cboCHGMode, kCombo, 57, kAlwaysMounted, G::None, "", &T::Modes},
    PadControlInfo{"btnRotation", &Z::btnRotation, kButton, -1, kNosepieceAndZ, G::None, "rotation", &T::Rotation},
    PadControlInfo{"picStageXY", &Z::picStageXY, kButton, 15, kXYStage, G::None, "step-xy", &T::XYStep},
    PadControlInfo{"spnStageXY", &Z::spnStageXY, kXYSpin, 35, kXYStage, G::None, "", &T::XYMove},
    PadControlInfo{"picMemXY", &Z::picMemXY, kButton, 42, kXYStage, G::None, "mem-xy", &T::XYStore},
    PadControlInfo{"cboXY", &Z::cboXY, kCombo, 45, kXYStage, G::None, "", &T::XYRecall},
    PadControlInfo{"sbAOM1", &Z::sbAOM1, kScroll, 12, kAlwaysMounted, G::TIRF, "", &T::Laser},
    PadControlInfo{"sbAOM2", &Z::sbAOM2, kScroll, 13, kAlwaysMounted, G::TIRF, "", &T::Laser},
    PadControlInfo{"picAOM", &Z::picAOM, kButton, 11, kAlwaysMounted, G::TIRF, "aom", &T::Laser},
    PadControlInfo{"picStageZ", &Z::picStageZ, kButton, 16, D::ZDrive, G::None, "step-z", &T::ZStep},
    PadControlInfo{"spnStageZ", &Z::spnStageZ, kZSpin, 33, D::ZDrive, G::None, "", &T::ZMove},
    PadControlInfo{"picMemZ", &Z::picMemZ, kButton, 34, D::ZDrive, G::None, "mem-z", &T::ZStore},
    PadControlInfo{"cboZ", &Z::cboZ, kCombo, 46, D::ZDrive, G::None, "", &T::ZRecall},
    PadControlInfo{"sbAOM3", &Z::sbAOM3, kScroll, 14, kAlwaysMounted, G::TIRF, "", &T::Laser},
    PadControlInfo{"sbAOM4", &Z::sbAOM4, kScroll, 25, kAlwaysMounted, G::TIRF, "", &T::Laser},
    PadControlInfo{"picStagePiezo", &Z::picStagePiezo, kButton, 26, D::PiezoZ, G::None, "step-pz", &T::PiezoStep},
    PadControlInfo{"spnStagePiezo", &Z::spnStagePiezo, kZSpin, 28, D::PiezoZ, G::None, "", &T::PiezoMove},
    PadControlInfo{"picMemPiezo", &Z::picMemPiezo, kButton, 32, D::PiezoZ, G::None, "mem-pz", &T::PiezoStore},
    PadControlInfo{"cboPiezo", &Z::cboPiezo, kCombo, 47, D::PiezoZ, G::None, "", &T::PiezoRecall},
    PadControlInfo{"picStage", &Z::picStage, kButton, 31, kAnyStageAxis, G::None, "stage", &T::StageWindow},
    PadControlInfo{"picSetting", &Z::picSetting, kTextButton, 43, kAlwaysMounted, G::None, "", &T::Settings},
    PadControlInfo{"picExit", &Z::picExit, kTextButton, 44, kAlwaysMounted, G::None, "", &T::Exit},
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
