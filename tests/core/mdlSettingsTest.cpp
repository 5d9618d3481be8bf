#include "ProgramFolder.h"
#include "ScriptedUi.h"

#include "core/mdlGlobals.h"
#include "core/mdlSettings.h"

#include <algorithm>
#include <clocale>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;
using zotest::ReadText;
using zotest::WriteText;

namespace {

const std::string kError = "Read Control INI error!";

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = zotest::TestEnv::FreshDir("settings");
        g_AppPath = dir.string(); // without the final "/": the reader adds it
    }
    fs::path File() const { return dir / "ZoControl.INI"; }
    void Read(const std::string& text)
    {
        WriteText(File(), text);
        sub_ReadControlIni();
    }
    static std::tuple<int, int> Layout() { return {g_LayoutType, g_ChangeGui}; }
    int ErrorBoxes() const
    {
        const auto texts = ui.BoxTexts();
        return static_cast<int>(std::count(texts.begin(), texts.end(), kError));
    }

    fs::path dir;
    zotest::ScriptedUi ui;
    zotest::ScopedUi installed{ui};
};

TEST_F(SettingsTest, MissingFileGivesEveryDefaultWithoutAMessage)
{
    sub_ReadControlIni();
    EXPECT_EQ(g_AppPath, dir.string() + "/");
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(std::tuple(g_DeviceNo, g_LayoutType, g_ChangeGui, g_DefaultGUIFunction), std::tuple(0, 1, 0, 0));
    EXPECT_TRUE(std::ranges::all_of(g_GUIControl, std::identity{}) && std::ranges::none_of(g_ShortcutKey, std::identity{}));
    for (const auto* slots : {&g_MemX, &g_MemY, &g_MemZ, &g_MemPiezo, &g_MemTIRF})
        EXPECT_TRUE(std::all_of(slots->begin(), slots->end(), [](const std::string& s) { return s.empty(); }));
    EXPECT_EQ(std::tuple(g_MemFKS, g_DefaultGUIPage, g_IncrementFlag),
              std::tuple(std::array<double, 6>{}, std::array<int16_t, 6>{}, std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(g_DefaultIncreValue, (std::array<double, 3>{0.1, 0.025, 0.025}));
    EXPECT_EQ(g_Magnification, (std::array<int16_t, 10>{1, 3, 6, 12, 25, 50, 100, 200, 400, 800}));
    EXPECT_EQ(std::tuple(g_StageInfoSpeed, g_StageInfoTolerance, g_SpinInfoSpeed, g_SpinInfoTolerance),
              std::tuple(1, 5, 1, 5));
    EXPECT_EQ(g_LanguageTable[0][0], "");
}

// A flag reads as True unless its text is False.
TEST_F(SettingsTest, OutOfRangeValuesAreCorrectedAndFlagsReadAsTrueUnlessFalse)
{
    Read("[GUILayout]\nType=9\nChangeGui =5\n[ShortcutKey]\nPageUp=-1\nF12=907\nhome=15\n"
         "[GUIControl]\nFKS=false\nEX=yes\n[IncrementFlag]\nStageZ=False\n");
    EXPECT_EQ(Layout(), std::tuple(1, 0));
    EXPECT_EQ(std::tuple(g_GUIControl[gcFKS], g_GUIControl[gcEX], g_IncrementFlag),
              std::tuple(false, true, std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(std::tuple(g_ShortcutKey[0], g_ShortcutKey[15], g_ShortcutKey[6]), std::tuple(0, 907, 15))
        << "key names compare without letter case";

    Read("[GUILayout]\nType=8\nChangeGui =1\n");
    EXPECT_EQ(Layout(), std::tuple(8, 1));
    Read("[GUILayout]\nType=0\nChangeGui=1\n");
    EXPECT_EQ(Layout(), std::tuple(1, 0)) << "\"ChangeGui\" without the blank is not the switch";
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(SettingsTest, MemoriesThatAreNotNumbersReadAsEmptyOrZero)
{
    Read("[MemZ]\n1=abc\n2=12.5\n20=-3\n[MemFKS]\n1=40000\n2=39999.5\n3=-1\n4=abc\n6=7\n");
    EXPECT_EQ(std::tuple(g_MemZ[0], g_MemZ[1], g_MemZ[19]), std::tuple("", "12.5", "-3"));
    EXPECT_EQ(g_MemFKS, (std::array<double, 6>{0, 39999.5, 0, 0, 0, 7}));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(SettingsTest, TooShortAndTooLongListsGiveOneMessage)
{
    Read("[IncrementValue]\nStageZ=5,50\nStageFKS=2,4,8,16\n"
         "[Magnification]\nMagnification=1,2,3,4,5,6,7,8,9,10,11\n");
    EXPECT_EQ(g_IncrementValue[saZ], (std::array<std::string, 3>{"5", "50", ""}));
    EXPECT_EQ(g_IncrementValue[saFKS], (std::array<std::string, 3>{"2", "4", "8"})) << "extra steps are ignored";
    EXPECT_EQ(g_IncrementValue[saXY], (std::array<std::string, 3>{"1", "10", "100"}));
    EXPECT_EQ(g_Magnification, (std::array<int16_t, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(ui.StyledBoxes(), std::vector{zotest::ScriptedUi::Styled(UiServices::MB_OK, kError)});
}

TEST_F(SettingsTest, AFailedConversionKeepsThePreviousValue)
{
    Read("[Magnification]\nMagnification=4,x,2.5,,99999\n[DefaultIncreValue]\nStageZ=0,05\nStagePiezo=1e-3\n"
         "[DeviceNo]\nDeviceNo=2\n");
    EXPECT_EQ(g_Magnification, (std::array<int16_t, 10>{4, 0, 2, 0, 0}));
    EXPECT_EQ(g_DefaultIncreValue, (std::array<double, 3>{0.1, 0, 0.001}));
    EXPECT_EQ(ErrorBoxes(), 1);

    ui.ClearRecord();
    Read("[DeviceNo]\nDeviceNo=40000\n");
    EXPECT_EQ(std::tuple(g_DeviceNo, ErrorBoxes()), std::tuple(2, 1)) << "a number that does not fit leaves it as it was";
}

TEST_F(SettingsTest, LanguageTableStopsAtTheFirstGap)
{
    Read("[LanguageFile]\n1=ZoLanguage_EN.INI,1033\n3=ZoLanguage_FR.INI,1036\n");
    EXPECT_EQ(std::tuple(g_LanguageTable[0], g_LanguageTable[2][0], ui.Boxes().size()),
              std::tuple(std::array<std::string, 2>{"ZoLanguage_EN.INI", "1033"}, "", 0u));

    ResetSettingsVariables();
    Read("[LanguageFile]\n1=A.INI,1033\n2=B.INI\n3=,1036\n4=D.INI,1031\n");
    EXPECT_EQ(g_LanguageTable[1], (std::array<std::string, 2>{"B.INI", ""})) << "a row without locale is an error";
    EXPECT_EQ(g_LanguageTable[3][0], "") << "an empty file name ends the table";
    EXPECT_EQ(ErrorBoxes(), 1);
}

TEST_F(SettingsTest, WritingKeepsHandEditedKeysAndOtherLines)
{
    const std::string handMade = "; hand-made\n[GUILayout]\nType=3\nChangeGui =1\n[IncrementValue]\nStageZ=5,50\n"
                                 "[MemZ]\n1=100\n2=keep me\n[Mine]\nx=1\n";
    Read(handMade);
    g_MemZ[0] = "";      // emptied in the program: the file keeps its text
    g_MemZ[2] = "-2.25";
    g_LayoutType = 4;
    g_DefaultGUIFunction = 2;
    g_DefaultGUIPage = {1, 2, 3, 4, 5, 6};
    sub_WriteControlIni();
    const std::string text = ReadText(File());
    EXPECT_TRUE(text.starts_with("; hand-made\n[GUILayout]\nType=4\nChangeGui =1\n[IncrementValue]\nStageZ=5,50\n"
                                 "[MemZ]\n1=100\n2=keep me\n3=-2.25\n[Mine]\nx=1\n"))
        << text;
    sub_ReadControlIni();
    EXPECT_EQ(g_DefaultGUIFunction, 2);
    EXPECT_EQ(g_DefaultGUIPage, (std::array<int16_t, 6>{0, 0, 3, 0, 0, 0})) << "only the group of Function keeps its page";
    EXPECT_EQ(std::tuple(g_MemZ[0], g_MemZ[2], g_LayoutType), std::tuple("100", "-2.25", 4));
}

TEST_F(SettingsTest, AFreshFileHoldsOnlyTheWrittenKeys)
{
    sub_ReadControlIni(); // defaults everywhere
    g_MemX[4] = "1.5";
    g_MemY[0] = "250";
    g_MemZ[2] = "-2.25";
    g_MemPiezo[9] = "12.025";
    g_MemTIRF[19] = "0.1";
    g_MemFKS[1] = 12.5;
    g_ShortcutKey[2] = 906;
    g_GUIControl[gcAOM] = false;
    sub_WriteControlIni();
    const std::string text = ReadText(File());
    for (const char* absent : {"LanguageFile", "ChangeGui", "IncrementFlag", "IncrementValue", "DefaultIncreValue",
                               "Magnification", "StageInfo", "SpinInfo"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    // Empty memory slots write nothing.
    for (const char* present : {"[GUILayout]\nType=1\n", "[DeviceNo]\nDeviceNo=0\n", "TIRFFrame=True\n", "AOM=False\n",
                                "Up=906\n", "[MemX]\n5=1.5\n\n[MemY]\n1=250\n", "[MemZ]\n3=-2.25\n",
                                "[MemPiezo]\n10=12.025\n", "[MemTIRF]\n20=0.1\n", "[MemFKS]\n1=0\n2=12.5\n",
                                "[DefaultGUI]\nFunction=0\nAttach=0\n"})
        EXPECT_NE(text.find(present), std::string::npos) << present << "\n--- in ---\n" << text;
    EXPECT_LT(text.find("[GUILayout]"), text.find("[DeviceNo]"));
}

TEST_F(SettingsTest, WriteAndReadBackUnderAGermanLocale)
{
    // Without the locale the test fails: the decimal comma must be shown, not assumed.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/deps.sh generates de_DE.UTF-8";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    WriteText(File(), "[DefaultIncreValue]\nStageXY=0.5\nStageZ=1.25e-2\n");
    sub_ReadControlIni();
    EXPECT_EQ(g_DefaultIncreValue, (std::array<double, 3>{0.5, 0.0125, 0.025}));
    g_MemFKS = {12.5, 0.1, 39999.5, 0, 1e-3, 250};
    g_MemTIRF[0] = "34.5";
    g_DeviceNo = -1;
    sub_WriteControlIni();
    const std::string text = ReadText(File());
    EXPECT_NE(text.find("1=12.5\n2=0.1\n3=39999.5\n4=0\n5=0.001\n6=250\n"), std::string::npos) << text;

    const auto written = g_MemFKS;
    ResetSettingsVariables();
    sub_ReadControlIni();
    EXPECT_EQ(g_MemFKS, written);
    EXPECT_EQ(std::tuple(g_MemTIRF[0], g_DeviceNo), std::tuple("34.5", -1));
    EXPECT_TRUE(ui.Boxes().empty());
}

// Every entry belongs to exactly one flag or is always on.
TEST_F(SettingsTest, ApplyGUIControlSpreadsEachFlagOverItsControls)
{
    std::multiset<int> owners(kControlVisibleAlwaysOn.begin(), kControlVisibleAlwaysOn.end());
    for (int flag = 0; flag < gcCount; ++flag) {
        std::set<int> entries, hidden;
        std::ranges::copy_if(kGUIControl[flag].entries, std::inserter(entries, entries.end()), [](int8_t e) { return e >= 0; });
        owners.insert(entries.begin(), entries.end());
        g_GUIControl.fill(true);
        g_GUIControl[flag] = false;
        ControlVisible.fill(false);
        sub_ApplyGUIControl();
        for (int e = 0; e < kControlVisibleCount; ++e)
            if (!ControlVisible[e])
                hidden.insert(e);
        EXPECT_EQ(hidden, entries) << kGUIControl[flag].key;
    }
    for (int e = 0; e < kControlVisibleCount; ++e)
        EXPECT_EQ(owners.count(e), 1u) << "entry " << e;
    g_GUIControl.fill(false);
    sub_ApplyGUIControl();
    EXPECT_TRUE(ControlVisible[36] && ControlVisible[43] && ControlVisible[44]);
    EXPECT_EQ(std::count(ControlVisible.begin(), ControlVisible.end(), true), 3);
}

} // namespace
