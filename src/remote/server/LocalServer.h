#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <memory>

class LocalStream;

// A listening local (Unix domain) stream socket on a path, driven by the
// event loop. Clients wait in the system's queue until taken.
class LocalServer : public QObject {
    Q_OBJECT
public:
    explicit LocalServer(QObject* parent = nullptr);
    ~LocalServer() override;

    // backlog: clients the system queues before refusing more.
    bool listen(const QString& path, int backlog);
    bool isListening() const { return m_Fd >= 0; }
    QString errorString() const { return m_Error; }
    // Stops listening and removes the socket file.
    void close();
    // The next waiting client, a child of parent; nullptr when none waits.
    LocalStream* nextPendingConnection(QObject* parent);

signals:
    void newConnection();

private:
    int m_Fd = -1;
    QString m_Path;
    QString m_Error;
    std::unique_ptr<QSocketNotifier> m_Notifier;
};
