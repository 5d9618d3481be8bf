// The control socket on a loaded pad: commands, refusals, limits, permissions.

#include "pad/PadFixture.h"

#include "core/mdlCommon.h"
#include "remote/RemoteProtocol.h"
#include "remote/RemoteSocket.h"
#include "remote/server/LocalStream.h"
#include "remote/server/PadRemote.h"
#include "remote/server/RemoteConnection.h"
#include "remote/server/RemoteServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zotest {
namespace {

using remote::Json;

class RemoteTest : public PadTest {
protected:
    void SetUp() override
    {
        PadTest::SetUp();
        Load();
        target = std::make_unique<PadRemote>(*pad);
        server = std::make_unique<RemoteServer>(*target, path);
        ASSERT_TRUE(server->Listening()) << server->Error().toStdString();
    }
    void TearDown() override
    {
        server.reset();
        PadTest::TearDown();
    }

    std::unique_ptr<QLocalSocket> Connect()
    {
        auto client = std::make_unique<QLocalSocket>();
        client->connectToServer(path);
        EXPECT_TRUE(client->waitForConnected(1000));
        return client;
    }
    static void Pump(const std::function<bool()>& done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // The next line the client receives (null when none comes).
    static Json Read(QLocalSocket& client)
    {
        Pump([&] { return client.canReadLine() || client.state() != QLocalSocket::ConnectedState; });
        return client.canReadLine() ? Json::parse(client.readLine().toStdString()) : Json();
    }
    Json Ask(QLocalSocket& client, const Json& request)
    {
        client.write(QByteArray::fromStdString(request.dump() + "\n"));
        return Read(client);
    }
    Json Ask(const Json& request) { return Ask(*Connect(), request); }

    QString path = QString::fromStdString(remote::func_SocketPath());
    std::unique_ptr<PadRemote> target;
    std::unique_ptr<RemoteServer> server;
};

TEST_F(RemoteTest, CommandsGoThroughThePadToTheInstrument)
{
    const std::pair<Json, const char*> cases[] = {
        {{{"cmd", "set"}, {"device", "NOSEPIECE"}, {"value", 3}}, "Nosepiece.SetPosition(3)"},
        {{{"cmd", "set"}, {"device", "EpiShutter"}, {"value", "on"}}, "EpiShutter.Open()"},
        {{{"cmd", "move"}, {"axis", "Z"}, {"by", 10}}, "ZDrive.MoveAbsolute(120400)"},
        {{{"cmd", "memory"}, {"recall", "Z"}, {"slot", 1}}, "ZDrive.MoveAbsolute(4000)"},
        {{{"cmd", "mode"}, {"apply", "ph"}}, "ApplyMode(\"PH\")"},
    };
    g_MemZ[0] = "100";
    for (const auto& [request, write] : cases) {
        SettleAndMark();
        EXPECT_EQ(Ask(request)["ok"], true) << request;
        const std::vector<std::string> writes = WritesSinceMark();
        EXPECT_TRUE(std::ranges::any_of(writes, [&](const std::string& w) { return w.find(write) != w.npos; }))
            << request << ": " << (writes.empty() ? "nothing" : writes[0]);
        sim->Settle();
    }
    const Json state = Ask({{"cmd", "state"}, {"id", "s"}});
    // The mode is applied as the user's choice in the pad's mode list.
    EXPECT_EQ((std::tuple{state["id"], state["result"]["devices"]["Nosepiece"], state["result"]["axes"]["Z"]["um"],
                          pad->cboCHGMode->selectedIndex()}),
              (std::tuple{Json("s"), Json(2), Json(100.0), 1}));
}

TEST_F(RemoteTest, RefusedCommandsSendNothingAndFailuresStandInTheStatusLine)
{
    const auto refusal = [&](const Json& request) { return Ask(request)["error"].get<std::string>(); };
    const Json move = {{"cmd", "move"}, {"axis", "Z"}, {"to", 1e9}};
    EXPECT_EQ(refusal(move), func_GetMessage(82));
    // A store beyond the drive's reach is refused in the reply, not in a box
    // that would wait at the pad for someone to answer it.
    pad->FlushReadouts();
    Find<usrZspin>("spnStageZ")->setMaximum(20000);
    Find<usrZspin>("spnStageZ")->setPosition(9000);
    ui.ClearRecord();
    EXPECT_EQ(std::tuple(refusal({{"cmd", "memory"}, {"store", "Z"}, {"slot", 2}}), ui.Boxes().size(), g_MemZ[1]),
              std::tuple(func_GetMessage(80), 0u, ""));
    pad->setEnabled(false);
    EXPECT_EQ(refusal({{"cmd", "set"}, {"device", "Nosepiece"}, {"value", 2}}), "busy");
    pad->setEnabled(true);
    Click("picSetting");
    EXPECT_NE(refusal(move).find("settings dialog"), std::string::npos);
    ExpectWrites({});
    pad->SettingWindow()->close();
    // A failure at the instrument is the pad's, as after a click.
    sim->control().FailCall("Nosepiece", "SetPosition", ZOSCOPELib::NotAnswering);
    const std::string failure = refusal({{"cmd", "set"}, {"device", "Nosepiece"}, {"value", 4}});
    EXPECT_FALSE(failure.empty());
    EXPECT_TRUE(pad->StatusLine()->Text().contains(QString::fromStdString(failure)));
    // A recall holds the pad until its axes are there, from a script as from a click.
    g_MemZ[0] = "100";
    ASSERT_EQ(Ask({{"cmd", "memory"}, {"recall", "Z"}, {"slot", 1}})["ok"], true);
    EXPECT_EQ(refusal({{"cmd", "set"}, {"device", "EpiShutter"}, {"value", true}}), "busy");
}

TEST_F(RemoteTest, WaitEndsWhenTheAxesArriveAndWatchReportsChanges)
{
    auto client = Connect();
    ASSERT_EQ(Ask(*client, {{"cmd", "move"}, {"axis", "Z"}, {"by", 10}})["ok"], true);
    ASSERT_EQ(Ask(*client, {{"cmd", "set"}, {"device", "Nosepiece"}, {"value", 2}})["ok"], true);
    ASSERT_EQ(Ask(*client, {{"cmd", "watch"}})["ok"], true);
    EXPECT_EQ(Ask(*client, {{"cmd", "wait"}, {"timeout", 0}, {"id", 1}})["ok"], false);
    client->write(R"({"cmd": "wait", "id": 2})" "\n");
    sim->Settle();
    Json line;
    do
        line = Read(*client);
    while (line.contains("event") && line["device"] != "ZDrive");
    EXPECT_EQ(line["value"], 120400);
    do
        line = Read(*client);
    while (line.contains("event"));
    EXPECT_EQ((std::tuple{line["id"], line["ok"], scope().Nosepiece().Position()->Value()}),
              (std::tuple{Json(2), Json(true), 2}));
}

// Whatever a client sends, the others are served and the pad runs on.
TEST_F(RemoteTest, BadClientsDoNotHurtTheOthers)
{
    auto halfLine = Connect();
    halfLine->write(R"({"cmd": "sta)");
    halfLine->flush();
    auto tooLong = Connect();
    tooLong->write(QByteArray(remote::kMaxLine + 10, 'x'));
    EXPECT_NE(Read(*tooLong)["error"].get<std::string>().find("64 KiB"), std::string::npos);
    Pump([&] { return tooLong->state() != QLocalSocket::ConnectedState; });
    EXPECT_NE(tooLong->state(), QLocalSocket::ConnectedState);
    halfLine->abort();
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (int i = 0; i < 50; ++i) {
        clients.push_back(Connect());
        clients.back()->write(QByteArray::fromStdString(Json{{"cmd", "state"}, {"id", i}}.dump() + "\nnot json\n"));
    }
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(Read(*clients[static_cast<std::size_t>(i)])["id"], i);
        EXPECT_EQ(Read(*clients[static_cast<std::size_t>(i)])["ok"], false);
    }
    EXPECT_EQ(Ask({{"cmd", "frob"}})["error"], "unknown command \"frob\"");
}

// Lines pile up for a client that does not read; past 8 MiB it is dropped.
TEST_F(RemoteTest, AClientThatStopsReadingIsDroppedOnceItsBacklogPassesTheLimit)
{
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends), 0);
    RemoteConnection connection(new LocalStream(ends[0]), *target, nullptr); // it takes the stream
    bool dropped = false;
    QObject::connect(&connection, &RemoteConnection::finished, [&] { dropped = true; });
    const std::string line(1 << 20, 'x');
    int sent = 0;
    for (; !dropped && sent < 20; ++sent)
        connection.Send(line);
    std::size_t received = 0;
    char chunk[65536];
    ssize_t got;
    while ((got = ::read(ends[1], chunk, sizeof chunk)) > 0)
        received += static_cast<std::size_t>(got);
    ::close(ends[1]);
    // Nine lines are the most it may hold, less what the system has buffered.
    EXPECT_EQ(std::tuple(dropped, sent > 9, got), std::tuple(true, true, ssize_t{0}));
    EXPECT_LT(received, 2u * line.size()) << "only what the system buffered reached the client";
}

TEST_F(RemoteTest, OnlyTheUserReachesTheSocketWhichGoesWithTheServer)
{
    struct stat folder{}, socket{};
    ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(path).path()).constData(), &folder), 0);
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &socket), 0);
    EXPECT_EQ((std::tuple{folder.st_mode & 0777, socket.st_mode & 0777}), (std::tuple{0700u, 0600u}));
    server.reset();
    EXPECT_FALSE(QFileInfo::exists(path));
}

} // namespace
} // namespace zotest
