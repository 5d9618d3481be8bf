#pragma once

#include "pad/PadCommandPath.h"
#include "windows/PadMemoryHost.h"

#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class frmZoControl;
class QWidget;

// The moves of the pad's axes (stage X, Y, Z, piezo Z, TIRF, the FKS offset)
// from start to arrival. An axis knows its target from the moment its
// command is sent; its move is over when the drive reports a position and no
// longer says it is busy (it arrived or was stopped), or when a command to
// it fails. A recall holds the pad's controls, the stage window and the TIRF
// window disabled until every axis of the recall is over, so that nothing
// else can be started meanwhile; the Stop button and Escape stay, and stop
// every axis that moves, whoever started it.
class clsPadMotion {
public:
    using Axis = PadMemoryHost::Axis;
    using Targets = std::vector<std::pair<Axis, int32_t>>;

    clsPadMotion(frmZoControl& pad, PadCommandPath& path);
    ~clsPadMotion();
    clsPadMotion(const clsPadMotion&) = delete;
    clsPadMotion& operator=(const clsPadMotion&) = delete;

    // Moves axes to device positions, in the order given. A target outside
    // its drive's limits refuses the whole move before anything is sent
    // (Text: message 82). With hold, the windows are held until the moves
    // are over. A move while a recall holds the pad is Busy; after a failure
    // the remaining axes are not sent.
    PadCommandResult func_Move(const Targets& targets, bool hold);
    // An axis reported its position (the pad's position handlers call this
    // before they show it).
    void sub_Reported(Axis axis);
    // Stop on every axis that moves (the XY stage as one); whether any did.
    bool func_StopAll();

    std::optional<int32_t> Target(Axis axis) const { return m_Tracks[axis].Target; }
    bool Moving(Axis axis) const { return m_Tracks[axis].Moving; }
    bool Moving() const;
    bool Held() const { return m_Hold.has_value(); }

    // The presence number of an axis's drive.
    static int func_Device(Axis axis);

    // A move began or ended, or the hold changed.
    std::function<void()> OnChanged;

private:
    struct Track {
        bool Moving = false;
        std::optional<int32_t> Target;
    };
    // The windows a recall holds, and the axes it waits for.
    struct Hold {
        std::vector<QPointer<QWidget>> Windows;
        std::vector<Axis> Axes;
    };

    void Start(Axis axis, int32_t target);
    void Finish(Axis axis);
    bool func_Busy(Axis axis) const;
    PadCommandResult Stop(Axis axis, const std::function<void()>& call, std::initializer_list<Axis> axes);
    void HoldWindows();
    void ReleaseWhenOver();
    // The stage window's map of the axis's group shows the group's target, or no more.
    void sub_ShowTarget(Axis axis);
    void Changed();

    frmZoControl& m_Pad;
    PadCommandPath& m_Path;
    std::array<Track, PadMemoryHost::AxisCount> m_Tracks{};
    std::optional<Hold> m_Hold;
};
