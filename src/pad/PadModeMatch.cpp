#include "pad/PadModeMatch.h"

#include "core/TrapErrors.h"

using Pad = clsPadParameters;

// The cells a mode applies, with the pad's parameter of each device (the
// filter-turret cells are turret 1 and turret 2, as the pad's FL1 and FL2
// items are). Cells 15 to 18 and 21 are carried, not applied.
const std::array<PadModeMatch::Cell, 18> PadModeMatch::kCells{{
    {0, Pad::NosepiecePos, false}, {1, Pad::FL1, false},       {2, Pad::FL2, false},
    {3, Pad::EX, false},           {4, Pad::BA, false},        {5, Pad::Con, false},
    {6, Pad::Anlyz, true},         {7, Pad::DIALampIsOn, true}, {8, Pad::DIALampPos, false},
    {9, Pad::Epi, true},           {10, Pad::DIAShutter, true}, {11, Pad::AUX, true},
    {12, Pad::IrluxIsOn, true},    {13, Pad::PathPos, false},  {14, Pad::Irlux, false},
    {19, Pad::FKS, true},          {20, Pad::FKSOffset, false}, {22, Pad::TIRFIsOn, true},
}};

void PadModeMatch::SetModes(std::vector<ZOSCOPELib::ModeRecord> modes)
{
    m_Modes = std::move(modes);
    Compare();
}

void PadModeMatch::Watch(clsPadParameters& pad)
{
    m_Subscriptions.clear();
    for (std::size_t i = 0; i < kCells.size(); ++i) {
        m_Parameters[i] = pad.func_PadParameter(kCells[i].Item);
        if (m_Parameters[i])
            m_Subscriptions.push_back(m_Parameters[i]->OnValueChanged.Subscribe([this, i] {
                Read(i);
                Compare();
            }));
        Read(i);
    }
    Compare();
}

void PadModeMatch::Read(std::size_t cell)
{
    std::optional<int32_t>& now = m_Now[cell];
    now.reset();
    int32_t value = 0;
    // A device that cannot be read is in no known state: no mode matches it.
    if (!m_Parameters[cell] || !TrapErrors([&] { value = m_Parameters[cell]->Value(); }))
        return;
    now = kCells[cell].OnOff ? (value == 1 ? 1 : 0) : value;
}

void PadModeMatch::Compare()
{
    int match = -1;
    for (std::size_t m = 0; m < m_Modes.size() && match < 0; ++m) {
        bool recorded = false;
        bool all = true;
        for (std::size_t i = 0; i < kCells.size() && all; ++i) {
            const int32_t cell = m_Modes[m][static_cast<std::size_t>(kCells[i].Slot)];
            if (cell == ZOSCOPELib::NotSet || !m_Parameters[i])
                continue;
            recorded = true;
            all = m_Now[i] == cell;
        }
        if (recorded && all)
            match = static_cast<int>(m);
    }
    if (match == m_Match)
        return;
    m_Match = match;
    if (OnChanged)
        OnChanged(match);
}
