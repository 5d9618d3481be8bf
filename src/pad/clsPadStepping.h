#pragma once

#include "pad/frmZoControl.h"

#include <array>

// Stage stepping on the pad: the step-size buttons of the five stepped axes,
// the step factor of the stage axes that follows the objective in use, and
// the moves the spin controls start.
//
// A step is increment(state of the axis's step-size button) x the axis's
// step factor. The three increments come from the settings file. The factor
// of X, Y, Z and piezo is derived from the objective in use when the axis's
// increment flag is on (X/Y: 1 / magnification; Z and piezo: the depth of
// field 0.55 / (2 NA^2)), never below the axis's smallest displayable step,
// and is the axis's default increment otherwise; TIRF steps by 0.1 and the
// FKS offset by 1.
class clsPadStepping {
public:
    // The axes with a step-size button, in the order of the settings file's
    // increment lists.
    enum StepAxis { StepXY, StepZ, StepPiezo, StepTIRF, StepFKS, StepAxisCount };

    explicit clsPadStepping(frmZoControl& pad);
    clsPadStepping(const clsPadStepping&) = delete;
    clsPadStepping& operator=(const clsPadStepping&) = delete;

    // The step-size button's handler (a click has advanced its state): puts
    // increment(state) x factor into the axis's spin control (XY: the X and
    // the Y step) or scroll bar.
    void sub_ApplyStep(StepAxis axis);
    // Every step button's tooltip gives the step it stands for now (in µm
    // for the objective in use on the stage axes).
    void sub_ShowStepTips();
    // As a click would: the button's next state (after the last back to 1),
    // then its handler.
    void sub_AdvanceStepButton(StepAxis axis);

    // Recomputes the factors of X, Y, Z and piezo for the objective in use
    // and applies the new steps (the nosepiece moved, the objective list
    // changed, an axis was initialised).
    void sub_RecomputeStepFactors();
    // An axis was bound: the stage speed and tolerance, the step factors.
    void sub_AxisInitialised(frmZoControl::Axis axis);

    // The step factor in use (stage axes X, Y, Z and piezo).
    double StepFactor(frmZoControl::Axis axis) const;
    // The step multiplier of a step-size button's state, from the settings
    // file (1 for a state or a text that cannot be used).
    static double func_Increment(StepAxis axis, int state);

private:
    double func_StepFactor(frmZoControl::Axis axis) const;
    // The spin controls' two events: a step moved the shown position (the
    // spin speed and tolerance, then the move), a press ended (the stage
    // speed and tolerance again).
    void OnStepped(frmZoControl::Axis axis, double position);
    void OnPressEnded(frmZoControl::Axis axis);
    // Speed and tolerance belong to the X, Y and Z drives.
    static void sub_SetSpeed(frmZoControl::Axis axis, int16_t speed, int16_t tolerance);
    usrMPButton& Button(StepAxis axis) const;
    void ShowStepTip(StepAxis axis, double increment) const;

    frmZoControl& m_Pad;
    std::array<double, 4> m_Factor{}; // X, Y, Z, piezo
};
