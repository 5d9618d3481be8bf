#include "pad/PadControlTable.h"

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

using K = PadKind;
using G = PadGroup;

// Frames first, so that everything else is drawn over them; then the rows of
// the first layout in its order.
constexpr std::array kControls = {
    PadControlInfo{"fraDIA", K::Frame, 1380, 64, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"fraFluorescence", K::Frame, 3045, 65, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"fraTIRF", K::Frame, 2985, 66, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"picTittle", K::Title, kButton, -1, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"txtX", K::Text, kText, 48, 14, G::None, "", 14},
    PadControlInfo{"txtY", K::Text, kText, 59, 15, G::None, "", 15},
    PadControlInfo{"txtZ", K::Text, kText, 60, 16, G::None, "", 16},
    PadControlInfo{"txtPiezo", K::Text, kText, 50, 17, G::None, "", 17},
    PadControlInfo{"picStatus", K::PushButton, kTextButton, 36, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"picOBJ", K::PushButton, kButton, 37, 10, G::None, "objective", 10},
    PadControlInfo{"cboOBJ", K::Combo, kCombo, 51, 10, G::None, "", 10},
    PadControlInfo{"picALF", K::PushButton, kButton, 30, kNosepieceAndZ, G::None, "alf", kTipALFMode},
    PadControlInfo{"chkFKS", K::TwoState, kButton, 8, 11, G::None, "fks", 11},
    PadControlInfo{"btnStageFKS", K::ThreeState, kButton, 38, 11, G::None, "step-fks", 11},
    PadControlInfo{"sbFKS", K::ScrollBar, kScroll, 39, 11, G::None, "", 11},
    PadControlInfo{"picMemFKS", K::PushButton, kButton, 49, 11, G::None, "mem-fks", 11},
    PadControlInfo{"picFL1", K::PushButton, kButton, 20, kFirstFilterRow, G::Fluorescence, "filter1", 8},
    PadControlInfo{"cboFL1", K::Combo, kCombo, 63, kFirstFilterRow, G::Fluorescence, "", 8},
    PadControlInfo{"chkAnlyz", K::TwoState, kButton, 2, 20, G::DIA, "analyzer", 20},
    PadControlInfo{"picFL2", K::PushButton, kButton, 21, kSecondFilterRow, G::Fluorescence, "filter2", 9},
    PadControlInfo{"cboFL2", K::Combo, kCombo, 62, kSecondFilterRow, G::Fluorescence, "", 9},
    PadControlInfo{"picCON", K::PushButton, kButton, 19, 7, G::DIA, "condenser", 7},
    PadControlInfo{"cboCON", K::Combo, kCombo, 56, 7, G::DIA, "", 7},
    PadControlInfo{"picRecallFKS", K::PushButton, kButton, 68, 11, G::None, "recall-fks", 11},
    PadControlInfo{"picEX", K::PushButton, kButton, 22, 6, G::Fluorescence, "excitation", 6},
    PadControlInfo{"cboEX", K::Combo, kCombo, 55, 6, G::Fluorescence, "", 6},
    PadControlInfo{"picBA", K::PushButton, kButton, 24, 5, G::Fluorescence, "barrier", 5},
    PadControlInfo{"cboBA", K::Combo, kCombo, 61, 5, G::Fluorescence, "", 5},
    PadControlInfo{"chkLaser", K::PushButton, kButton, 5, kAlwaysMounted, G::TIRF, "laser", kTipLaserModulator},
    PadControlInfo{"chkAUX", K::TwoState, kButton, 7, 4, G::None, "aux-shutter", 4},
    PadControlInfo{"picMemTIRF", K::PushButton, kButton, 27, 13, G::TIRF, "mem-tirf", 13},
    PadControlInfo{"cboTIRF", K::Combo, kCombo, 53, 13, G::TIRF, "", 13},
    PadControlInfo{"picIrlux", K::TwoState, kButton, 23, 1, G::Fluorescence, "illuminator", 1},
    PadControlInfo{"cboIrlux", K::Combo, kCombo, 54, 1, G::Fluorescence, "", 1},
    PadControlInfo{"chkEpi", K::TwoState, kButton, 1, 3, G::Fluorescence, "epi-shutter", 3},
    PadControlInfo{"chkTIRF", K::TwoState, kButton, 6, 13, G::TIRF, "tirf", 13},
    PadControlInfo{"btnStageTIRF", K::ThreeState, kButton, 67, 13, G::TIRF, "step-tirf", 13},
    PadControlInfo{"sbTIRFAngle", K::ScrollBar, kScroll, 10, 13, G::TIRF, "", 13},
    PadControlInfo{"picTIRFAngle", K::PushButton, kButton, 18, 13, G::TIRF, "tirf-angle", kTipTIRFWindow},
    PadControlInfo{"picPath", K::PushButton, kButton, 29, 12, G::None, "light-path", 12},
    PadControlInfo{"cboPath", K::Combo, kCombo, 52, 12, G::None, "", 12},
    PadControlInfo{"chkDIAShutter", K::TwoState, kButton, 4, 2, G::DIA, "dia-shutter", 2},
    PadControlInfo{"chkDIALamp", K::TwoState, kButton, 3, 0, G::DIA, "dia-lamp", 0},
    PadControlInfo{"sbDIALamp", K::ScrollBar, kScroll, 9, 0, G::DIA, "", 0},
    PadControlInfo{"picCNTLDia", K::PushButton, kButton, 0, 0, G::DIA, "lamp-control", 0},
    PadControlInfo{"picCHGMode", K::PushButton, kButton, 40, kAlwaysMounted, G::None, "mode", kTipObservationModes},
    PadControlInfo{"cboCHGMode", K::Combo, kCombo, 57, kAlwaysMounted, G::None, "", kTipObservationModes},
    PadControlInfo{"btnRotation", K::PushButton, kButton, -1, kNosepieceAndZ, G::None, "rotation", kTipRotationStopper},
    PadControlInfo{"picStageXY", K::ThreeState, kButton, 15, kXYStage, G::None, "step-xy", 14},
    PadControlInfo{"spnStageXY", K::XYSpin, kXYSpin, 35, kXYStage, G::None, "", 14},
    PadControlInfo{"picMemXY", K::PushButton, kButton, 42, kXYStage, G::None, "mem-xy", 14},
    PadControlInfo{"cboXY", K::Combo, kCombo, 45, kXYStage, G::None, "", 14},
    PadControlInfo{"sbAOM1", K::ScrollBar, kScroll, 12, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"sbAOM2", K::ScrollBar, kScroll, 13, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"picAOM", K::PushButton, kButton, 11, kAlwaysMounted, G::TIRF, "aom", kTipLaserModulator},
    PadControlInfo{"picStageZ", K::ThreeState, kButton, 16, 16, G::None, "step-z", 16},
    PadControlInfo{"spnStageZ", K::ZSpin, kZSpin, 33, 16, G::None, "", 16},
    PadControlInfo{"picMemZ", K::PushButton, kButton, 34, 16, G::None, "mem-z", 16},
    PadControlInfo{"cboZ", K::Combo, kCombo, 46, 16, G::None, "", 16},
    PadControlInfo{"sbAOM3", K::ScrollBar, kScroll, 14, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"sbAOM4", K::ScrollBar, kScroll, 25, kAlwaysMounted, G::TIRF, "", kTipLaserModulator},
    PadControlInfo{"picStagePiezo", K::ThreeState, kButton, 26, 17, G::None, "step-pz", 17},
    PadControlInfo{"spnStagePiezo", K::ZSpin, kZSpin, 28, 17, G::None, "", 17},
    PadControlInfo{"picMemPiezo", K::PushButton, kButton, 32, 17, G::None, "mem-pz", 17},
    PadControlInfo{"cboPiezo", K::Combo, kCombo, 47, 17, G::None, "", 17},
    PadControlInfo{"picStage", K::PushButton, kButton, 31, kAnyStageAxis, G::None, "stage", kTipStageWindow},
    PadControlInfo{"picSetting", K::PushButton, kTextButton, 43, kAlwaysMounted, G::None, "", kNoTip},
    PadControlInfo{"picExit", K::PushButton, kTextButton, 44, kAlwaysMounted, G::None, "", kNoTip},
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
