#include "ZoSetupTool.h"

#include "ConsoleUi.h"
#include "ModelJson.h"

#include "core/ProgramFolders.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "model/clsBAFilter.h"
#include "model/clsCondenser.h"
#include "model/clsConnectKMX.h"
#include "model/clsEXFilter.h"
#include "model/clsModeALF.h"
#include "model/clsModeRotation.h"
#include "model/clsObjective.h"
#include "model/clsZo.h"
#include "sdk/ZoScope.h"

#include <cstdlib>
#include <optional>
#include <utility>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace fs = std::filesystem;

namespace zosetup {

namespace {

const char* const kUsage = "usage: zosetup check FILE [--sim DESCRIPTION]\n"
                           "       zosetup dump FILE [--sim DESCRIPTION]\n"
                           "       zosetup save OUT [--sim DESCRIPTION]\n"
                           "       zosetup apply FILE [--sim DESCRIPTION]\n";

struct Command {
    std::string verb;
    std::string file;
    std::string description;
};

// The command line, or an error text.
std::string Parse(const std::vector<std::string>& args, Command& command)
{
    if (args.size() < 3)
        return "a verb and a file are needed";
    command.verb = args[1];
    if (command.verb != "check" && command.verb != "dump" && command.verb != "save" && command.verb != "apply")
        return "unknown verb \"" + command.verb + "\"";
    command.file = args[2];
    if (command.file.empty())
        return "the file name is empty";
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--sim" && i + 1 < args.size() && command.description.empty() && !args[i + 1].empty()) {
            command.description = args[++i];
            continue;
        }
        return "unexpected \"" + args[i] + "\"";
    }
    return {};
}

// The folder where the simulated microscope keeps its configuration when
// the program runs it.
fs::path DefaultStateFolder()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const fs::path base = config && *config ? fs::path(config) : fs::path(home ? home : "") / ".config";
    return base / "ZoControl" / "Simulator";
}

// A private copy of the saved configuration, so that a look at a file never
// changes what the microscope keeps; removed when the tool ends.
class ScratchState {
public:
    ScratchState()
    {
        std::string pattern = (fs::temp_directory_path() / "zosetup-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            return;
        m_Folder = pattern;
        std::error_code ec;
        fs::copy(DefaultStateFolder(), m_Folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    }
    ~ScratchState()
    {
        std::error_code ec;
        if (!m_Folder.empty())
            fs::remove_all(m_Folder, ec);
    }
    ScratchState(const ScratchState&) = delete;
    ScratchState& operator=(const ScratchState&) = delete;
    const fs::path& Folder() const { return m_Folder; }

private:
    fs::path m_Folder;
};

// Connects the model to a simulated microscope and reads what the program
// reads at start-up, when the settings open and when the pad initialises
// its panels. False (after its message) when the microscope cannot be used.
bool ConnectModel(const Command& command, const fs::path& stateFolder, std::ostream& err)
{
    ZOSCOPELib::ScopeOptions options;
    options.clock = std::make_shared<ZOSCOPELib::SteadyClock>();
    options.instrumentFile = command.description;
    options.stateFolder = stateFolder.string();
    try {
        g_Zo->Scope = ZOSCOPELib::CreateScope(options);
    } catch (const ZOSCOPELib::SdkError& e) {
        err << "zosetup: " << e.Description() << '\n';
        return false;
    }
    if (!g_Zo->func_Connect(0))
        return false;
    g_Zo->func_ControlInfo();
    g_Zo->func_Receive();
    for (clsComponent* component : std::initializer_list<clsComponent*>{
             g_Zo->Objective.get(), g_Zo->Condenser.get(), g_Zo->EXFilter.get(), g_Zo->BAFilter.get(),
             g_Zo->ModeALF.get(), g_Zo->ModeRotation.get(), g_Zo->ConnectKMX.get()})
        component->func_ReadSdk();
    return true;
}

// Scans and loads the file with every present section ticked. ExitOk,
// ExitRejected when the load reported rejected elements, ExitUnusable when
// the file is no setup file.
int Load(const std::string& file, const ConsoleUi& ui)
{
    if (!g_Zo->func_ReadXMLItems(file))
        return ExitUnusable;
    const int before = ui.BoxCount();
    g_Zo->sub_ReadXML(file);
    return ui.BoxCount() == before ? ExitOk : ExitRejected;
}

int RunCommand(const Command& command, ConsoleUi& ui, std::ostream& out, std::ostream& err)
{
    // Only apply writes the configuration the microscope keeps.
    std::optional<ScratchState> scratch;
    fs::path stateFolder = DefaultStateFolder();
    if (command.verb != "apply") {
        scratch.emplace();
        if (scratch->Folder().empty()) {
            err << "zosetup: no temporary folder for the simulator\n";
            return ExitUnusable;
        }
        stateFolder = scratch->Folder();
    }
    if (!ConnectModel(command, stateFolder, err))
        return ExitUnusable;
    ui.SetStream(command.verb == "dump" ? err : out);

    if (command.verb == "save") {
        const std::string report = g_Zo->func_WriteXML(command.file);
        if (report.empty())
            return ExitOk;
        ui.ShowMessageBox(report, UiServices::MB_CRITICAL);
        return ExitUnusable;
    }

    int result = Load(command.file, ui);
    if (result == ExitUnusable)
        return result;
    if (command.verb == "dump") {
        out << func_ModelJson(*g_Zo).dump(2) << '\n';
    } else if (command.verb == "apply") {
        const std::string errors = g_Zo->func_Send();
        if (!errors.empty()) {
            ui.ShowMessageBox(func_JoinLines(func_GetMessage(64), errors), UiServices::MB_CRITICAL);
            result = ExitRejected;
        }
    }
    return result;
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command;
    if (const std::string problem = Parse(args, command); !problem.empty()) {
        err << "zosetup: " << problem << '\n' << kUsage;
        return ExitUnusable;
    }

    ConsoleUi ui(out);
    UiServices* const previousUi = std::exchange(g_UiServices, &ui);
    g_AppPath = RunningProgramFolders().data.string();
    NormalizeAppPath();
    g_LanguageFlag = 0; // the English texts
    ui.SetStream(err);  // a damaged language file is a problem of the tool
    sub_ReadLanguage();

    int result = ExitUnusable;
    try {
        result = RunCommand(command, ui, out, err);
    } catch (const std::exception& e) {
        err << "zosetup: " << e.what() << '\n';
    }
    g_Zo.reset();
    g_UiServices = previousUi;
    return result;
}

} // namespace zosetup
