#include "sdk/ZoScope.h"

#include <chrono>

#ifndef ZO_SDK_VERSION
#define ZO_SDK_VERSION "1.0.0"
#endif

namespace ZOSCOPELib {

int64_t SteadyClock::NowMicroseconds() const
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string LibraryVersion()
{
    return ZO_SDK_VERSION;
}

} // namespace ZOSCOPELib
