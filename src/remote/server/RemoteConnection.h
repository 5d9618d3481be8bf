#pragma once

#include "remote/RemoteProtocol.h"
#include "remote/RemoteTarget.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <optional>

class LocalStream;

// One client of the control socket: it reads request lines, answers each in
// order, holds the following requests while a wait is pending, and after a
// watch request also receives the event lines. A line over the size limit
// or a client that stops reading ends the connection; nothing a client sends
// reaches the pad other than as a command.
class RemoteConnection : public QObject {
    Q_OBJECT
public:
    RemoteConnection(LocalStream* socket, remote::RemoteTarget& pad, QObject* parent);
    ~RemoteConnection() override;

    bool Watching() const { return m_Watching; }
    // An event line for a watching client.
    void Send(const std::string& line);

signals:
    // The client is gone or was dropped; the connection may be deleted.
    void finished(RemoteConnection* connection);
    // The client asked to watch.
    void watchRequested();

private:
    struct Wait {
        remote::Json Id;
        qint64 LimitMs = 0;
        QElapsedTimer Since;
    };

    void OnReadyRead();
    void Serve();
    void Answer(const QByteArray& line);
    void CheckWait();
    // Refuses the rest and closes: the client broke the protocol's limits.
    void Drop(const std::string& reply);
    void Finish();

    LocalStream* m_Socket;
    remote::RemoteTarget& m_Pad;
    QByteArray m_Buffer;
    std::deque<QByteArray> m_Queue;
    std::optional<Wait> m_Wait;
    QTimer m_WaitTimer;
    bool m_Watching = false;
    bool m_Serving = false;
    bool m_Closing = false;
    bool m_Finished = false;
};
