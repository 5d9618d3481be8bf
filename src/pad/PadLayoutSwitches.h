#pragma once

#include "pad/LayoutSwitches.h"

// The layout switches as the program holds them: "GUILayout"/"Type" and
// "ChangeGui " of the settings file and g_LayoutPending. A fixed type
// (the designed arrangement) always applies that layout.
class PadLayoutSwitches : public LayoutSwitches {
public:
    PadLayoutSwitches() = default;
    explicit PadLayoutSwitches(int fixedType) : m_FixedType(fixedType) {}

    int LayoutType() const override;
    bool ChangeGui() const override;
    bool LayoutPending() const override;
    void SetLayoutPending(bool pending) override;

private:
    int m_FixedType = 0; // 0: the settings decide
};
