#pragma once
// A clsZo connected to a fresh simulated microscope, with the English
// language file loaded and the scripted UI services installed, for the tests
// of the accessories, modes, keys and setup files.

#include "ProgramFolder.h"
#include "ScriptedUi.h"
#include "SimFixture.h"
#include "TestEnv.h"

#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsBAFilter.h"
#include "model/clsCondenser.h"
#include "model/clsConnectFilter.h"
#include "model/clsConnectKMX.h"
#include "model/clsConnectMicroscope.h"
#include "model/clsConnectPiezoStage.h"
#include "model/clsConnectShutter.h"
#include "model/clsDBBAFilter.h"
#include "model/clsDBObjective.h"
#include "model/clsDbCondenser.h"
#include "model/clsDbEXFilter.h"
#include "model/clsDbFilter.h"
#include "model/clsEXFilter.h"
#include "model/clsErgoKey.h"
#include "model/clsFilter1.h"
#include "model/clsFilter2.h"
#include "model/clsModeALF.h"
#include "model/clsModeRotation.h"
#include "model/clsObjective.h"
#include "model/clsObservationMode.h"
#include "model/clsPadParameters.h"
#include "model/clsRemoteKey.h"
#include "model/clsShortcutKey.h"
#include "model/clsVersion.h"
#include "model/clsZo.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <memory>
#include <string>

namespace zotest {

// A parameter whose value the test sets.
class FakeParameter : public ZOSCOPELib::Parameter {
public:
    explicit FakeParameter(int32_t value) : value(value) {}
    int32_t Value() const override { return value; }
    std::string ValueString() const override { return std::to_string(value); }
    int32_t LowerLimit() const override { return 0; }
    int32_t UpperLimit() const override { return 0; }
    double Resolution() const override { return 1; }
    int32_t value;
};

// The pad's parameter lookup as a test sets it up: items it has and items it
// does not (an absent device).
class FakePad : public clsPadParameters {
public:
    std::map<Item, ZOSCOPELib::ParameterPtr> parameters;
    ZOSCOPELib::ParameterPtr func_PadParameter(Item item) override
    {
        const auto found = parameters.find(item);
        return found == parameters.end() ? nullptr : found->second;
    }
    // Gives the pad a parameter of that value for the item.
    void Set(Item item, int32_t value) { parameters[item] = std::make_shared<FakeParameter>(value); }
};

class ConnectedZo : public ::testing::Test {
protected:
    ConnectedZo() { UseBuiltLanguage(); }

    void SetUp() override { Connect(""); }

    // A fresh model on a fresh microscope made from a description text ("" =
    // the built-in instrument), connected like the program connects it, with
    // the start-up and dialog reads done.
    void Connect(const std::string& description)
    {
        zo.reset();
        sim.reset();
        sim = std::make_unique<SimMicroscope>(SimOptions{.description = description, .connect = false});
        zo = std::make_unique<clsZo>();
        zo->Scope = sim->Release();
        ASSERT_TRUE(zo->func_Connect(0));
        ASSERT_TRUE(zo->func_ControlInfo()) << ui.BoxTexts().back();
        ASSERT_TRUE(zo->func_Receive()) << ui.BoxTexts().back();
        ResetFlags();
        ui.ClearRecord();
    }

    static void ResetFlags()
    {
        g_LayoutPending = false;
        g_RefreshObservationMode = false;
        g_RefreshPiezoStage = false;
    }

    // The report line of a rejected setup-file element: message and item.
    static std::string Line(int message, const std::string& item) { return func_GetMessage(message) + "[" + item + "]"; }

    // Feeds one setup-file element, written as XML text, to a component.
    static std::string ReadElement(clsComponent& component, const char* xml)
    {
        pugi::xml_document document;
        EXPECT_TRUE(document.load_string(xml)) << xml;
        return component.func_ReadDom(document.first_child());
    }

    ZOSCOPELib::Scope& scope() { return *zo->Scope; }
    ZOSCOPELib::sim::Control& control() { return sim->control(); }
    ZOSCOPELib::sim::Description& config() { return sim->control().Config(); }

    ScriptedUi ui;
    ScopedUi scopedUi{ui};
    std::unique_ptr<SimMicroscope> sim; // declared before zo: zo holds its Scope
    std::unique_ptr<clsZo> zo;
};

} // namespace zotest
