#include "remote/RemoteSocket.h"

#include "core/LockFile.h"
#include "remote/RemoteProtocol.h"

#include <cstring>

#include <sys/socket.h>

namespace remote {

std::string func_SocketFolder()
{
    return LockFile::RuntimeFolder() + "/zocontrol";
}

std::string func_SocketPath()
{
    return func_SocketFolder() + "/control.sock";
}

bool func_RemoteWanted(const std::vector<std::string>& args)
{
    for (std::size_t a = 1; a < args.size(); ++a)
        if (SameName(args[a], "/NOREMOTE"))
            return false;
    return true;
}

std::optional<sockaddr_un> func_SocketAddress(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

} // namespace remote
