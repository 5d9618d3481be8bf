// Fuzz target for the language reader: arbitrary bytes are installed as the
// English language file and read by sub_ReadLanguage. Whatever the file
// holds, reading ends normally, shows at most the one summary message, and
// leaves the font size in its range and message 113 with its blanks.
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"

// The recording UI services of the tests (compiled into this target so that
// it needs nothing but the program's libraries).
#include "../tests/support/ScriptedUi.cpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

const std::string& AppFolder()
{
    static const std::string folder = [] {
        std::string path = (std::filesystem::temp_directory_path() / "zo-fuzz-lang-XXXXXX").string();
        if (::mkdtemp(path.data()) == nullptr)
            std::abort();
        std::filesystem::create_directories(path + "/Language");
        return path + "/";
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        std::ofstream out(AppFolder() + "Language/ZoLanguage_EN.INI", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    zotest::ScriptedUi ui;
    zotest::ScopedUi installed(ui);
    g_AppPath = AppFolder();
    g_LanguageFlag = 0;
    ResetLanguageVariables();

    sub_ReadLanguage();

    Check(ui.Boxes().size() <= 1);
    if (!ui.Boxes().empty())
        Check(ui.Boxes()[0].text == "Read Language INI error!" && ui.Boxes()[0].style == UiServices::MB_OK);
    Check(g_Font.Size >= 0 && g_Font.Size <= 100);
    Check(g_Messages[112].size() >= 3 && g_Messages[112].compare(g_Messages[112].size() - 3, 3, "   ") == 0);
    return 0;
}
