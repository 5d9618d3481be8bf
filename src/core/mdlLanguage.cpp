#include "core/mdlLanguage.h"

#include "core/ErrorTrap.h"
#include "core/NumberText.h"
#include "core/ProgramFolders.h"
#include "core/SystemLocale.h"
#include "core/UiServices.h"
#include "core/clsIniEdit.h"
#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlSettings.h"

#include <filesystem>
#include <span>
#include <vector>

std::string g_UseLanguagePath;
int16_t g_LanguageFlag = 0;
FontInfo g_Font;
std::array<std::string, 257> g_Messages;

LangGUITitle g_LangGUITitle;
LangFrmErgoControl g_LangFrmErgoControl;
LangFrmSplash g_LangFrmSplash;
LangFrmZoControl g_LangFrmZoControl;
LangFrmStage g_LangFrmStage;
LangFrmSelFileItem g_LangFrmSelFileItem;
LangFrmTIRF g_LangFrmTIRF;
LangFrmSetting g_LangFrmSetting;
LangAttachObjectiveLensCtl g_LangAttachObjectiveLensCtl;
LangAttachListCtl g_LangAttachCondenserCtl;
LangAttachListCtl g_LangAttachBAFilterCtl;
LangAttachListCtl g_LangAttachEXFilterCtl;
LangAttachFilterCtl g_LangAttachFilterCtl;
LangConnectObjectiveCtl g_LangConnectObjectiveCtl;
LangConnectCameraCtl g_LangConnectCameraCtl;
LangConnectFLTurretCtl g_LangConnectFLTurretCtl;
LangConnectMicroscopeCtl g_LangConnectMicroscopeCtl;
LangConnectPiezoCtl g_LangConnectPiezoCtl;
LangConnectAOMCtl g_LangConnectAOMCtl;
LangModeALFCtl g_LangModeALFCtl;
LangModeRotationStopperCtl g_LangModeRotationStopperCtl;
LangObservationModeCtl g_LangObservationModeCtl;
LangOthersControlCtl g_LangOthersControlCtl;
LangOthersMainCtl g_LangOthersMainCtl;
LangLanguageCtl g_LangLanguageCtl;
LangOthersLayoutCtl g_LangOthersLayoutCtl;
LangOthersVersionCtl g_LangOthersVersionCtl;
LangKeyRemoteControlCtl g_LangKeyRemoteControlCtl;
LangKeyErgoControlCtl g_LangKeyErgoControlCtl;
LangKeyShortcutKeyCtl g_LangKeyShortcutKeyCtl;
LangCameraSetting g_LangCameraSetting;
LangShutterSetting g_LangShutterSetting;
LangDeviceName g_LangDeviceName;
LangPadTips g_LangPadTips;

TextTable g_KeyRemoteList(85, 5);
TextTable g_KeyErgoList(18, 6);
TextTable g_KeyErgoABList(9, 7);
TextTable g_KeyShortcutList(95, 6);

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDefaultFile = "ZoLanguage_EN.INI";
constexpr std::string_view kReadError = "Read Language INI error!";
constexpr std::string_view kSelectionFolder = "Ostrel/Shared/Data/Zo/";
constexpr std::string_view kSelectionFile = "ZoUseLanguage.INI";

// One entry of the language file: a key and where its value goes.
struct LanguageKey {
    enum class Kind {
        Text,    // the whole value into one text
        List,    // comma list into the entries of `texts`
        Numbered, // keys prefix + first .. prefix + first + count - 1, one text each
        Table     // keys prefix + first .., each a comma list into one table row
    };
    Kind kind;
    std::string section;
    std::string key; // the key, or the prefix of numbered keys and table rows
    std::string* text = nullptr;
    std::span<std::string> texts{};
    TextTable* table = nullptr;
    int first = 1;
    int count = 0; // numbered keys and table rows read
};

LanguageKey Text(std::string section, std::string key, std::string& target)
{
    return {LanguageKey::Kind::Text, std::move(section), std::move(key), &target};
}

template <size_t N>
LanguageKey List(std::string section, std::string key, std::array<std::string, N>& target)
{
    return {LanguageKey::Kind::List, std::move(section), std::move(key), nullptr, target};
}

template <size_t N>
LanguageKey Numbered(std::string section, std::string prefix, int first, std::array<std::string, N>& target)
{
    return {LanguageKey::Kind::Numbered, std::move(section), std::move(prefix), nullptr, target, nullptr, first,
            static_cast<int>(N)};
}

LanguageKey Table(std::string section, std::string prefix, TextTable& target, int keys)
{
    return {LanguageKey::Kind::Table, std::move(section), std::move(prefix), nullptr, {}, &target, 1, keys};
}

// Every section and key after FONT, in the order they are read.
const std::vector<LanguageKey>& LanguageKeys()
{
    static const std::vector<LanguageKey> keys = [] {
        std::vector<LanguageKey> k;
        const auto texts = [&k](const std::string& section, std::initializer_list<std::pair<const char*, std::string*>> list) {
            for (const auto& [key, target] : list)
                k.push_back(Text(section, key, *target));
        };
        k.push_back(Numbered("Message", "", 1, g_Messages));

        auto& t = g_LangGUITitle;
        texts("GUITitle", {{"ControlMain", &t.ControlMain}, {"SettingMain", &t.SettingMain}, {"StageXYZ", &t.StageXYZ},
                           {"TIRF", &t.TIRF}, {"SelFileItem", &t.SelFileItem}, {"ErgoControl", &t.ErgoControl},
                           {"ZoomImage", &t.ZoomImage}});
        texts("frmErgoControl", {{"BtnOK", &g_LangFrmErgoControl.BtnOK}, {"BtnCancel", &g_LangFrmErgoControl.BtnCancel}});
        texts("frmSplash", {{"LblSplash", &g_LangFrmSplash.LblSplash}});

        auto& pad = g_LangFrmZoControl;
        k.push_back(List("frmZoControl", "CboPath", pad.CboPath));
        k.push_back(List("frmZoControl", "CboIrlxu", pad.CboIrlxu));
        texts("frmZoControl", {{"BtnSetting", &pad.BtnSetting}, {"BtnExit", &pad.BtnExit}, {"BtnStatus", &pad.BtnStatus},
                               {"FraDIA", &pad.FraDIA}, {"FraFluorescence", &pad.FraFluorescence},
                               {"FraTIRF", &pad.FraTIRF}, {"SimpleText", &pad.SimpleText}});
        k.push_back(List("frmZoControl", "FailReason", pad.FailReason));
        texts("frmZoControl", {{"TipFailures", &pad.TipFailures}, {"TipStop", &pad.TipStop}});

        auto& stage = g_LangFrmStage;
        texts("frmStage", {{"TxtXYStage", &stage.TxtXYStage}, {"TxtZStage", &stage.TxtZStage},
                           {"TxtPiezoStage", &stage.TxtPiezoStage}, {"ChkAllLink", &stage.ChkAllLink},
                           {"LblZoom", &stage.LblZoom}, {"TipStore", &stage.TipStore}, {"TipMove", &stage.TipMove},
                           {"TipClear", &stage.TipClear}, {"TipMap", &stage.TipMap},
                           {"TipZoomIn", &stage.TipZoomIn}, {"TipZoomOut", &stage.TipZoomOut}});

        auto& sel = g_LangFrmSelFileItem;
        texts("frmSelFileItem", {{"LblOK", &sel.LblOK}, {"LblCancel", &sel.LblCancel}});
        k.push_back(List("frmSelFileItem", "FileItem", sel.FileItem));

        texts("frmTIRF", {{"LblTIRF", &g_LangFrmTIRF.LblTIRF}});
        k.push_back(Numbered("frmSetting", "OptMenu", 1, g_LangFrmSetting.OptMenu));
        k.push_back(Numbered("frmSetting", "BtnMenu", 1, g_LangFrmSetting.BtnMenu));
        texts("frmSetting", {{"LblNotAvailable", &g_LangFrmSetting.LblNotAvailable}});

        auto& obj = g_LangAttachObjectiveLensCtl;
        texts("AttachObjectiveLensCtl",
              {{"OptSelect", &obj.OptSelect}, {"OptDB", &obj.OptDB}, {"LblTittle", &obj.LblTittle},
               {"LblAddDB", &obj.LblAddDB}, {"LblName", &obj.LblName}, {"LblModel", &obj.LblModel},
               {"LblSeries", &obj.LblSeries}, {"LblMag", &obj.LblMag}, {"LblWD", &obj.LblWD}, {"LblNA", &obj.LblNA},
               {"LblMinNA", &obj.LblMinNA}, {"LblMethod", &obj.LblMethod}, {"LblWDSeries", &obj.LblWDSeries},
               {"LblFKS", &obj.LblFKS}, {"LblESC", &obj.LblESC}, {"LblSelect", &obj.LblSelect},
               {"OptName", &obj.OptName}, {"OptPictrue", &obj.OptPictrue}, {"BtnZoom", &obj.BtnZoom},
               {"LblCode", &obj.LblCode}});
        for (const auto& [section, page] : {std::pair{"AttachCondenserCtl", &g_LangAttachCondenserCtl},
                                            std::pair{"AttachBAFilterCtl", &g_LangAttachBAFilterCtl},
                                            std::pair{"AttachEXFilterCtl", &g_LangAttachEXFilterCtl}})
            texts(section, {{"OptSelect", &page->OptSelect}, {"OptDB", &page->OptDB}, {"LblTittle", &page->LblTittle},
                            {"LblModel", &page->LblModel}, {"LblAddDB", &page->LblAddDB}});
        auto& fil = g_LangAttachFilterCtl;
        texts("AttachFilterCtl", {{"OptSelect1", &fil.OptSelect1}, {"OptSelect2", &fil.OptSelect2}, {"OptDB", &fil.OptDB},
                                  {"LblTittle", &fil.LblTittle}, {"LblModel", &fil.LblModel}, {"LblEX", &fil.LblEX},
                                  {"LblDM", &fil.LblDM}, {"LblBA", &fil.LblBA}, {"LblAddDB", &fil.LblAddDB},
                                  {"LblName", &fil.LblName}});

        texts("ConnectObjectiveCtl", {{"LblConnectShutter", &g_LangConnectObjectiveCtl.LblConnectShutter},
                                      {"LblConnectBrand", &g_LangConnectObjectiveCtl.LblConnectBrand},
                                      {"LblConnectType", &g_LangConnectObjectiveCtl.LblConnectType}});
        texts("ConnectCameraCtl", {{"LblCamera", &g_LangConnectCameraCtl.LblCamera},
                                   {"LblConnectBrand", &g_LangConnectCameraCtl.LblConnectBrand},
                                   {"LblConnectType", &g_LangConnectCameraCtl.LblConnectType}});
        texts("ConnectFLTurretCtl", {{"LblFlChange", &g_LangConnectFLTurretCtl.LblFlChange},
                                     {"LblFlTop", &g_LangConnectFLTurretCtl.LblFlTop},
                                     {"LblFlBottom", &g_LangConnectFLTurretCtl.LblFlBottom}});
        texts("ConnectMicroscopeCtl", {{"LblConnectMicroscope", &g_LangConnectMicroscopeCtl.LblConnectMicroscope}});
        texts("ConnectPiezoCtl", {{"LblConnectPiezoStage", &g_LangConnectPiezoCtl.LblConnectPiezoStage}});
        texts("ConnectAOMCtl", {{"LblConnectAom", &g_LangConnectAOMCtl.LblConnectAom}});
        texts("ModeALFCtl", {{"LblModeALF", &g_LangModeALFCtl.LblModeALF}});
        texts("ModeRotationStopperCtl", {{"LblModeRotationStopper", &g_LangModeRotationStopperCtl.LblModeRotationStopper}});

        auto& om = g_LangObservationModeCtl;
        texts("ObservationModeCtl",
              {{"LblBaFilter", &om.LblBaFilter}, {"LblCondenser", &om.LblCondenser}, {"LblDiaLamp", &om.LblDiaLamp},
               {"LblDiaLampVolt", &om.LblDiaLampVolt}, {"LblExFilter", &om.LblExFilter},
               {"LblFilterBlock1", &om.LblFilterBlock1}, {"LblFilterBlock2", &om.LblFilterBlock2},
               {"LblIrluxND", &om.LblIrluxND}, {"LblIrluxShutter", &om.LblIrluxShutter},
               {"LblObjective", &om.LblObjective}, {"LblPath", &om.LblPath}, {"LblPiezoZStage", &om.LblPiezoZStage},
               {"LblProfileName", &om.LblProfileName}, {"LblShutter1", &om.LblShutter1},
               {"LblShutter2", &om.LblShutter2}, {"LblTirfAngle", &om.LblTirfAngle}, {"LblTirfEpi", &om.LblTirfEpi},
               {"LblAnalyzer", &om.LblAnalyzer}, {"LblFKS", &om.LblFKS}, {"LblFKSOffset", &om.LblFKSOffset},
               {"LblUndefined", &om.LblUndefined}, {"BtnNext", &om.BtnNext}, {"BtnPrevious", &om.BtnPrevious}});
        texts("OthersControlCtl", {{"BtnNext", &g_LangOthersControlCtl.BtnNext},
                                   {"BtnPrevious", &g_LangOthersControlCtl.BtnPrevious}});
        k.push_back(List("OthersControlCtl", "ChkAccessory1", g_LangOthersControlCtl.ChkAccessory1));
        k.push_back(List("OthersControlCtl", "ChkAccessory2", g_LangOthersControlCtl.ChkAccessory2));
        k.push_back(Numbered("OthersMainCtl", "OptMenu", 1, g_LangOthersMainCtl.OptMenu));

        auto& lang = g_LangLanguageCtl;
        texts("LanguageCtl", {{"LblLanguage", &lang.LblLanguage}, {"BtnSet", &lang.BtnSet}});
        k.push_back(Table("LanguageCtl", "CboLanguage", lang.CboLanguage, 255));

        auto& lay = g_LangOthersLayoutCtl;
        texts("OthersLayoutCtl", {{"FraOthersLayoutGroup", &lay.FraOthersLayoutGroup},
                                  {"FraOthersLayoutGUI", &lay.FraOthersLayoutGUI},
                                  {"LblOthersLayout ", &lay.LblOthersLayout},
                                  {"LblOthersLayoutDIA ", &lay.LblOthersLayoutDIA},
                                  {"LblOthersLayoutFlo ", &lay.LblOthersLayoutFlo},
                                  {"LblOthersLayoutTIRF ", &lay.LblOthersLayoutTIRF}});
        k.push_back(List("OthersLayoutCtl", "CboSelectLayout", lay.CboSelectLayout));

        auto& ver = g_LangOthersVersionCtl;
        texts("OthersVersionCtl", {{"LblVersionTitle ", &ver.LblVersionTitle}, {"LblVersion ", &ver.LblVersion}});
        k.push_back(Numbered("OthersVersionCtl", "LblDevice", 0, ver.LblDevice));

        texts("KeyRemoteControlCtl", {{"LblKeyPadButton", &g_LangKeyRemoteControlCtl.LblKeyPadButton}});
        auto& ergo = g_LangKeyErgoControlCtl;
        texts("KeyErgoControlCtl", {{"LblKeyErgoButton", &ergo.LblKeyErgoButton}, {"LblDevice", &ergo.LblDevice},
                                    {"LblFunction", &ergo.LblFunction}, {"ChkDeviceCbo", &ergo.ChkDeviceCbo}});
        k.push_back(List("KeyErgoControlCtl", "LblKey", ergo.LblKey));
        k.push_back(List("KeyErgoControlCtl", "LblKeyAB", ergo.LblKeyAB));
        auto& sc = g_LangKeyShortcutKeyCtl;
        texts("KeyShortcutKeyCtl", {{"LblKeyKeyBoard", &sc.LblKeyKeyBoard}, {"LblDevice", &sc.LblDevice},
                                    {"LblFunction", &sc.LblFunction}});
        k.push_back(Numbered("KeyShortcutKeyCtl", "LblIndex", 0, sc.LblIndex));
        texts("KeyShortcutKeyCtl", {{"BtnPrevious", &sc.BtnPrevious}, {"BtnNext", &sc.BtnNext}});

        k.push_back(Table("KeyRemoteList", "", g_KeyRemoteList, 85));
        k.push_back(Table("KeyErgoList", "", g_KeyErgoList, 18));
        k.push_back(Table("KeyErgoABList", "", g_KeyErgoABList, 9));
        k.push_back(Table("KeyShortcutList", "", g_KeyShortcutList, 95));
        k.push_back(List("CameraSetting", "Maker", g_LangCameraSetting.Maker));
        k.push_back(List("CameraSetting", "User", g_LangCameraSetting.User));
        k.push_back(List("ShutterSetting", "Maker", g_LangShutterSetting.Maker));
        k.push_back(List("ShutterSetting", "User", g_LangShutterSetting.User));
        k.push_back(List("DeviceName", "DeviceNames", g_LangDeviceName.DeviceNames));
        auto& tips = g_LangPadTips;
        texts("PadTips", {{"PositionX", &tips.PositionX}, {"PositionY", &tips.PositionY}, {"PositionZ", &tips.PositionZ}, {"PositionPiezo", &tips.PositionPiezo}, {"Refresh", &tips.Refresh}, {"Objective", &tips.Objective}, {"ALF", &tips.ALF}, {"FKS", &tips.FKS}, {"FKSStep", &tips.FKSStep}, {"FKSOffset", &tips.FKSOffset}, {"FKSStore", &tips.FKSStore}, {"FKSRecall", &tips.FKSRecall}, {"FilterTurret", &tips.FilterTurret}, {"Analyzer", &tips.Analyzer}, {"Condenser", &tips.Condenser}, {"Excitation", &tips.Excitation}, {"Barrier", &tips.Barrier}, {"Laser", &tips.Laser}, {"AuxShutter", &tips.AuxShutter}, {"TIRFStore", &tips.TIRFStore}, {"TIRFRecall", &tips.TIRFRecall}, {"Illuminator", &tips.Illuminator}, {"IlluminatorND", &tips.IlluminatorND}, {"EpiShutter", &tips.EpiShutter}, {"TIRF", &tips.TIRF}, {"TIRFStep", &tips.TIRFStep}, {"TIRFPosition", &tips.TIRFPosition}, {"TIRFWindow", &tips.TIRFWindow}, {"LightPath", &tips.LightPath}, {"DIAShutter", &tips.DIAShutter}, {"DIALamp", &tips.DIALamp}, {"DIALampLevel", &tips.DIALampLevel}, {"LampControl", &tips.LampControl}, {"Modes", &tips.Modes}, {"Rotation", &tips.Rotation}, {"XYStep", &tips.XYStep}, {"XYMove", &tips.XYMove}, {"XYStore", &tips.XYStore}, {"XYRecall", &tips.XYRecall}, {"ZStep", &tips.ZStep}, {"ZMove", &tips.ZMove}, {"ZStore", &tips.ZStore}, {"ZRecall", &tips.ZRecall}, {"PiezoStep", &tips.PiezoStep}, {"PiezoMove", &tips.PiezoMove}, {"PiezoStore", &tips.PiezoStore}, {"PiezoRecall", &tips.PiezoRecall}, {"StageWindow", &tips.StageWindow}, {"Settings", &tips.Settings}, {"Exit", &tips.Exit}});
        return k;
    }();
    return keys;
}

std::string NumberedKey(const LanguageKey& entry, int i)
{
    return entry.key + std::to_string(entry.first + i);
}

// Element k of the comma list to entry k; elements beyond the entries fail.
void StoreList(const std::string& value, std::span<std::string> entries, zo::ErrorTrap& trap)
{
    const auto parts = func_SplitList(value);
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i >= entries.size()) {
            trap.Fail();
            return;
        }
        entries[i] = parts[i];
    }
}

void ReadEntry(const LanguageKey& entry, zo::ErrorTrap& trap)
{
    clsIniEdit& ini = g_IniEdit;
    switch (entry.kind) {
    case LanguageKey::Kind::Text:
        *entry.text = ini.GetString(entry.section, entry.key, "");
        break;
    case LanguageKey::Kind::List:
        StoreList(ini.GetString(entry.section, entry.key, ""), entry.texts, trap);
        break;
    case LanguageKey::Kind::Numbered:
        for (int i = 0; i < entry.count; ++i)
            entry.texts[static_cast<size_t>(i)] = ini.GetString(entry.section, NumberedKey(entry, i), "");
        break;
    case LanguageKey::Kind::Table:
        for (int row = 0; row < entry.count; ++row) {
            const std::string value = ini.GetString(entry.section, NumberedKey(entry, row), "");
            if (static_cast<size_t>(row) < entry.table->Rows())
                StoreList(value, entry.table->Row(static_cast<size_t>(row)), trap);
            else if (!value.empty())
                trap.Fail(); // no row to hold it
        }
        break;
    }
}

void ReadFont(zo::ErrorTrap& trap)
{
    clsIniEdit& ini = g_IniEdit;
    g_Font.Name = ini.GetString("FONT", "Name", "");
    g_Font.Bold = BoolTextOrTrue(ini.GetString("FONT", "Bold", ""));
    g_Font.Italic = BoolTextOrTrue(ini.GetString("FONT", "Italic", ""));
    trap.Run([&] { g_Font.Size = zo::CheckedInt16(ini.GetInt("FONT", "Size", 10)); });
    if (g_Font.Size < 0 || g_Font.Size > 100)
        g_Font.Size = 10;
    trap.Run([&] { g_Font.Charset = zo::CheckedInt16(ini.GetInt("FONT", "Charset", 0)); });
}

std::string SelectionFolder()
{
    std::string folder = UserConfigFolder().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + std::string(kSelectionFolder);
}

} // namespace

void sub_ReadUseLanguage()
{
    g_UseLanguagePath = SelectionFolder() + std::string(kSelectionFile);
    g_IniEdit.SetIniFilePath(g_UseLanguagePath);
    const int32_t flag = g_IniEdit.GetInt("Language", "Flag", 0);
    g_LanguageFlag = (flag >= INT16_MIN && flag <= INT16_MAX) ? static_cast<int16_t>(flag) : 0;
    if (g_LanguageFlag > 0)
        return;
    const std::string locale = zo::FormatInt(SystemLocaleId());
    for (size_t row = 0; row < g_LanguageTable.size(); ++row)
        if (g_LanguageTable[row][1] == locale) {
            g_LanguageFlag = static_cast<int16_t>(row + 1);
            return;
        }
}

bool func_WriteUseLanguage()
{
    if (g_UseLanguagePath.empty())
        g_UseLanguagePath = SelectionFolder() + std::string(kSelectionFile);
    std::error_code ec;
    fs::create_directories(fs::path(g_UseLanguagePath).parent_path(), ec);
    g_IniEdit.SetIniFilePath(g_UseLanguagePath);
    g_IniEdit.WriteString("Language", "Flag", zo::FormatInt(g_LanguageFlag));
    return true;
}

namespace {

// The row of the language table in use; null for the default file.
const std::array<std::string, 2>* LanguageRow()
{
    if (g_LanguageFlag >= 1 && static_cast<size_t>(g_LanguageFlag) <= g_LanguageTable.size() &&
        !g_LanguageTable[static_cast<size_t>(g_LanguageFlag - 1)][0].empty())
        return &g_LanguageTable[static_cast<size_t>(g_LanguageFlag - 1)];
    return nullptr;
}

} // namespace

std::string LanguageFilePath()
{
    NormalizeAppPath();
    const auto* row = LanguageRow();
    return g_AppPath + "Language/" + (row ? (*row)[0] : std::string(kDefaultFile));
}

std::string func_LanguageLocale()
{
    const auto* row = LanguageRow();
    if (!row)
        return "en_US";
    return std::string(LocaleNameFromId(zo::LeadingInt((*row)[1])));
}

void sub_ReadLanguage()
{
    g_IniEdit.SetIniFilePath(LanguageFilePath());
    zo::ErrorTrap trap;
    ReadFont(trap);
    for (const LanguageKey& entry : LanguageKeys())
        ReadEntry(entry, trap);
    // Everything is in the tables now; the file's parsed text is let go.
    g_IniEdit.SetIniFilePath({});
    g_Messages[112] += "   ";
    if (g_UiServices != nullptr)
        g_UiServices->SetStandardTextsLocale(func_LanguageLocale());
    if (trap.Failed())
        ShowMessageText(std::string(kReadError), UiServices::MB_OK);
}

void sub_RefreshAllLanguage()
{
    if (g_UiServices != nullptr)
        g_UiServices->RefreshAllLanguage();
}

void ForEachLanguageText(
    const std::function<void(std::string_view section, std::string_view key, int element, const std::string& text)>& visit)
{
    for (const LanguageKey& entry : LanguageKeys()) {
        switch (entry.kind) {
        case LanguageKey::Kind::Text:
            visit(entry.section, entry.key, 0, *entry.text);
            break;
        case LanguageKey::Kind::List:
            for (size_t i = 0; i < entry.texts.size(); ++i)
                visit(entry.section, entry.key, static_cast<int>(i), entry.texts[i]);
            break;
        case LanguageKey::Kind::Numbered:
            for (int i = 0; i < entry.count; ++i)
                visit(entry.section, NumberedKey(entry, i), 0, entry.texts[static_cast<size_t>(i)]);
            break;
        case LanguageKey::Kind::Table:
            for (size_t row = 0; row < entry.table->Rows(); ++row)
                for (size_t column = 0; column < entry.table->Columns(); ++column)
                    visit(entry.section, NumberedKey(entry, static_cast<int>(row)), static_cast<int>(column),
                          entry.table->Cell(row, column));
            break;
        }
    }
}

void ResetLanguageVariables()
{
    for (const LanguageKey& entry : LanguageKeys()) {
        switch (entry.kind) {
        case LanguageKey::Kind::Text:
            entry.text->clear();
            break;
        case LanguageKey::Kind::List:
        case LanguageKey::Kind::Numbered:
            for (std::string& text : entry.texts)
                text.clear();
            break;
        case LanguageKey::Kind::Table:
            entry.table->Clear();
            break;
        }
    }
    g_Font = FontInfo{};
}
