#pragma once

#include <string>

// The window font a language file asks for. An empty name means "keep the
// fonts the windows were designed with".
struct ControlFont {
    std::string name;
    bool bold = false;
    bool italic = false;
    int size = 10;     // points
    int charset = 0;   // kept for completeness; Qt picks glyphs by script itself
};
