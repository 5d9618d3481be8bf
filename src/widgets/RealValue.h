#pragma once

#include <string>

// A real number held inside [minimum, maximum] with a step, shared by the
// scroll bar and every axis of the spin controls.
//
// Values set from code are stored exactly as given (only clamped), so 12.5
// reads back as 12.5. Values produced by stepping or by a mouse position are
// rounded to 12 significant digits, which removes binary noise such as
// 0.1 + 0.2 = 0.30000000000000004 without touching any value a user could
// have meant.
class RealValue {
public:
    // Wide default limits: a position written before the limits are known
    // must not be lost to a clamp at 0.
    static constexpr double DefaultMinimum = -1e9;
    static constexpr double DefaultMaximum = 1e9;

    RealValue() = default;
    RealValue(double minimum, double maximum, double step);

    double value() const { return m_value; }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    double step() const { return m_step; }

    // Clamps into the range; NaN is ignored. Returns whether the value changed.
    bool setValue(double value);
    // A new minimum above the maximum moves the maximum with it (and the other
    // way round); the value is clamped into the new range.
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    // A step of 0 or less makes stepBy() do nothing.
    void setStep(double step);

    // Moves by direction (+1/-1) times the step, clamped. Returns whether the
    // value changed; a value already at the limit stays and returns false.
    bool stepBy(int direction);
    // Moves by a number of steps towards target without passing it; for
    // paging a scroll bar towards the pointer. Returns whether it moved.
    bool stepTowards(double target, int steps);

    // Position of the value inside the range, 0..1 (0 for an empty range).
    double fraction() const;
    // The value at a fraction of the range, on the grid minimum + k * step
    // when the step is positive, clamped.
    double valueAtFraction(double fraction) const;

    // 12 significant digits, see above.
    static double clean(double value);
    // Shortest text that reads back as the cleaned value, "." as the decimal
    // separator whatever the locale: 12.5 -> "12.5", 100 -> "100".
    static std::string format(double value);

private:
    double clamp(double value) const;

    double m_value = 0.0;
    double m_minimum = DefaultMinimum;
    double m_maximum = DefaultMaximum;
    double m_step = 1.0;
};
