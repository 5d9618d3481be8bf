#pragma once

#include <QString>

#include <string_view>

// A text of the model, the settings or the language file (UTF-8) for a control.
inline QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
