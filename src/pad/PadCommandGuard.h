#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <vector>

// The shape of every user command on the pad: the busy flag of the device
// (when it has one), the hourglass and the whole pad disabled while the one
// SDK call runs; afterwards the pad enabled again, the mouse and key input
// that queued up meanwhile discarded, the normal pointer, the busy flag
// cleared. Held as a guard, so that a failing call can never leave the pad
// disabled, the pointer busy or the device marked busy. A move that the
// other windows must not start a second one of disables them as well (those
// that exist; a window closed meanwhile is skipped).
class PadCommandGuard {
public:
    PadCommandGuard(QWidget& pad, bool* busy = nullptr, std::initializer_list<QWidget*> others = {});
    ~PadCommandGuard();
    PadCommandGuard(const PadCommandGuard&) = delete;
    PadCommandGuard& operator=(const PadCommandGuard&) = delete;

    // Runs one command under the guard and traps its errors; returns whether
    // the call succeeded.
    static bool Run(QWidget& pad, bool* busy, const std::function<void()>& call,
                    std::initializer_list<QWidget*> others = {});

private:
    QWidget& m_Pad;
    bool* m_Busy;
    std::vector<QPointer<QWidget>> m_Others;
};

