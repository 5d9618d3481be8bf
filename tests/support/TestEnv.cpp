#include "TestEnv.h"

#include "core/UiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/StartupHost.h"
#include "model/clsZo.h"
#include "model/mdlStartup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <clocale>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace zotest {
namespace {

fs::path g_root;
std::vector<std::pair<std::string, std::string>> g_environment; // as the program started

void RestoreEnvironment()
{
    clearenv();
    for (const auto& [name, value] : g_environment)
        setenv(name.c_str(), value.c_str(), 1);
}

void UseFreshHome()
{
    const fs::path home = TestEnv::FreshDir("home");
    const fs::path runtime = TestEnv::FreshDir("runtime");
    fs::create_directories(home / ".config");
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}

// The program-wide variables and the locale as the program starts with them.
void ResetProgramState()
{
    g_Zo.reset();
    g_StartupHost = nullptr;
    g_RestartFlag = false;
    g_KeyboardHook = 0;
    g_UiServices = nullptr;
    g_AppPath.clear();
    for (bool* flag : {&g_RefreshObjective, &g_RefreshCondenser, &g_RefreshFilterBlock, &g_RefreshEXFilter,
                       &g_RefreshBAFilter, &g_RefreshObservationMode, &g_RefreshPiezoStage, &g_LayoutPending})
        *flag = false;
    ResetSettingsVariables();
    ResetLanguageVariables();
    g_LanguageFlag = 0;
    g_UseLanguagePath.clear();
    std::setlocale(LC_ALL, "C");
}

class Isolation : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { UseFreshHome(); }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        ResetProgramState();
        RestoreEnvironment();
    }
};

class RemoveRoot : public ::testing::Environment {
public:
    void TearDown() override
    {
        std::error_code ec;
        if (!g_root.empty() && std::getenv("ZO_KEEP_TEST_DIRS") == nullptr)
            fs::remove_all(g_root, ec);
    }
};

} // namespace

void TestEnv::Install()
{
    if (!g_root.empty())
        return;
    std::string templ = (fs::temp_directory_path() / "zo-test-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr)
        throw std::runtime_error("cannot create the test folder");
    g_root = templ;
    unsetenv("ZO_SIM_TRACE");
    unsetenv("ZO_SIM_INSTRUMENT");
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const auto equals = text.find('=');
        if (equals != std::string::npos)
            g_environment.emplace_back(text.substr(0, equals), text.substr(equals + 1));
    }
    UseFreshHome(); // for what runs before the first test
    ::testing::AddGlobalTestEnvironment(new RemoveRoot); // gtest takes ownership of both
    ::testing::UnitTest::GetInstance()->listeners().Append(new Isolation);
}

fs::path TestEnv::FreshDir(const std::string& name)
{
    static std::atomic<int> counter{0};
    fs::path dir = g_root / "t" / (name + "-" + std::to_string(++counter));
    fs::create_directories(dir);
    return dir;
}

fs::path TestEnv::SourceDir()
{
    return ZO_TEST_SOURCE_DIR;
}

fs::path TestEnv::RuntimeDir()
{
    return ZO_TEST_RUNTIME_DIR;
}

} // namespace zotest
