#include "remote/server/LocalStream.h"

#include <QSocketNotifier>

#include <cerrno>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// Read at most this much per wake-up, so that a client sending without end
// cannot hold the event loop; the rest is read on the next turn.
constexpr qsizetype kReadPerTurn = 256 * 1024;
constexpr qsizetype kReadChunk = 16 * 1024;

} // namespace

LocalStream::LocalStream(int fd, QObject* parent)
    : QObject(parent), m_Fd(fd), m_Readable(new QSocketNotifier(fd, QSocketNotifier::Read, this)),
      m_Writable(new QSocketNotifier(fd, QSocketNotifier::Write, this))
{
    m_Writable->setEnabled(false);
    connect(m_Readable, &QSocketNotifier::activated, this, &LocalStream::OnReadable);
    connect(m_Writable, &QSocketNotifier::activated, this, &LocalStream::Flush);
}

LocalStream::~LocalStream()
{
    if (m_Fd < 0)
        return;
    m_Readable->setEnabled(false);
    m_Writable->setEnabled(false);
    ::close(m_Fd);
}

QByteArray LocalStream::readAll()
{
    return std::exchange(m_In, {});
}

void LocalStream::write(const char* data, qint64 size)
{
    if (m_Fd < 0 || m_Closing || size <= 0)
        return;
    const bool waiting = !m_Out.isEmpty();
    m_Out.append(data, static_cast<qsizetype>(size));
    // Sent at once when nothing waits; whatever is left, and a failure, is
    // dealt with from the event loop, as a reply may be written from inside a
    // handler of this very connection.
    if (!waiting)
        Send();
    if (!m_Out.isEmpty())
        m_Writable->setEnabled(true);
}

void LocalStream::disconnectFromServer()
{
    if (m_Fd < 0)
        return;
    m_Closing = true;
    if (m_Out.isEmpty())
        Close();
}

void LocalStream::abort()
{
    m_Out.clear();
    Close();
}

void LocalStream::OnReadable()
{
    qsizetype taken = 0;
    bool ended = false;
    char chunk[kReadChunk];
    while (m_Fd >= 0 && taken < kReadPerTurn) {
        const ssize_t got = ::read(m_Fd, chunk, sizeof chunk);
        if (got > 0) {
            m_In.append(chunk, got);
            taken += got;
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    if (taken > 0)
        emit readyRead();
    if (ended)
        Close();
}

bool LocalStream::Send()
{
    while (m_Fd >= 0 && !m_Out.isEmpty()) {
        const ssize_t sent = ::send(m_Fd, m_Out.constData(), static_cast<size_t>(m_Out.size()), MSG_NOSIGNAL);
        if (sent > 0)
            m_Out.remove(0, sent);
        else if (sent < 0 && errno == EINTR)
            continue;
        else
            return sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK); // full: the client has not read yet
    }
    return true;
}

void LocalStream::Flush()
{
    if (!Send()) {
        m_Out.clear();
        Close();
        return;
    }
    if (!m_Out.isEmpty())
        return; // the notifier calls again when the client has read
    if (m_Fd >= 0)
        m_Writable->setEnabled(false);
    if (m_Closing)
        Close();
}

void LocalStream::Close()
{
    if (m_Fd < 0)
        return;
    m_Readable->setEnabled(false);
    m_Writable->setEnabled(false);
    ::close(m_Fd);
    m_Fd = -1;
    emit disconnected();
}
