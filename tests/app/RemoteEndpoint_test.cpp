#include "AppFixture.h"

#include "remote/RemoteSocket.h"

namespace zotest {
namespace {

// The control socket is there while the pad is shown, unless the command
// line says /NOREMOTE, and is gone when the program ends.
TEST_F(AppTest, ControlSocketLivesWithTheShownPadUnlessTurnedOff)
{
    const std::filesystem::path socket = remote::func_SocketPath();
    host->SetCommandArgs({"ZoControl", "/Sim", "/noRemote"});
    StartUp();
    EXPECT_FALSE(std::filesystem::exists(socket));

    sub_RestartMicroscope(1);
    host->SetCommandArgs({"ZoControl", "/SIM"});
    host->Splash()->Timer1->start(0);
    ASSERT_TRUE(WaitUntil([this] { return host->MainWindow() && host->MainWindow()->isVisible(); }));
    EXPECT_TRUE(std::filesystem::is_socket(socket));

    ui.QueueAnswer(UiServices::ID_YES);
    host->MainWindow()->close(); // the close box
    ASSERT_TRUE(WaitUntil([this] { return host->ExitCode() == 0; }));
    EXPECT_FALSE(std::filesystem::exists(socket));
}

} // namespace
} // namespace zotest
