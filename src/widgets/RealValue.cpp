#include "widgets/RealValue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

RealValue::RealValue(double minimum, double maximum, double step)
{
    setMinimum(minimum);
    setMaximum(maximum);
    setStep(step);
    m_value = clamp(m_value);
}

double RealValue::clamp(double value) const
{
    return std::min(m_maximum, std::max(m_minimum, value));
}

bool RealValue::setValue(double value)
{
    if (std::isnan(value))
        return false;
    const double clamped = clamp(value);
    if (clamped == m_value)
        return false;
    m_value = clamped;
    return true;
}

void RealValue::setMinimum(double minimum)
{
    if (std::isnan(minimum))
        return;
    m_minimum = minimum;
    m_maximum = std::max(m_maximum, minimum);
    m_value = clamp(m_value);
}

void RealValue::setMaximum(double maximum)
{
    if (std::isnan(maximum))
        return;
    m_maximum = maximum;
    m_minimum = std::min(m_minimum, maximum);
    m_value = clamp(m_value);
}

void RealValue::setStep(double step)
{
    if (!std::isnan(step))
        m_step = step;
}

bool RealValue::stepBy(int direction)
{
    if (m_step <= 0.0 || direction == 0)
        return false;
    return setValue(clean(m_value + direction * m_step));
}

bool RealValue::stepTowards(double target, int steps)
{
    if (m_step <= 0.0 || steps <= 0 || target == m_value)
        return false;
    const double distance = steps * m_step;
    const double next = target > m_value ? std::min(target, m_value + distance)
                                         : std::max(target, m_value - distance);
    return setValue(clean(next));
}

double RealValue::fraction() const
{
    const double range = m_maximum - m_minimum;
    return range > 0.0 ? (m_value - m_minimum) / range : 0.0;
}

double RealValue::valueAtFraction(double fraction) const
{
    const double range = m_maximum - m_minimum;
    double value = m_minimum + std::clamp(fraction, 0.0, 1.0) * range;
    if (m_step > 0.0)
        value = m_minimum + std::round((value - m_minimum) / m_step) * m_step;
    return clamp(clean(value));
}

double RealValue::clean(double value)
{
    if (!std::isfinite(value))
        return value;
    std::array<char, 40> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::general, 12);
    double cleaned = value;
    std::from_chars(text.data(), written.ptr, cleaned);
    return cleaned;
}

std::string RealValue::format(double value)
{
    std::array<char, 40> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), clean(value));
    std::string result(text.data(), written.ptr);
    // Shortest form may choose an exponent for very large or small values;
    // a position readout wants plain digits.
    if (result.find('e') != std::string::npos) {
        const auto fixed = std::to_chars(text.data(), text.data() + text.size(), clean(value),
                                         std::chars_format::fixed);
        result.assign(text.data(), fixed.ptr);
    }
    return result == "-0" ? "0" : result;
}
