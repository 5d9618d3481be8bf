#include "remote/server/LocalServer.h"

#include "remote/RemoteSocket.h"
#include "remote/server/LocalStream.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

LocalServer::LocalServer(QObject* parent) : QObject(parent) {}

LocalServer::~LocalServer()
{
    close();
}

bool LocalServer::listen(const QString& path, int backlog)
{
    close();
    const auto address = remote::func_SocketAddress(QFile::encodeName(path).toStdString());
    if (!address) {
        m_Error = QStringLiteral("the socket path is empty or too long: %1").arg(path);
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0 ||
        ::listen(fd, backlog) != 0) {
        m_Error = QStringLiteral("cannot listen on %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    m_Fd = fd;
    m_Path = path;
    m_Error.clear();
    m_Notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_Notifier.get(), &QSocketNotifier::activated, this, &LocalServer::newConnection);
    return true;
}

void LocalServer::close()
{
    if (m_Fd < 0)
        return;
    m_Notifier.reset(); // a notifier goes before its descriptor
    ::close(m_Fd);
    m_Fd = -1;
    ::unlink(QFile::encodeName(m_Path).constData());
}

LocalStream* LocalServer::nextPendingConnection(QObject* parent)
{
    if (m_Fd < 0)
        return nullptr;
    const int client = ::accept4(m_Fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client < 0)
        return nullptr;
    return new LocalStream(client, parent);
}
