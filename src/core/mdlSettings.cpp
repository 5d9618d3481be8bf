#include "core/mdlSettings.h"

#include "core/ErrorTrap.h"
#include "core/NumberText.h"
#include "core/ProgramFolders.h"
#include "core/UiServices.h"
#include "core/clsIniEdit.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"

#include <filesystem>
#include <limits>
#include <stdexcept>
#include <vector>

std::array<std::array<std::string, 2>, 256> g_LanguageTable;
int16_t g_DeviceNo = 0;
int16_t g_LayoutType = 0;
int16_t g_ChangeGui = 0;
std::array<bool, gcCount> g_GUIControl{};
std::array<bool, kControlVisibleCount> ControlVisible{};
std::array<int16_t, 16> g_ShortcutKey{};
std::array<std::string, 20> g_MemX;
std::array<std::string, 20> g_MemY;
std::array<std::string, 20> g_MemZ;
std::array<std::string, 20> g_MemPiezo;
std::array<std::string, 20> g_MemTIRF;
std::array<double, 6> g_MemFKS{};
int16_t g_DefaultGUIFunction = 0;
std::array<int16_t, 6> g_DefaultGUIPage{};
std::array<bool, 3> g_IncrementFlag{};
std::array<std::array<std::string, 3>, 5> g_IncrementValue;
std::array<double, 3> g_DefaultIncreValue{};
std::array<int16_t, 10> g_Magnification{};
int16_t g_StageInfoSpeed = 0;
int16_t g_StageInfoTolerance = 0;
int16_t g_SpinInfoSpeed = 0;
int16_t g_SpinInfoTolerance = 0;

// Flag, key in file order, and the pad controls (ControlVisible entries) it
// shows or hides.
const std::array<GUIControlInfo, gcCount> kGUIControl = {{
    {"TIRFFrame", {66, -1, -1, -1, -1, -1}},
    {"DIAFrame", {64, -1, -1, -1, -1, -1}},
    {"FLUORESENCEFrame", {65, -1, -1, -1, -1, -1}},
    {"OBJ", {37, 51, -1, -1, -1, -1}},
    {"ALF", {30, -1, -1, -1, -1, -1}},
    {"FKS", {8, 38, 39, 49, 68, -1}},
    {"PATH", {29, 52, -1, -1, -1, -1}},
    {"FILTER1", {20, 63, -1, -1, -1, -1}},
    {"FILTER2", {21, 62, -1, -1, -1, -1}},
    {"EX", {22, 55, -1, -1, -1, -1}},
    {"BA", {24, 61, -1, -1, -1, -1}},
    {"CON", {19, 56, -1, -1, -1, -1}},
    {"STGXY", {15, 35, 42, 45, 48, 59}},
    {"STGPIEZO", {26, 28, 32, 47, 50, 58}},
    {"STG", {31, -1, -1, -1, -1, -1}},
    {"STGZ", {16, 33, 34, 46, 60, -1}},
    {"TIRF", {6, 10, 18, 27, 53, 67}},
    {"EPI", {1, -1, -1, -1, -1, -1}},
    {"LASER", {5, -1, -1, -1, -1, -1}},
    {"Aux", {7, -1, -1, -1, -1, -1}},
    {"IRLUX", {23, 54, -1, -1, -1, -1}},
    {"DIASHUTTER", {4, -1, -1, -1, -1, -1}},
    {"DIALAMP", {0, 3, 9, -1, -1, -1}},
    {"ANLYZ", {2, -1, -1, -1, -1, -1}},
    {"KMX1", {17, -1, -1, -1, -1, -1}},
    {"KMX2", {41, -1, -1, -1, -1, -1}},
    {"MODECHG", {40, 57, -1, -1, -1, -1}},
    {"AOM", {11, 12, 13, 14, 25, -1}},
}};

namespace {

constexpr std::string_view kFileName = "ZoControl.INI";
constexpr std::string_view kReadError = "Read Control INI error!";

// How one key is read and (when it is written) written.
enum class Kind {
    Integer,     // 16-bit integer with a range correction
    GroupPage,   // "DefaultGUI" page: written as 0 unless its group is "Function"
    BoolText,    // True unless the text is "FALSE" in some letter case
    MemoryText,  // numeric text, else empty
    FksMemory,   // number 0 <= v < 40000, else 0
    TextList,    // comma list into a fixed number of texts; too few is an error
    Number,      // double from a default text
    IntegerList, // comma list of integers; too many or a non-number is an error
};

struct Setting {
    Setting(Kind k, std::string s, std::string name, bool w) : kind(k), section(std::move(s)), key(std::move(name)), written(w) {}
    Kind kind;
    std::string section;
    std::string key;
    bool written = false;
    // Integer, GroupPage
    int16_t* integer = nullptr;
    int32_t defaultInt = 0;
    int32_t low = std::numeric_limits<int32_t>::min(); // outside low..high the value becomes `fallback`
    int32_t high = std::numeric_limits<int32_t>::max();
    int16_t fallback = 0;
    int group = -1;
    // BoolText
    bool* flag = nullptr;
    // MemoryText
    std::string* text = nullptr;
    // FksMemory, Number
    double* number = nullptr;
    // TextList, Number, IntegerList, FksMemory
    std::string defaultText;
    std::span<std::string> texts;
    std::span<int16_t> integers;
};

Setting Integer(std::string section, std::string key, int16_t& target, int32_t def, bool written,
                int32_t low = std::numeric_limits<int32_t>::min(),
                int32_t high = std::numeric_limits<int32_t>::max(), int16_t fallback = 0)
{
    Setting s{Kind::Integer, std::move(section), std::move(key), written};
    s.integer = &target;
    s.defaultInt = def;
    s.low = low;
    s.high = high;
    s.fallback = fallback;
    return s;
}

Setting Flag(std::string section, std::string key, bool& target, bool written)
{
    Setting s{Kind::BoolText, std::move(section), std::move(key), written};
    s.flag = &target;
    return s;
}

// Every key of the file in one table. The order is the order of writing (and
// of reading, which does not depend on it).
const std::vector<Setting>& Settings()
{
    static const std::vector<Setting> table = [] {
        std::vector<Setting> t;
        t.push_back(Integer("GUILayout", "Type", g_LayoutType, 1, true, 1, 8, 1));
        t.push_back(Integer("DeviceNo", "DeviceNo", g_DeviceNo, 0, true));
        t.push_back(Integer("GUILayout", "ChangeGui ", g_ChangeGui, 0, false, 0, 1, 0));
        for (int i = 0; i < gcCount; ++i)
            t.push_back(Flag("GUIControl", std::string(kGUIControl[i].key), g_GUIControl[i], true));
        for (size_t i = 0; i < kShortcutKeyNames.size(); ++i)
            t.push_back(Integer("ShortcutKey", std::string(kShortcutKeyNames[i]), g_ShortcutKey[i], 0, true, 0,
                                std::numeric_limits<int32_t>::max(), 0));
        const std::pair<const char*, std::array<std::string, 20>*> memories[] = {
            {"MemZ", &g_MemZ}, {"MemX", &g_MemX}, {"MemY", &g_MemY}, {"MemPiezo", &g_MemPiezo}, {"MemTIRF", &g_MemTIRF}};
        for (const auto& [section, slots] : memories)
            for (size_t i = 0; i < slots->size(); ++i) {
                Setting s{Kind::MemoryText, section, std::to_string(i + 1), true};
                s.text = &(*slots)[i];
                t.push_back(std::move(s));
            }
        for (size_t i = 0; i < g_MemFKS.size(); ++i) {
            Setting s{Kind::FksMemory, "MemFKS", std::to_string(i + 1), true};
            s.number = &g_MemFKS[i];
            s.defaultText = "0";
            t.push_back(std::move(s));
        }
        t.push_back(Integer("DefaultGUI", "Function", g_DefaultGUIFunction, 0, true));
        for (size_t i = 0; i < kDefaultGUIGroups.size(); ++i) {
            Setting s = Integer("DefaultGUI", std::string(kDefaultGUIGroups[i]), g_DefaultGUIPage[i], 0, true);
            s.kind = Kind::GroupPage;
            s.group = static_cast<int>(i);
            t.push_back(std::move(s));
        }
        const char* axes[] = {"StageXY", "StageZ", "StagePiezo", "StageTIRF", "StageFKS"};
        for (int i = 0; i < 3; ++i)
            t.push_back(Flag("IncrementFlag", axes[i], g_IncrementFlag[static_cast<size_t>(i)], false));
        for (int i = 0; i < 5; ++i) {
            Setting s{Kind::TextList, "IncrementValue", axes[i], false};
            s.defaultText = "1,10,100";
            s.texts = g_IncrementValue[static_cast<size_t>(i)];
            t.push_back(std::move(s));
        }
        const char* defaultSteps[] = {"0.1", "0.025", "0.025"};
        for (int i = 0; i < 3; ++i) {
            Setting s{Kind::Number, "DefaultIncreValue", axes[i], false};
            s.number = &g_DefaultIncreValue[static_cast<size_t>(i)];
            s.defaultText = defaultSteps[i];
            t.push_back(std::move(s));
        }
        Setting zoom{Kind::IntegerList, "Magnification", "Magnification", false};
        zoom.defaultText = "1,3,6,12,25,50,100,200,400,800";
        zoom.integers = g_Magnification;
        t.push_back(std::move(zoom));
        t.push_back(Integer("StageInfo", "Speed", g_StageInfoSpeed, 1, false));
        t.push_back(Integer("StageInfo", "Tolerance", g_StageInfoTolerance, 5, false));
        t.push_back(Integer("SpinInfo", "Speed", g_SpinInfoSpeed, 1, false));
        t.push_back(Integer("SpinInfo", "Tolerance", g_SpinInfoTolerance, 5, false));
        return t;
    }();
    return table;
}

void ReadSetting(const Setting& s, zo::ErrorTrap& trap)
{
    clsIniEdit& ini = g_IniEdit;
    switch (s.kind) {
    case Kind::Integer:
    case Kind::GroupPage:
        trap.Run([&] { *s.integer = zo::CheckedInt16(ini.GetInt(s.section, s.key, s.defaultInt)); });
        if (*s.integer < s.low || *s.integer > s.high)
            *s.integer = s.fallback;
        break;
    case Kind::BoolText:
        *s.flag = BoolTextOrTrue(ini.GetString(s.section, s.key, ""));
        break;
    case Kind::MemoryText: {
        std::string value = ini.GetString(s.section, s.key, "");
        *s.text = zo::IsNumericText(value) ? std::move(value) : std::string();
        break;
    }
    case Kind::FksMemory: {
        const auto value = zo::ParseNumber(ini.GetString(s.section, s.key, s.defaultText));
        *s.number = (value && *value >= 0 && *value < 40000) ? *value : 0.0;
        break;
    }
    case Kind::TextList: {
        const auto parts = func_SplitList(ini.GetString(s.section, s.key, s.defaultText));
        for (size_t i = 0; i < s.texts.size(); ++i) {
            if (i >= parts.size()) {
                trap.Fail(); // the missing step and the ones after it stay as they were
                break;
            }
            s.texts[i] = parts[i];
        }
        break;
    }
    case Kind::Number:
        trap.Run([&] { *s.number = zo::ToDouble(ini.GetString(s.section, s.key, s.defaultText)); });
        break;
    case Kind::IntegerList: {
        const auto parts = func_SplitList(ini.GetString(s.section, s.key, s.defaultText));
        for (size_t i = 0; i < parts.size(); ++i) {
            if (i >= s.integers.size()) {
                trap.Fail(); // the first ones are used
                break;
            }
            trap.Run([&] { s.integers[i] = zo::ToInt16Rounded(parts[i]); });
        }
        break;
    }
    }
}

void WriteSetting(const Setting& s)
{
    clsIniEdit& ini = g_IniEdit;
    switch (s.kind) {
    case Kind::Integer:
        ini.WriteString(s.section, s.key, zo::FormatInt(*s.integer));
        break;
    case Kind::GroupPage:
        ini.WriteString(s.section, s.key, zo::FormatInt(g_DefaultGUIFunction == s.group ? *s.integer : 0));
        break;
    case Kind::BoolText:
        ini.WriteString(s.section, s.key, BoolText(*s.flag));
        break;
    case Kind::MemoryText:
        ini.WriteString(s.section, s.key, *s.text); // an empty slot writes nothing
        break;
    case Kind::FksMemory:
        ini.WriteString(s.section, s.key, zo::FormatDouble(*s.number));
        break;
    case Kind::TextList:
    case Kind::Number:
    case Kind::IntegerList:
        break; // edited by hand only
    }
}

void ReadLanguageTable(zo::ErrorTrap& trap)
{
    for (int i = 1; i <= 255; ++i) {
        const auto fields = func_SplitList(g_IniEdit.GetString("LanguageFile", std::to_string(i), ""));
        if (fields[0].empty())
            break;
        auto& row = g_LanguageTable[static_cast<size_t>(i - 1)];
        row[0] = fields[0];
        trap.Run([&] { row[1] = fields.at(1); });
    }
}

std::filesystem::path SettingsFile()
{
    NormalizeAppPath();
    return SettingsFolder() / kFileName;
}

// A user's first start of an installed program begins with a copy of the
// installed file, which holds what is never written (the language table).
void StartFromProgramFolder(const std::filesystem::path& settings)
{
    const std::filesystem::path installed = std::filesystem::path(g_AppPath) / kFileName;
    std::error_code ec;
    if (settings == installed || std::filesystem::exists(settings, ec))
        return;
    std::filesystem::create_directories(settings.parent_path(), ec);
    std::filesystem::copy_file(installed, settings, ec);
}

} // namespace

int GUIControlIndex(std::string_view key)
{
    const auto lower = [](std::string_view s) {
        std::string l(s);
        for (char& c : l)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return l;
    };
    const std::string wanted = lower(key);
    for (int i = 0; i < gcCount; ++i)
        if (lower(kGUIControl[i].key) == wanted)
            return i;
    return -1;
}

void sub_ReadControlIni()
{
    const std::filesystem::path settings = SettingsFile();
    StartFromProgramFolder(settings);
    g_IniEdit.SetIniFilePath(settings.string());
    zo::ErrorTrap trap;
    ReadLanguageTable(trap);
    for (const Setting& s : Settings())
        ReadSetting(s, trap);
    if (trap.Failed())
        ShowMessageText(std::string(kReadError), UiServices::MB_OK);
}

void sub_WriteControlIni()
{
    g_IniEdit.SetIniFilePath(SettingsFile().string());
    clsIniEdit::Batch once(g_IniEdit);
    for (const Setting& s : Settings())
        if (s.written)
            WriteSetting(s);
}

void sub_ApplyGUIControl()
{
    for (int flag = 0; flag < gcCount; ++flag)
        for (const int8_t entry : kGUIControl[flag].entries)
            if (entry >= 0)
                ControlVisible[static_cast<size_t>(entry)] = g_GUIControl[flag];
    for (const int entry : kControlVisibleAlwaysOn)
        ControlVisible[static_cast<size_t>(entry)] = true;
}

void ResetSettingsVariables()
{
    for (auto& row : g_LanguageTable)
        row = {};
    g_DeviceNo = g_LayoutType = g_ChangeGui = 0;
    g_GUIControl = {};
    ControlVisible = {};
    g_ShortcutKey = {};
    for (auto* slots : {&g_MemX, &g_MemY, &g_MemZ, &g_MemPiezo, &g_MemTIRF})
        *slots = {};
    g_MemFKS = {};
    g_DefaultGUIFunction = 0;
    g_DefaultGUIPage = {};
    g_IncrementFlag = {};
    g_IncrementValue = {};
    g_DefaultIncreValue = {};
    g_Magnification = {};
    g_StageInfoSpeed = g_StageInfoTolerance = g_SpinInfoSpeed = g_SpinInfoTolerance = 0;
}
