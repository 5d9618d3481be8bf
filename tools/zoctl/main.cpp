// zoctl: one request to the running pad through its control socket, the
// reply printed (JSON for state, memory list and watch, else one line).

#include "ZoctlCommand.h"

#include "remote/RemoteSocket.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using remote::Json;

class Connection {
public:
    explicit Connection(const std::string& path)
    {
        const auto address = remote::func_SocketAddress(path);
        if (!address)
            return;
        m_Fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (m_Fd >= 0 && ::connect(m_Fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0) {
            ::close(m_Fd);
            m_Fd = -1;
        }
    }
    ~Connection()
    {
        if (m_Fd >= 0)
            ::close(m_Fd);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Open() const { return m_Fd >= 0; }

    bool Send(const std::string& line)
    {
        std::size_t sent = 0;
        while (sent < line.size()) {
            const ssize_t n = ::send(m_Fd, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            sent += static_cast<std::size_t>(n);
        }
        return true;
    }

    // The next line without its end; false when the pad closed the connection.
    bool ReadLine(std::string& line)
    {
        for (;;) {
            if (const std::size_t end = m_Buffer.find('\n'); end != std::string::npos) {
                line = m_Buffer.substr(0, end);
                m_Buffer.erase(0, end + 1);
                return true;
            }
            char chunk[4096];
            const ssize_t n = ::recv(m_Fd, chunk, sizeof(chunk), 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            m_Buffer.append(chunk, static_cast<std::size_t>(n));
        }
    }

private:
    int m_Fd = -1;
    std::string m_Buffer;
};

int Run(const zoctl::Command& command)
{
    const std::string path = remote::func_SocketPath();
    Connection pad(path);
    if (!pad.Open()) {
        std::cerr << "zoctl: no ZoControl pad is running (nothing listens at " << path << ")\n";
        return zoctl::kUnusable;
    }
    std::string line;
    if (!pad.Send(command.Request.dump() + "\n") || !pad.ReadLine(line)) {
        std::cerr << "zoctl: the pad closed the connection\n";
        return zoctl::kUnusable;
    }
    const Json reply = Json::parse(line, nullptr, false);
    if (!reply.is_object() || !reply.contains("ok")) {
        std::cerr << "zoctl: the pad's reply is no reply: " << line << "\n";
        return zoctl::kUnusable;
    }
    if (reply["ok"] != true) {
        std::cerr << "zoctl: " << reply.value("error", std::string("refused")) << "\n";
        return zoctl::kRefused;
    }
    if (command.Streams) {
        std::cout << std::unitbuf;
        while (pad.ReadLine(line))
            std::cout << line << "\n";
        return zoctl::kDone;
    }
    if (command.PrintsJson)
        std::cout << reply["result"].dump(2) << "\n";
    else
        std::cout << "ok\n";
    return zoctl::kDone;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    zoctl::Command command;
    try {
        command = zoctl::func_Parse(args);
    } catch (const std::invalid_argument& usage) {
        std::cerr << usage.what() << "\n";
        return zoctl::kUnusable;
    }
    if (!command.Help.empty()) {
        std::cout << command.Help << "\n";
        return zoctl::kDone;
    }
    return Run(command);
}
