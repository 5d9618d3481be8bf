// Instrument descriptions and saved states come from files people edit: any
// bytes must end in a description or in an SdkError naming the line, and a
// description's saved state must read back to the same state.
#include "sdk/sim/SimDescription.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using ZOSCOPELib::sim::Description;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Description d = Description::Default();
    try {
        d.Apply(text, "fuzz");
    } catch (const ZOSCOPELib::SdkError&) {
        return 0;
    }
    const std::string state = d.StateText();
    Description again = d;
    again.Apply(state, "state"); // must not throw: the program wrote it
    if (again.StateText() != state)
        std::abort();
    return 0;
}
