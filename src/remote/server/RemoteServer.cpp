#include "remote/server/RemoteServer.h"

#include "core/TrapErrors.h"
#include "model/clsZo.h"
#include "remote/RemoteCommands.h"
#include "remote/RemoteDevices.h"
#include "remote/server/LocalServer.h"
#include "remote/server/RemoteConnection.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Clients the system queues until the event loop takes them.
constexpr int kPendingConnections = 64;

} // namespace

RemoteServer::RemoteServer(remote::RemoteTarget& pad, const QString& socketPath, QObject* parent)
    : QObject(parent), m_Pad(pad), m_Path(socketPath), m_Server(new LocalServer(this))
{
    if (!PrepareFolder(QFileInfo(socketPath).path()))
        return;
    // The pad holds the single-instance lock, so a socket left there is a
    // crashed pad's.
    ::unlink(QFile::encodeName(m_Path).constData());
    if (!m_Server->listen(m_Path, kPendingConnections)) {
        m_Error = m_Server->errorString();
        return;
    }
    const QByteArray path = QFile::encodeName(m_Path);
    if (::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0) {
        m_Error = QStringLiteral("cannot restrict the socket to its owner");
        m_Server->close();
        return;
    }
    connect(m_Server, &LocalServer::newConnection, this, &RemoteServer::OnNewConnection);
}

RemoteServer::~RemoteServer()
{
    m_Watch.clear();
    m_Watched.clear();
    for (RemoteConnection* connection : m_Connections)
        delete connection;
    m_Connections.clear();
    m_Server->close();
}

bool RemoteServer::Listening() const
{
    return m_Server->isListening();
}

bool RemoteServer::PrepareFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), S_IRWXU);
    struct stat info{};
    // Only a folder of this user's, which nobody else may enter, holds the socket.
    if (::lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        ((info.st_mode & 077) != 0 && ::chmod(path.constData(), S_IRWXU) != 0)) {
        m_Error = QStringLiteral("the folder %1 is not the user's own").arg(folder);
        return false;
    }
    return true;
}

void RemoteServer::OnNewConnection()
{
    while (LocalStream* socket = m_Server->nextPendingConnection(this)) {
        auto* connection = new RemoteConnection(socket, m_Pad, this);
        m_Connections.push_back(connection);
        connect(connection, &RemoteConnection::finished, this, &RemoteServer::OnFinished);
        connect(connection, &RemoteConnection::watchRequested, this, &RemoteServer::StartWatching);
    }
}

void RemoteServer::OnFinished(RemoteConnection* connection)
{
    const auto it = std::find(m_Connections.begin(), m_Connections.end(), connection);
    if (it == m_Connections.end())
        return;
    m_Connections.erase(it);
    connection->deleteLater();
}

void RemoteServer::StartWatching()
{
    if (m_WatchStarted)
        return;
    m_WatchStarted = true;
    TrapErrors([&] {
        ZOSCOPELib::Scope& scope = *g_Zo->Scope;
        for (const remote::RemoteDevice& device : remote::RemoteDeviceTable()) {
            if (g_Zo->IsMounted(device.Index) != 1)
                continue;
            ZOSCOPELib::Parameter* parameter = m_Watched.emplace_back(device.Read(scope)).get();
            m_Watch.push_back(parameter->OnValueChanged.Subscribe([this, &device, parameter] {
                TrapErrors([&] {
                    const std::string line =
                        remote::EventLine(device.Name, remote::func_DeviceValue(device, parameter->Value()));
                    // Sending may drop a client that does not read; the list is copied.
                    const std::vector<RemoteConnection*> connections = m_Connections;
                    for (RemoteConnection* connection : connections)
                        if (connection->Watching())
                            connection->Send(line);
                });
            }));
        }
    });
}
