// The real program, started twice: the second copy shows the fixed text and
// ends without touching the settings file; the guard dies with the first.

#include "ProgramFolder.h"
#include "TestEnv.h"

#include "model/mdlStartup.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace zotest {
namespace {

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = QString::fromStdString((TestEnv::RuntimeDir() / "ZoControl").string());
        ASSERT_TRUE(QFileInfo::exists(program)) << program.toStdString();
        // A session of its own: runtime folder (the guard) and settings.
        const std::filesystem::path root = TestEnv::FreshDir("session");
        std::filesystem::create_directories(root / "runtime");
        std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        std::filesystem::create_directories(root / "config");
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("ZO_UNATTENDED", "yes");
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString((root / "runtime").string()));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString((root / "config").string()));
    }

    void Start(QProcess& process, const QStringList& arguments)
    {
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // Reads the program's standard error until it holds text.
    static bool WaitForError(QProcess& process, const QString& text, QString& seen)
    {
        QElapsedTimer timer;
        timer.start();
        while (!seen.contains(text) && timer.elapsed() < 30000) {
            process.waitForReadyRead(200);
            seen += QString::fromLocal8Bit(process.readAllStandardError());
        }
        return seen.contains(text);
    }

    QString program;
    QProcessEnvironment environment;
};

TEST_F(RealProgram, ASecondCopyShowsTheFixedTextAndLeavesTheSettingsFileAlone)
{
    const std::filesystem::path settings = TestEnv::RuntimeDir() / "ZoControl.INI";
    QProcess first;
    Start(first, {"/SIM"});
    QString seen;
    // Message 60: the first copy is past its guard and connected.
    ASSERT_TRUE(WaitForError(first, "simulated microscope", seen)) << seen.toStdString();

    const std::string before = ReadText(settings);
    const auto stampBefore = std::filesystem::last_write_time(settings);

    QProcess second;
    second.setProcessChannelMode(QProcess::SeparateChannels);
    Start(second, {"/SIM"});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 1);
    const std::string shown = second.readAllStandardError().toStdString();
    EXPECT_EQ(shown, std::string(kPreviousInstanceText) + "\n");
    EXPECT_EQ(ReadText(settings), before);
    EXPECT_EQ(std::filesystem::last_write_time(settings), stampBefore);
    first.kill();
    first.waitForFinished(10000);
}

} // namespace
} // namespace zotest
