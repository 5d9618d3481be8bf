// The remote control's cost, offscreen on the simulated microscope.
//
// 1. Round trip: a client thread sends "state" through the control socket
//    and reads the reply, 2000 times; the median is printed as a ratio against
//    the round trip of the same request line through a bare local-socket echo
//    served from the same event loop in the same run (target at most 3).
// 2. Event-loop latency under load: while the axes flood the pad with
//    position reports from the event loop for two seconds, a 5 ms timer
//    measures how late the loop serves it, once without a client and once
//    with a client sending 1000 "state" requests a second; the readouts'
//    paints per second are compared with the screen's refresh rate.

#include "QtFloodBench.h"

#include "pad/PadReadout.h"
#include "remote/RemoteSocket.h"
#include "remote/server/PadRemote.h"
#include "remote/server/RemoteServer.h"

#include "widgets/usrXYspin.h"
#include "widgets/usrZspin.h"

#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

using namespace qbench;

namespace {

constexpr int kRoundTrips = 2000;
const std::string kRequest = "{\"id\": 1, \"cmd\": \"state\"}\n";

// A blocking client on its own thread, as a script is.
class Client {
public:
    explicit Client(const QString& path)
    {
        const auto address = remote::func_SocketAddress(QFile::encodeName(path).toStdString());
        m_Fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (!address || ::connect(m_Fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) != 0)
            std::abort();
    }
    ~Client() { ::close(m_Fd); }
    // Sends the request and reads up to the reply's line end.
    void RoundTrip()
    {
        if (::send(m_Fd, kRequest.data(), kRequest.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(kRequest.size()))
            std::abort();
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::recv(m_Fd, chunk, sizeof(chunk), 0);
            if (n <= 0)
                std::abort();
            if (chunk[n - 1] == '\n')
                return;
        }
    }

private:
    int m_Fd = -1;
};

// Runs the client's loop on a thread while the event loop serves; returns
// the median round trip in microseconds.
double MedianRoundTrip(const QString& path)
{
    std::vector<double> times;
    std::atomic<bool> done = false;
    std::thread thread([&] {
        Client client(path);
        for (int i = 0; i < kRoundTrips; ++i) {
            const auto start = std::chrono::steady_clock::now();
            client.RoundTrip();
            times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
        done = true;
    });
    while (!done)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    thread.join();
    return zotools::Median(times);
}

struct Latency {
    double median = 0, worst = 0;
    double requestsPerSecond = 0;
    double readoutPaints = 0;
};

// The flood from the event loop for two seconds, a 5 ms timer's lateness
// measured meanwhile; with a path, a client sends 1000 requests a second.
Latency MeasureLatency(Flood& flood, QLabel& label, frmZoControl& pad, const QString& path)
{
    std::atomic<bool> stop = false;
    std::atomic<int> requests = 0;
    std::atomic<bool> finished = path.isEmpty();
    std::thread client;
    if (!path.isEmpty())
        client = std::thread([&] {
            Client c(path);
            auto next = std::chrono::steady_clock::now();
            while (!stop) {
                next += std::chrono::milliseconds(1);
                c.RoundTrip();
                ++requests;
                std::this_thread::sleep_until(next);
            }
            finished = true;
        });
    PaintCounter counter;
    for (QWidget* readout : std::vector<QWidget*>{pad.txtX, pad.txtY, pad.txtZ, pad.spnStageXY, pad.spnStageZ})
        readout->installEventFilter(&counter);
    std::vector<double> lateness;
    QElapsedTimer since;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        lateness.push_back(std::max(0.0, since.nsecsElapsed() / 1e6 - 5.0));
        since.restart();
    });
    since.start();
    probe.start();
    const LoopRun run = FloodFromEventLoop(flood, label, counter);
    probe.stop();
    stop = true;
    // The client's last request is answered by this loop.
    while (!finished)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    if (client.joinable())
        client.join();
    std::sort(lateness.begin(), lateness.end());
    Latency result;
    result.median = zotools::Median(lateness);
    result.worst = lateness.empty() ? 0 : lateness[lateness.size() * 99 / 100];
    result.requestsPerSecond = requests / run.seconds;
    result.readoutPaints = counter.Most() / run.seconds;
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    PadSession session;
    if (!session.Ok())
        return 1;
    QTemporaryDir folder;
    const QString echoPath = folder.filePath("echo.sock");
    const QString padPath = folder.filePath("zocontrol/control.sock");

    // The baseline: the same request line echoed by a bare local server.
    QLocalServer echo;
    echo.listen(echoPath);
    QObject::connect(&echo, &QLocalServer::newConnection, [&] {
        QLocalSocket* socket = echo.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, [socket] { socket->write(socket->readAll()); });
    });
    PadRemote target(*session.pad);
    RemoteServer server(target, padPath);
    if (!server.Listening())
        return 1;

    const double echo_us = MedianRoundTrip(echoPath);
    const double state_us = MedianRoundTrip(padPath);
    std::printf("round trip of one request (median of %d):\n", kRoundTrips);
    std::printf("  bare local-socket echo, baseline   %8.1f us\n", echo_us);
    std::printf("  \"state\" through the pad's socket   %8.1f us  ratio %.2f (target at most 3)\n", state_us,
                state_us / echo_us);

    // A first run warms the pad and the simulator up; the measured ones follow.
    MeasureLatency(*session.flood, session.label, *session.pad, {});
    const Latency idle = MeasureLatency(*session.flood, session.label, *session.pad, {});
    const Latency busy = MeasureLatency(*session.flood, session.label, *session.pad, padPath);
    const double rate = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->refreshRate() : 60.0;
    std::printf("event loop while the axes flood the pad (5 ms timer's lateness, median / 99th percentile):\n");
    std::printf("  no client                           %6.2f / %6.2f ms, readouts %.1f paints/s\n", idle.median,
                idle.worst, idle.readoutPaints);
    std::printf("  client sending %4.0f requests/s      %6.2f / %6.2f ms, readouts %.1f paints/s; screen %.0f Hz: %s\n",
                busy.requestsPerSecond, busy.median, busy.worst, busy.readoutPaints, rate,
                busy.readoutPaints <= rate && busy.readoutPaints >= 0.5 * idle.readoutPaints ? "at the screen rate"
                                                                                            : "NOT at the screen rate");
    return 0;
}
