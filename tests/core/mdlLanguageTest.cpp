#include "ProgramFolder.h"
#include "ScriptedUi.h"

#include "core/NumberText.h"
#include "core/ProfileDocument.h"
#include "core/SystemLocale.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"

#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;
using zotest::ReadText;
using zotest::WriteText;

namespace {

const std::string kError = "Read Language INI error!";
const char* const kSelection = "Ostrel/Shared/Data/Zo/ZoUseLanguage.INI";

// Every message number that some window, dialog or model component shows.
const std::set<int> kUsedMessages = {2,  12, 37, 51, 52, 53, 54, 55, 56, 58,  59,  60,  62,  63,  64,  65,  66,
                                     67, 69, 80, 82, 84, 85, 86, 87, 88, 89,  90,  91,  93,  94,  95,  96,  97,
                                     98, 99, 101, 102, 103, 104, 105, 107, 108, 110, 111, 112, 113};

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = zotest::TestEnv::FreshDir("lang");
        g_AppPath = (dir / "app").string();
    }
    static void EnglishAndGerman()
    {
        g_LanguageTable[0] = {"ZoLanguage_EN.INI", "1033"};
        g_LanguageTable[1] = {"ZoLanguage_DE.INI", "1031"};
    }
    void Language(const std::string& file, const std::string& text) { WriteText(dir / "app" / "Language" / file, text); }
    // Name, applies, bold, italic, size and character set of the font.
    static auto Font() { return std::tuple(g_Font.Name, g_Font.Applies(), g_Font.Bold, g_Font.Italic, g_Font.Size, g_Font.Charset); }
    static fs::path SelectionFile() { return fs::path(std::getenv("XDG_CONFIG_HOME")) / kSelection; }

    fs::path dir;
    zotest::ScriptedUi ui;
    zotest::ScopedUi installed{ui};
};

TEST_F(LanguageTest, StoredChoiceWinsAndAnEmptyRowFallsBackToEnglish)
{
    WriteText(SelectionFile(), "[Language]\nFlag=3\n");
    EnglishAndGerman();
    Language("ZoLanguage_EN.INI", "[GUITitle]\nControlMain=English pad\n");
    Language("ZoLanguage_DE.INI", "[GUITitle]\nControlMain=Deutsches Pult\n");
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    sub_ReadUseLanguage();
    EXPECT_EQ(g_UseLanguagePath, SelectionFile().string());
    EXPECT_EQ(g_LanguageFlag, 3) << "a stored choice is not replaced by the locale";
    sub_ReadLanguage();
    EXPECT_EQ(std::tuple(g_LangGUITitle.ControlMain, ui.StandardTextsLocale()), std::tuple("English pad", "en_US"));

    g_LanguageFlag = 2;
    sub_ReadLanguage();
    EXPECT_EQ(std::tuple(g_LangGUITitle.ControlMain, ui.StandardTextsLocale()), std::tuple("Deutsches Pult", "de_DE"))
        << "the standard buttons follow the row's locale";
    g_LanguageFlag = 300;
    EXPECT_EQ(LanguageFilePath(), g_AppPath + "Language/ZoLanguage_EN.INI");
}

TEST_F(LanguageTest, WithoutAChoiceTheSystemLocalePicksTheRowAndIsWrittenAtExit)
{
    EnglishAndGerman();
    g_LanguageTable[2] = {"Other_DE.INI", "1031"};
    unsetenv("LC_ALL");
    setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    setenv("LANG", "fr_FR.UTF-8", 1);
    sub_ReadUseLanguage();
    EXPECT_EQ(std::tuple(g_LanguageFlag, fs::exists(SelectionFile())), std::tuple(2, false)) << "the first matching row";
    EXPECT_TRUE(func_WriteUseLanguage());
    EXPECT_EQ(ReadText(SelectionFile()), "[Language]\nFlag=2\n");

    setenv("LC_MESSAGES", "it_IT", 1);
    WriteText(SelectionFile(), "[Language]\nFlag=0\n");
    sub_ReadUseLanguage();
    EXPECT_EQ(g_LanguageFlag, 0) << "no row for the locale";
}

TEST(SystemLocaleTest, LocaleNamesMapToWindowsNumbers)
{
    // de_BE: an unlisted territory falls back to the language.
    const std::pair<const char*, int> cases[] = {
        {"en_US.UTF-8", 1033}, {"de_DE@euro", 1031}, {"de_LU.ISO-8859-1", 4103}, {"de_BE", 1031}, {"ja_JP.UTF-8", 1041},
        {"zh_CN.GB2312", 2052}, {"C", 1033}, {"POSIX", 1033}, {"C.UTF-8", 1033}, {"xx_YY", 0}};
    for (const auto& [name, id] : cases)
        EXPECT_EQ(LocaleIdFromName(name), id) << name;

    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(SystemLocaleId(), 1041) << "LC_ALL comes first";
}

TEST_F(LanguageTest, FontRulesAndTheBlanksAfterMessage113)
{
    Language("ZoLanguage_EN.INI", "[FONT]\nName=Sans\nItalic=false\nSize=0\nCharset=2\n[Message]\n113=Store?\n");
    sub_ReadLanguage();
    // A missing Bold counts as True; a size of 0 is inside 0..100.
    EXPECT_EQ(std::tuple_cat(Font(), std::tuple(g_Messages[112])), std::tuple("Sans", true, true, false, 0, 2, "Store?   "));

    Language("ZoLanguage_EN.INI", "[FONT]\nName=\nBold=FALSE\nItalic=maybe\nSize=101\n");
    sub_ReadLanguage();
    EXPECT_EQ(Font(), std::tuple("", false, false, true, 10, 0)) << "an empty name keeps the design fonts";
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(LanguageTest, MissingFileLeavesTextsEmpty)
{
    g_LangFrmZoControl.BtnExit = "left over";
    sub_ReadLanguage();
    EXPECT_TRUE(ui.Boxes().empty()) << "a missing file is not an error";
    EXPECT_EQ(std::tuple(g_LangFrmZoControl.BtnExit, g_Font.Name, g_Font.Size), std::tuple("", "", 10));
}

TEST_F(LanguageTest, ListsLongerThanTheirVariableGiveOneMessage)
{
    g_LangFrmZoControl.CboPath[5] = "kept";
    Language("ZoLanguage_EN.INI", "[frmZoControl]\nCboPath=a,b,c\nCboIrlxu=1,2,3,4,5,6,7,8\n"
                                  "[KeyErgoABList]\n1=1,2,3,4,5,6,7,8\n"
                                  "[LanguageCtl]\nCboLanguage6=Sixth,6\n");
    sub_ReadLanguage();
    // Missing elements (CboPath 6) keep their entries.
    EXPECT_EQ(std::tuple(g_LangFrmZoControl.CboPath[2], g_LangFrmZoControl.CboPath[5], g_LangFrmZoControl.CboIrlxu[6],
                         g_KeyErgoABList.Cell(0, 6)),
              std::tuple("c", "kept", "7", "7"));
    EXPECT_EQ(ui.StyledBoxes(), std::vector{zotest::ScriptedUi::Styled(UiServices::MB_OK, kError)});

    ui.ClearRecord();
    Language("ZoLanguage_EN.INI", "[LanguageCtl]\nCboLanguage5=Fifth,5\nCboLanguage6=\n");
    sub_ReadLanguage();
    EXPECT_EQ(g_LangLanguageCtl.CboLanguage.Cell(4, 0), "Fifth");
    EXPECT_TRUE(ui.Boxes().empty()) << "an empty sixth language entry is no error";
}

// ---- the installed language files -----------------------------------------

class InstalledLanguageTest : public LanguageTest {
protected:
    void Load(const char* file, int16_t row)
    {
        g_AppPath = (zotest::TestEnv::SourceDir() / "resources").string();
        EnglishAndGerman();
        g_LanguageFlag = row;
        ASSERT_EQ(LanguageFilePath(), g_AppPath + "/Language/" + file);
        sub_ReadLanguage();
        EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].text;
    }
    // Texts a window or message uses that the file leaves empty.
    std::vector<std::string> EmptyTexts() const
    {
        std::vector<std::string> empty;
        ForEachLanguageText([&](std::string_view section, std::string_view key, int element, const std::string& text) {
            if (!text.empty())
                return;
            const bool table = section == "KeyRemoteList" || section == "KeyErgoList" || section == "KeyErgoABList" ||
                               section == "KeyShortcutList";
            const bool unusedLanguageRow = key.starts_with("CboLanguage") && key != "CboLanguage1" && key != "CboLanguage2";
            const bool ninthLayout = key == "CboSelectLayout" && element == 8;
            if (section == "Message" || table || unusedLanguageRow || ninthLayout)
                return; // checked on their own below
            empty.push_back(std::string(section) + "/" + std::string(key) + "#" + std::to_string(element));
        });
        if (!g_Font.Applies())
            empty.push_back("FONT/Name");
        for (const int n : kUsedMessages)
            if (g_Messages[static_cast<size_t>(n - 1)].find_first_not_of(' ') == std::string::npos)
                empty.push_back("Message/" + std::to_string(n));
        return empty;
    }
};

TEST_F(InstalledLanguageTest, EnglishFileLeavesNoUsedTextEmpty)
{
    Load("ZoLanguage_EN.INI", 1);
    EXPECT_EQ(EmptyTexts(), std::vector<std::string>{});
    EXPECT_EQ(g_LangOthersVersionCtl.LblVersion, "Ver. ") << "the quoted value keeps its blank";
}

TEST_F(InstalledLanguageTest, GermanFileIsCompleteAndTranslated)
{
    Load("ZoLanguage_EN.INI", 1);
    const auto english = g_Messages;
    const auto englishTitle = g_LangFrmSetting.OptMenu;
    Load("ZoLanguage_DE.INI", 2);
    EXPECT_EQ(EmptyTexts(), std::vector<std::string>{});
    for (const int n : kUsedMessages)
        EXPECT_NE(g_Messages[static_cast<size_t>(n - 1)], english[static_cast<size_t>(n - 1)]) << "message " << n;
    EXPECT_NE(g_LangFrmSetting.OptMenu, englishTitle);

    // Both files hold the same sections and keys.
    const auto names = [](const fs::path& file) {
        const auto doc = zo::ProfileDocument::Parse(ReadText(file));
        std::map<std::string, std::vector<std::string>> all;
        for (const auto& section : doc.SectionNames())
            all[section] = doc.KeyNames(section);
        return all;
    };
    const fs::path folder = zotest::TestEnv::SourceDir() / "resources/Language";
    EXPECT_EQ(names(folder / "ZoLanguage_EN.INI"), names(folder / "ZoLanguage_DE.INI"));
}

TEST_F(InstalledLanguageTest, ShortcutTableCarriesTheKeyboardFunctions)
{
    Load("ZoLanguage_EN.INI", 1);
    std::set<int> dispatcher;
    for (const auto& [first, last] : {std::pair{1, 1}, {5, 12}, {14, 23}, {26, 88}, {901, 909}, {991, 998}})
        for (int c = first; c <= last; ++c)
            dispatcher.insert(c);

    std::set<int> codes;
    std::set<std::pair<std::string, std::string>> functions;
    std::vector<std::string> groupRuns;
    int rowsWithoutCode = 0;
    for (size_t r = 0; r < g_KeyShortcutList.Rows(); ++r) {
        const std::string& code = g_KeyShortcutList.Cell(r, 0);
        const std::string& group = g_KeyShortcutList.Cell(r, 1);
        const std::string& name = g_KeyShortcutList.Cell(r, 2);
        ASSERT_FALSE(group.empty() || name.empty()) << "row " << r;
        EXPECT_TRUE(functions.insert({group, name}).second) << "two rows named " << group << "/" << name;
        if (groupRuns.empty() || groupRuns.back() != group)
            groupRuns.push_back(group);
        if (code.empty()) {
            ++rowsWithoutCode;
            continue;
        }
        ASSERT_TRUE(zo::IsNumericText(code)) << "row " << r;
        const int value = zo::LeadingInt(code);
        EXPECT_TRUE(dispatcher.count(value)) << "row " << r << " code " << value << " does nothing on the pad";
        EXPECT_TRUE(codes.insert(value).second) << "code " << value << " twice";
        if (r >= 86 && r <= 93) {
            EXPECT_EQ(value, 991 + static_cast<int>(r) - 86);
        }
    }
    EXPECT_EQ(rowsWithoutCode, 1) << "one row clears a key";
    EXPECT_EQ(std::set<std::string>(groupRuns.begin(), groupRuns.end()).size(), groupRuns.size())
        << "each device group is one run of rows, so the device list names it once";
    // 95 rows cannot hold the pad's 99 functions; these are left out.
    std::erase_if(dispatcher, [&](int c) { return codes.count(c) > 0; });
    EXPECT_EQ(dispatcher, (std::set<int>{11, 14, 903, 904, 905}));
}

TEST_F(InstalledLanguageTest, ControllerTablesAndChoiceListsAreConsistent)
{
    Load("ZoLanguage_EN.INI", 1);
    std::map<int, std::string> remote;
    for (size_t r = 0; r < g_KeyRemoteList.Rows(); ++r) {
        const int code = zo::LeadingInt(g_KeyRemoteList.Cell(r, 0));
        EXPECT_TRUE(code >= 0 && code <= 93) << "row " << r; // what a setup file accepts
        EXPECT_TRUE(remote.emplace(code, g_KeyRemoteList.Cell(r, 2)).second) << "code " << code << " twice";
    }
    for (int mode = 0; mode < 8; ++mode)
        EXPECT_EQ(remote[86 + mode], "Mode " + std::to_string(mode + 1));
    for (size_t r = 0; r < g_KeyErgoList.Rows(); ++r) {
        const int code = zo::LeadingInt(g_KeyErgoList.Cell(r, 0));
        ASSERT_TRUE(remote.count(code)) << "ergo code " << code;
        EXPECT_EQ(g_KeyErgoList.Cell(r, 2), remote[code]);
    }
    for (size_t r = 0; r < g_KeyErgoABList.Rows(); ++r) {
        EXPECT_TRUE(remote.count(zo::LeadingInt(g_KeyErgoABList.Cell(r, 1))));
        EXPECT_TRUE(remote.count(zo::LeadingInt(g_KeyErgoABList.Cell(r, 2))));
        EXPECT_FALSE(g_KeyErgoABList.Cell(r, 3).empty());
    }
    // Entry 0 is the highest number; every number up to it has a name.
    const auto limitFits = [](std::span<const std::string> list) {
        return zo::IsNumericText(list[0]) && zo::LeadingInt(list[0]) + 2 <= static_cast<int>(list.size());
    };
    EXPECT_TRUE(limitFits(g_LangCameraSetting.Maker) && limitFits(g_LangCameraSetting.User));
    EXPECT_TRUE(limitFits(g_LangShutterSetting.Maker));
    EXPECT_EQ(g_LangShutterSetting.User[0], "3") << "uses 0 none, 1 epi, 2 DIA, 3 AUX";
    EXPECT_EQ(zo::LeadingInt(g_LangFrmSelFileItem.FileItem[0]), 15);
    EXPECT_EQ(g_LangLanguageCtl.CboLanguage.Cell(1, 1), "2");
}

} // namespace
