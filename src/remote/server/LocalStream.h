#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// One connected client of a local (Unix domain) stream socket, driven by the
// event loop: what arrives is announced by readyRead, what is written waits
// in a queue until the client takes it. Owns the descriptor.
class LocalStream : public QObject {
    Q_OBJECT
public:
    // fd: a connected, non-blocking socket.
    explicit LocalStream(int fd, QObject* parent = nullptr);
    ~LocalStream() override;

    bool isOpen() const { return m_Fd >= 0; }
    // Everything received since the last call.
    QByteArray readAll();
    void write(const char* data, qint64 size);
    // Written but not yet taken by the client.
    qint64 bytesToWrite() const { return m_Out.size(); }
    // Closes once the queue is sent.
    void disconnectFromServer();
    // Closes now; the queue is dropped.
    void abort();

signals:
    void readyRead();
    // The client closed its end, the connection failed or it was closed here.
    void disconnected();

private:
    void OnReadable();
    // Sends what the client takes now; false when the connection failed.
    bool Send();
    void Flush();
    void Close();

    int m_Fd;
    QSocketNotifier* m_Readable;
    QSocketNotifier* m_Writable;
    QByteArray m_In;
    QByteArray m_Out;
    bool m_Closing = false;
};
