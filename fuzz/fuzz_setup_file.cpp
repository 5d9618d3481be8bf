// Fuzz target for setup files: arbitrary bytes are scanned and loaded through
// clsZo, every section chosen, into the model of a connected simulated
// microscope. Whatever the file holds, the load ends normally with at most
// one message (51, 52 or the report of 55), and the model it leaves saves to
// a document that reads back into the same document.
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "model/clsSetupFile.h"
#include "model/clsZo.h"
#include "sdk/ZoScope.h"

// The recording UI services of the tests (compiled into this target so that
// it needs nothing but the program's libraries).
#include "../tests/support/ScriptedUi.cpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

fs::path MakeTempFolder(const char* name)
{
    std::string path = (fs::temp_directory_path() / name).string();
    if (::mkdtemp(path.data()) == nullptr)
        std::abort();
    return path;
}

struct Model {
    Model()
    {
        // The language file of the build, for the message texts and the
        // shutter and camera limits; without it the texts are empty.
        std::error_code ec;
        const fs::path self = fs::read_symlink("/proc/self/exe", ec);
        g_AppPath = (self.parent_path().parent_path() / "bin").string();
        NormalizeAppPath();
        g_LanguageFlag = 0;
        zotest::ScriptedUi quiet;
        zotest::ScopedUi installed(quiet);
        sub_ReadLanguage();

        ZOSCOPELib::ScopeOptions options;
        options.clock = std::make_shared<ZOSCOPELib::ManualClock>();
        options.stateFolder = MakeTempFolder("zo-fuzz-setup-state-XXXXXX").string();
        zo.Scope = ZOSCOPELib::CreateScope(options);
        Check(zo.func_Connect(0));
        zo.func_ControlInfo();
        zo.func_Receive();
        file = (MakeTempFolder("zo-fuzz-setup-XXXXXX") / "input.xml").string();
    }
    clsZo zo;
    std::string file;
};

bool StartsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Model model;
    zotest::ScriptedUi ui;
    zotest::ScopedUi installed(ui);
    clsZo& zo = model.zo;
    {
        std::ofstream out(model.file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    if (zo.func_ReadXMLItems(model.file)) {
        Check(ui.Boxes().empty());
        for (int i = 0; i < clsZo::FileItemCount; ++i)
            zo.SetFileItem(i, true);
        zo.sub_ReadXML(model.file);
        Check(ui.Boxes().size() <= 1);
        if (!ui.Boxes().empty())
            Check(StartsWith(ui.Boxes()[0].text, func_GetMessage(55) + "\r\n"));
    } else {
        Check(ui.Boxes().size() == 1);
        Check(ui.Boxes()[0].text == func_GetMessage(51) || ui.Boxes()[0].text == func_GetMessage(52));
    }

    // What was loaded saves, reads back and saves to the same document.
    clsSetupFile setupFile(zo);
    const std::string saved = setupFile.func_DocumentText();
    bool loaded = false;
    setupFile.func_ReadText(saved, loaded);
    Check(loaded);
    Check(setupFile.func_DocumentText() == saved);

    zo.sub_RestData(); // the next input starts from the microscope's model
    return 0;
}
