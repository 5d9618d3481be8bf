#include "remote/server/RemoteConnection.h"

#include "remote/RemoteCommands.h"

#include "remote/server/LocalStream.h"

namespace {

// How often a pending wait looks at the axes.
constexpr int kWaitPollMs = 20;
// A wait without "timeout" gives up after this many seconds.
constexpr double kDefaultWaitSeconds = 60.0;
constexpr double kLongestWaitSeconds = 24 * 3600.0;
// Requests read ahead of a pending wait, and replies a client has not read:
// beyond these it is dropped, so that no client can make the pad hoard memory.
constexpr std::size_t kMaxQueued = 1000;
constexpr qint64 kMaxUnread = 8 * 1024 * 1024;

} // namespace

RemoteConnection::RemoteConnection(LocalStream* socket, remote::RemoteTarget& pad, QObject* parent)
    : QObject(parent), m_Socket(socket), m_Pad(pad)
{
    m_Socket->setParent(this);
    m_WaitTimer.setInterval(kWaitPollMs);
    connect(&m_WaitTimer, &QTimer::timeout, this, &RemoteConnection::CheckWait);
    connect(m_Socket, &LocalStream::readyRead, this, &RemoteConnection::OnReadyRead);
    connect(m_Socket, &LocalStream::disconnected, this, &RemoteConnection::Finish);
}

RemoteConnection::~RemoteConnection() = default;

void RemoteConnection::Send(const std::string& line)
{
    if (m_Finished)
        return;
    if (m_Socket->bytesToWrite() > kMaxUnread) {
        Finish();
        m_Socket->abort();
        return;
    }
    m_Socket->write(line.data(), static_cast<qint64>(line.size()));
}

void RemoteConnection::OnReadyRead()
{
    if (m_Finished || m_Closing)
        return;
    m_Buffer.append(m_Socket->readAll());
    qsizetype end;
    while ((end = m_Buffer.indexOf('\n')) >= 0) {
        QByteArray line = m_Buffer.left(end);
        m_Buffer.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (m_Queue.size() >= kMaxQueued)
            return Drop(remote::ReplyError(nullptr, "too many requests ahead of a wait"));
        m_Queue.push_back(std::move(line));
    }
    if (static_cast<std::size_t>(m_Buffer.size()) > remote::kMaxLine)
        return Drop(remote::ReplyError(nullptr, "the request is longer than 64 KiB"));
    Serve();
}

void RemoteConnection::Serve()
{
    // A command may show a message box, whose event loop can bring more
    // requests of this client; they wait for the one running.
    if (m_Serving || m_Finished)
        return;
    m_Serving = true;
    while (!m_Finished && !m_Closing && !m_Wait && !m_Queue.empty()) {
        const QByteArray line = std::move(m_Queue.front());
        m_Queue.pop_front();
        Answer(line);
    }
    m_Serving = false;
    if (m_Finished)
        emit finished(this);
}

void RemoteConnection::Answer(const QByteArray& line)
{
    const remote::ParsedLine parsed = remote::ParseRequestLine(std::string_view(line.constData(), line.size()));
    if (!parsed.Request)
        return Send(remote::ReplyError(parsed.Id, parsed.Error));
    const remote::RemoteRequest& request = *parsed.Request;
    try {
        if (request.Is("wait")) {
            const double seconds =
                request.Find("timeout") ? request.Number("timeout") : kDefaultWaitSeconds;
            if (seconds < 0 || seconds > kLongestWaitSeconds)
                throw remote::RemoteError("\"timeout\" must be from 0 to 86400 seconds");
            m_Wait = Wait{request.Id, static_cast<qint64>(seconds * 1000.0), {}};
            m_Wait->Since.start();
            CheckWait();
            if (m_Wait)
                m_WaitTimer.start();
            return;
        }
        if (request.Is("watch")) {
            m_Watching = true;
            emit watchRequested();
            return Send(remote::ReplyOk(request.Id, nullptr));
        }
        Send(remote::ReplyOk(request.Id, remote::RunCommand(m_Pad, request)));
    } catch (const std::exception& e) {
        Send(remote::ReplyError(request.Id, e.what()));
    }
}

void RemoteConnection::CheckWait()
{
    if (!m_Wait)
        return;
    bool moving = true;
    std::string error;
    try {
        moving = m_Pad.Moving();
    } catch (const std::exception& e) {
        error = e.what();
    }
    if (moving && error.empty() && m_Wait->Since.elapsed() < m_Wait->LimitMs)
        return;
    const remote::Json id = m_Wait->Id;
    m_Wait.reset();
    m_WaitTimer.stop();
    if (!error.empty())
        Send(remote::ReplyError(id, error));
    else if (moving)
        Send(remote::ReplyError(id, "an axis is still moving at the end of the timeout"));
    else
        Send(remote::ReplyOk(id, nullptr));
    Serve();
}

void RemoteConnection::Drop(const std::string& reply)
{
    Send(reply);
    m_Closing = true;
    m_Queue.clear();
    m_Buffer.clear();
    m_WaitTimer.stop();
    m_Wait.reset();
    // The reply goes out first; the connection ends when the socket has closed.
    m_Socket->disconnectFromServer();
}

void RemoteConnection::Finish()
{
    if (m_Finished)
        return;
    m_Finished = true;
    m_WaitTimer.stop();
    m_Wait.reset();
    if (!m_Serving)
        emit finished(this);
}
