#include "core/ProgramFolders.h"

#include "core/mdlGlobals.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

ProgramFolders FoldersOf(const fs::path& executable)
{
    const fs::path own = executable.parent_path();
    const fs::path installedData = (own / ZO_DATA_FROM_BIN).lexically_normal();
    std::error_code ec;
    // Language files beside the executable make it a build folder, even when
    // something was installed into that build folder as well.
    if (fs::is_directory(own / "Language", ec) || !fs::is_directory(installedData, ec))
        return {own, own, false};
    return {installedData, UserConfigFolder() / "ZoControl", true};
}

fs::path RunningExecutable()
{
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        return program;
    // Without /proc/self/exe: the program as started, made absolute.
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string started;
    std::getline(in, started, '\0');
    return fs::absolute(started, error);
}

ProgramFolders RunningProgramFolders()
{
    return FoldersOf(RunningExecutable());
}

fs::path UserConfigFolder()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    std::string base;
    if (home != nullptr && home[0] != '\0') {
        base = home;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        base = pw->pw_dir;
    }
    return base + "/.config";
}

fs::path SettingsFolder()
{
    const ProgramFolders running = RunningProgramFolders();
    return running.installed ? running.settings : fs::path(g_AppPath);
}
