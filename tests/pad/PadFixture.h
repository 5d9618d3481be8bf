#pragma once
// A control pad on a connected simulated microscope (manual clock, call trace,
// English texts, every display switch on), as the start-up leaves it.

#include "ProgramFolder.h"
#include "ScriptedUi.h"
#include "SimFixture.h"
#include "TestEnv.h"

#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/StartupHost.h"
#include "model/clsConnectFilter.h"
#include "model/clsZo.h"
#include "model/mdlStartup.h"
#include "pad/PadStatusLine.h"
#include "pad/frmZoControl.h"
#include "settings/frmSettingMain.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"
#include "windows/frmStage.h"
#include "windows/frmTIRF.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace zotest {

using ::testing::DoubleEq;
using ::testing::Pointwise;

// The start-up host as far as the pad's unload reaches it: the steps are
// recorded, the pad's own steps run on the pad.
class PadHost : public StartupHost {
public:
    std::vector<std::string> steps;
    frmZoControl* pad = nullptr;

    std::unique_ptr<ZOSCOPELib::Scope> CreateScope() override { return nullptr; }
    void ShowSplash(int) override { steps.push_back("show splash"); }
    void SetSplashEnabled(bool) override {}
    void HideSplash() override {}
    void UnloadSplash() override { steps.push_back("unload splash"); }
    void LoadMainWindow() override {}
    void ShowMainWindow() override {}
    void UnloadMainWindow() override {}
    void RemoveKeyboardHook() override { steps.push_back("remove keyboard hook"); }
    void UnloadOtherWindows() override
    {
        steps.push_back("unload other windows");
        if (pad)
            pad->sub_UnloadOtherWindows();
    }
    void ReleaseParameters() override
    {
        steps.push_back("release parameters");
        if (pad)
            pad->sub_ReleaseParameters();
    }
    void EndProcess(int code) override { steps.push_back("end process " + std::to_string(code)); }
};

class PadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        appDir = UseFreshProgramFolder("pad-app");
        g_GUIControl.fill(true);
        g_LayoutType = 1;
        g_ChangeGui = 0;
        for (auto& increments : g_IncrementValue)
            increments = {"1", "10", "100"};
        g_StartupHost = &host;
    }

    // The pad goes before the model it shows (members die in reverse order);
    // the program-wide variables are reset after every test.
    void TearDown() override
    {
        pad.reset();
        g_Zo.reset();
    }

    // Connects a microscope made from the description ("" the built-in one)
    // and loads the pad on it, as the start-up does.
    void Load(const std::string& description = "")
    {
        traceFile = (TestEnv::FreshDir("pad-trace") / "trace.txt").string();
        sim = std::make_unique<SimMicroscope>(
            SimOptions{.description = description, .traceFile = traceFile, .connect = false});
        g_Zo.reset();
        g_Zo->Scope = sim->Release();
        ASSERT_TRUE(g_Zo->func_Connect(0));
        ASSERT_TRUE(g_Zo->func_ControlInfo());
        pad = std::make_unique<frmZoControl>();
        host.pad = pad.get();
        pad->sub_SetInitialStatus();
        sim->Settle();
        pad->show();
        pad->Form_Activate();
        ui.ClearRecord();
        MarkTrace();
    }

    ZOSCOPELib::Scope& scope() { return *g_Zo->Scope; }

    template <class Kind = QWidget>
    Kind* Find(const char* name) const
    {
        Kind* control = pad->findChild<Kind*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void MarkTrace() { traceMark = LinesContaining(traceFile, "").size(); }

    // The calls since the mark that change something on the instrument.
    std::vector<std::string> WritesSinceMark() const
    {
        static const std::regex write(
            R"(\.(Set\w*|Open|Close|On|Off|In|Out|MoveAbsolute|MoveRelative|Stop|ApplyMode|ExecuteALF|StepForward|StepBackward|NDStep\w*|Connect|Release|EnableSwitch|DisableSwitch|RemoveMode)\()");
        std::vector<std::string> writes;
        const std::vector<std::string> lines = LinesContaining(traceFile, "");
        for (std::size_t i = traceMark; i < lines.size(); ++i)
            if (std::regex_search(lines[i], write))
                writes.push_back(lines[i]);
        return writes;
    }

    // The writes since the mark are exactly these calls, in this order (each
    // named by a piece of its trace line).
    void ExpectWrites(const std::vector<std::string>& calls) const
    {
        const std::vector<std::string> writes = WritesSinceMark();
        ASSERT_EQ(writes.size(), calls.size()) << (writes.empty() ? "no write" : writes[0]);
        for (std::size_t i = 0; i < calls.size(); ++i)
            EXPECT_NE(writes[i].find(calls[i]), std::string::npos) << writes[i] << " is not " << calls[i];
    }

    usrComboBox* List(const char* name) const { return Find<usrComboBox>(name); }
    std::string Entry(const char* list, int index) const { return List(list)->itemText(index).toStdString(); }
    std::vector<std::string> Entries(const char* list) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < List(list)->count(); ++i)
            texts.push_back(Entry(list, i));
        return texts;
    }
    void Select(const char* list, int index) const { List(list)->setSelectedIndex(index); }
    void Click(const char* button) const { Find<usrPButton>(button)->click(); }
    // Which of the pad's panels, the stage and TIRF windows and Stop take input.
    std::tuple<bool, bool, bool, bool> Enabled() const
    {
        return {pad->Panels()->isEnabled(), pad->StageWindow()->isEnabled(), pad->TIRFWindow()->isEnabled(),
                pad->StatusLine()->btnStop->isEnabled()};
    }
    void SettleAndMark()
    {
        sim->Settle();
        MarkTrace();
    }

    ScriptedUi ui;
    ScopedUi scopedUi{ui};
    PadHost host;
    std::filesystem::path appDir;
    std::string traceFile;
    std::size_t traceMark = 0;
    std::unique_ptr<SimMicroscope> sim;
    std::unique_ptr<frmZoControl> pad;
};

} // namespace zotest
