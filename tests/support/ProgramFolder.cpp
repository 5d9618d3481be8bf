#include "ProgramFolder.h"

#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <iterator>

namespace zotest {

void UseBuiltLanguage(const std::filesystem::path& folder)
{
    g_AppPath = folder.string();
    NormalizeAppPath();
    g_LanguageFlag = 0;
    sub_ReadLanguage();
}

std::filesystem::path UseFreshProgramFolder(const std::string& name)
{
    const std::filesystem::path folder = TestEnv::FreshDir(name);
    for (const char* data : {"Language", "Picture"})
        std::filesystem::create_directory_symlink(TestEnv::RuntimeDir() / data, folder / data);
    ResetSettingsVariables();
    UseBuiltLanguage(folder);
    return folder;
}

std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

void WithFileSizeLimit(long bytes, const std::function<void()>& action)
{
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &tight);
    action();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

std::vector<std::string> LinesContaining(const std::string& file, const std::string& text)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        if (line.find(text) != std::string::npos)
            lines.push_back(line);
    return lines;
}

} // namespace zotest
