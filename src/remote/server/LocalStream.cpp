#include "remote/server/LocalStream.h"

#include <QSocketNotifier>

#include <algorithm>
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
    m_Out.append(data, static_cast<qsizetype>(size));
    // Sent from the event loop, as a reply may be written from inside a
    // handler of this very connection.
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
    while (m_Fd >= 0 && taken < kReadPerTurn) {
        const qsizetype before = m_In.size();
        m_In.resize(before + kReadChunk);
        const ssize_t got = ::read(m_Fd, m_In.data() + before, kReadChunk);
        m_In.resize(before + std::max<qsizetype>(got, 0));
        if (got > 0) {
            taken += got;
            continue;
        }
        ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
        if (got < 0 && errno == EINTR)
            continue;
        break;
    }
    if (taken > 0)
        emit readyRead();
    if (ended)
        Close();
}

void LocalStream::Flush()
{
    while (m_Fd >= 0 && !m_Out.isEmpty()) {
        const ssize_t sent = ::send(m_Fd, m_Out.constData(), static_cast<size_t>(m_Out.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            m_Out.remove(0, sent);
            continue;
        }
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // the client has not read yet; the notifier calls again
        m_Out.clear();
        Close();
        return;
    }
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
