#include "TestEnv.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zotest {
namespace {

fs::path g_root;

class RemoveRoot : public ::testing::Environment {
public:
    void TearDown() override
    {
        std::error_code ec;
        if (!g_root.empty() && std::getenv("ZO_KEEP_TEST_DIRS") == nullptr)
            fs::remove_all(g_root, ec);
    }
};

fs::path EnvPath(const char* name)
{
    const char* v = std::getenv(name);
    return v ? fs::path(v) : fs::path();
}

} // namespace

void TestEnv::Install()
{
    if (!g_root.empty())
        return;
    std::string templ = (fs::temp_directory_path() / "zo-test-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr)
        throw std::runtime_error("cannot create the test folder");
    g_root = templ;
    const fs::path home = g_root / "home";
    const fs::path config = home / ".config";
    const fs::path runtime = g_root / "runtime";
    fs::create_directories(config);
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    unsetenv("ZO_SIM_TRACE");
    unsetenv("ZO_SIM_INSTRUMENT");
    ::testing::AddGlobalTestEnvironment(new RemoveRoot); // gtest takes ownership
}

const fs::path& TestEnv::Root()
{
    return g_root;
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
    return EnvPath("ZO_SOURCE_DIR");
}

fs::path TestEnv::RuntimeDir()
{
    return EnvPath("ZO_RUNTIME_DIR");
}

} // namespace zotest
