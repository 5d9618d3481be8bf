#include "remote/RemoteSocket.h"

#include "core/LockFile.h"
#include "remote/RemoteProtocol.h"

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

} // namespace remote
