#pragma once

#include "model/clsPadParameters.h"
#include "sdk/ZoScope.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

// Which observation mode the instrument is in: the first mode whose every
// recorded device (a cell that is not 2147483647, of a device the pad
// follows) is in the recorded state now; none when no mode is. The devices
// are followed through the pad's parameters: an event reads the one value
// that changed and compares it with the few modes, so following the flood of
// a moving axis costs next to nothing.
class PadModeMatch {
public:
    // The modes in the order of the pad's list.
    void SetModes(std::vector<ZOSCOPELib::ModeRecord> modes);
    // Follows the parameters the pad holds now (call after the pad bound
    // its devices again) and compares at once.
    void Watch(clsPadParameters& pad);
    // Index of the matching mode, -1 for none.
    int Matching() const { return m_Match; }

    // The matching mode changed.
    std::function<void(int index)> OnChanged;

private:
    struct Cell {
        int Slot;                    // the cell of the mode record
        clsPadParameters::Item Item; // the pad's parameter of that device
        bool OnOff;                  // compared as 1 or 0
    };
    static const std::array<Cell, 18> kCells;

    void Read(std::size_t cell);
    void Compare();

    std::vector<ZOSCOPELib::ModeRecord> m_Modes;
    std::array<ZOSCOPELib::ParameterPtr, kCells.size()> m_Parameters;
    std::array<std::optional<int32_t>, kCells.size()> m_Now; // none: not followed, or not readable
    std::vector<ZOSCOPELib::Subscription> m_Subscriptions;
    int m_Match = -1;
};
