#include "ProgramFolder.h"

#include "TestEnv.h"

#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"

#include <fstream>

namespace zotest {

std::filesystem::path UseFreshProgramFolder(const std::string& name)
{
    const std::filesystem::path folder = TestEnv::FreshDir(name);
    std::filesystem::create_directory_symlink(TestEnv::RuntimeDir() / "Language", folder / "Language");
    g_AppPath = folder.string();
    NormalizeAppPath();
    ResetSettingsVariables();
    g_LanguageFlag = 0;
    sub_ReadLanguage();
    return folder;
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
