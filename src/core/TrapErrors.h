#pragma once

#include <exception>
#include <utility>

// The windows' handlers trap every error of the SDK and of the controls and
// return quietly: a device that fails or disappears must never take the
// window down with it. Returns whether the action ran to its end.
template <class Action>
bool TrapErrors(Action&& action) noexcept
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const std::exception&) {
        return false;
    } catch (...) {
        return false;
    }
}
