#pragma once

#include "remote/RemoteProtocol.h"

#include <optional>
#include <string>
#include <vector>

// zoctl's command line as a request to the pad. Exit codes: 0 done, 1 the
// pad refused, 2 no pad or a malformed command line.
namespace zoctl {

inline constexpr int kDone = 0;
inline constexpr int kRefused = 1;
inline constexpr int kUnusable = 2;

struct Command {
    remote::Json Request;     // empty for help
    bool PrintsJson = false;  // state, memory list: the result as JSON
    bool Streams = false;     // watch: the event lines until the pad ends
    std::string Help;         // the text to print instead of sending
};

// The request of a command line (args without the program name); throws
// std::invalid_argument with the usage text when it cannot be one.
Command func_Parse(const std::vector<std::string>& args);

} // namespace zoctl
