#pragma once

#include "remote/RemoteTarget.h"
#include "sdk/ZoScope.h"

#include <QObject>
#include <QString>

#include <vector>

class LocalServer;
class RemoteConnection;

// The running pad's control endpoint: a local socket in a folder of the
// user's own (0700), the socket itself 0600, so that nobody else can connect.
// Any number of clients at once, each answered in turn by its connection.
// Destroying the server closes every connection and removes the socket.
class RemoteServer : public QObject {
    Q_OBJECT
public:
    RemoteServer(remote::RemoteTarget& pad, const QString& socketPath, QObject* parent = nullptr);
    ~RemoteServer() override;

    // Whether the socket is there; when it cannot be made the pad runs on
    // without remote control (Error() says why).
    bool Listening() const;
    const QString& Error() const { return m_Error; }
    int ConnectionCount() const { return static_cast<int>(m_Connections.size()); }

private:
    bool PrepareFolder(const QString& folder);
    void OnNewConnection();
    void OnFinished(RemoteConnection* connection);
    // The first watch subscribes to every mounted device's changes.
    void StartWatching();

    remote::RemoteTarget& m_Pad;
    QString m_Path;
    QString m_Error;
    LocalServer* m_Server;
    std::vector<RemoteConnection*> m_Connections;
    // The watched parameters are held here, not by their handlers.
    std::vector<ZOSCOPELib::ParameterPtr> m_Watched;
    std::vector<ZOSCOPELib::Subscription> m_Watch;
    bool m_WatchStarted = false;
};
