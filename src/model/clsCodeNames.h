#pragma once

#include <cstdint>
#include <string>

// A model database as the position components see it: the name of a model
// code ("" for a code nobody uses), and whether the database is being
// written right now. While it is, the SDK reports the new names as changes of
// the turret that shows them; a position component re-read at that moment
// would take the SDK's codes over the user's unsent edits, so it waits.
class clsCodeNames {
public:
    virtual ~clsCodeNames() = default;
    virtual std::string Name(int32_t code) const = 0;
    virtual bool Busy() const = 0;
};

// A name as the SDK database keeps it: a free entry (empty name) is stored as
// a single blank, which reading trims back to "".
inline std::string func_SdkName(std::string name)
{
    if (name.empty())
        name.push_back(' ');
    return name;
}
