#pragma once

#include <optional>
#include <string>
#include <vector>

#include <sys/un.h>

namespace remote {

// Where the running pad listens: the folder (the user's alone, 0700) in the
// user's runtime folder and the socket in it (0600).
std::string func_SocketFolder();
std::string func_SocketPath();
// The pad listens unless its command line holds /NOREMOTE (any letter case).
bool func_RemoteWanted(const std::vector<std::string>& args);
// The address of a local socket at path; nothing when the path is empty or
// too long for one.
std::optional<sockaddr_un> func_SocketAddress(const std::string& path);

} // namespace remote
