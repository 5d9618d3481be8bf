#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class clsPadStepping;
class frmZoControl;

// The pad's function dispatcher: runs a function code of the keyboard
// shortcuts by driving the same SDK operations and pad controls that a mouse
// user would. Every code maps, through one table, to an action, the device or
// control it acts on and an argument (a position, a port kind, a direction,
// a memory or mode number). Codes without a row, and 0, do nothing; a device
// that is absent or refuses does nothing visible.
class clsPadFunctions {
public:
    enum class Action {
        StepSize,   // advance a step-size button and run its handler
        PortKind,   // light path to the port of kind Argument
        PortToggle, // light path between the ports of kind 1 and 2
        Position,   // a turret, wheel or the ND filter to position Argument
        Step,       // a turret, wheel or the ND filter: forward (Argument 1) or backward (-1)
        Toggle,     // a two-state device to the opposite of its state
        Settings,   // open the settings dialog on its key page
        TIRFMemory, // recall TIRF memory Argument through cboTIRF
        Spin,       // press a spin control part: up/plus (Argument 1) or down/minus (-1)
        Mode,       // apply observation mode Argument through cboCHGMode
    };
    enum class Target {
        None,
        // step-size buttons and spin controls
        StageXY, StageZ, StagePiezo, StageX, StageY,
        // turrets, wheels, the ND filter
        LightPath, Nosepiece, Condenser, FirstFL, SecondFL, EXWheel, BAWheel, IrluxND,
        // two-state devices
        DIALamp, FKS, Analyzer, DIAShutter, EpiShutter, TIRF, TIRFERG, AUXShutter, IrluxShutter,
    };
    struct Function {
        Action Kind;
        Target On;
        int Argument;
    };
    // A run of codes: code First + k has the argument Argument + k * Stride.
    struct Row {
        int First;
        int Last;
        Action Kind;
        Target On;
        int Argument;
        int Stride;
    };

    // openSettings: the settings dialog on its key page with that sub-page
    // (the pad starts TimerErgo; nothing while the dialog is open).
    clsPadFunctions(frmZoControl& pad, clsPadStepping& stepping, std::function<void(int16_t subPage)> openSettings);

    // The function of a code, or none.
    static std::optional<Function> func_Function(int code);
    static std::span<const Row> Table();

    // The dispatcher: runs the function of a code with its errors trapped.
    void sub_RunFunction(int code);

private:
    void Run(const Function& function);
    void sub_Toggle(Target target);
    void sub_Position(Target target, int position);
    void sub_Step(Target target, bool forward);
    void sub_PortKind(int kind);
    void sub_PortToggle();
    bool func_Mounted(Target target) const;
    // The presence number of a target's device (-1 for the pad's own buttons).
    static int func_Device(Target target);

    frmZoControl& m_Pad;
    clsPadStepping& m_Stepping;
    std::function<void(int16_t)> m_OpenSettings;
};
