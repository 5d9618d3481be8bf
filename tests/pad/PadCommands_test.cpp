// The command path as the controls show it: failures, held recalls, the mode list.

#include "PadFixture.h"

#include <QLabel>

namespace zotest {
namespace {

class PadCommands : public PadTest {
protected:
    std::string Status() const { return pad->StatusLine()->Text().toStdString(); }
};

// What a list, a two-state button or a bar shows.
double Shown(QWidget* control)
{
    if (auto* list = qobject_cast<usrComboBox*>(control))
        return list->selectedIndex();
    if (auto* button = qobject_cast<usrMPButton*>(control))
        return button->state();
    return qobject_cast<usrXscrollZo*>(control)->value();
}

// The user's action on it: another entry, a click, the bar dragged elsewhere.
void Act(QWidget* control)
{
    if (auto* list = qobject_cast<usrComboBox*>(control)) {
        list->setSelectedIndex(list->selectedIndex() == 1 ? 2 : 1);
    } else if (auto* button = qobject_cast<usrMPButton*>(control)) {
        button->click();
    } else {
        auto* bar = qobject_cast<usrXscrollZo*>(control);
        const double to = bar->value() == bar->minimum() ? bar->maximum() : bar->minimum();
        bar->setValue(to);
        emit bar->valueChosen(to);
    }
}

TEST_F(PadCommands, AFailedCommandLeavesTheControlOnTheDevicesStateAndNamesTheDevice)
{
    Load();
    scope().DiaLamp().SetControlSwitch(1);
    scope().DiaLamp().On();
    scope().FKSUnit().On();
    sim->Settle();
    const std::pair<const char*, const char*> cases[] = {
        {"cboOBJ", "Nosepiece"},           {"cboCON", "Condenser"},
        {"cboPath", "Light Path"},         {"cboFL1", "Filter Turret 1"},
        {"cboFL2", "Filter Turret 2"},     {"cboEX", "Excitation Filter Wheel"},
        {"cboBA", "Barrier Filter Wheel"}, {"cboIrlux", "Fluorescence Illuminator"},
        {"chkDIAShutter", "DIA Shutter"},  {"chkEpi", "Epi Shutter"},
        {"chkAUX", "AUX Shutter"},         {"chkAnlyz", "Analyzer"},
        {"picIrlux", "Fluorescence Illuminator"}, {"chkTIRF", "TIRF Unit"},
        {"chkDIALamp", "DIA Lamp"},        {"sbDIALamp", "DIA Lamp"},
        {"sbTIRFAngle", "TIRF Unit"},      {"sbFKS", "FKS Unit"},
        {"chkFKS", "FKS Unit"},
    };
    // Reads go on working: only the commands fail.
    for (const char* member : {"SetPosition", "SetNDPosition", "Open", "Close", "On", "Off", "In", "Out", "SetValue",
                               "MoveAbsolute"})
        sim->control().FailCall("*", member, ZOSCOPELib::NotAnswering);
    for (const auto& [name, device] : cases) {
        QWidget* control = Find(name);
        const double before = Shown(control);
        Act(control);
        pad->FlushReadouts();
        EXPECT_EQ(Shown(control), before) << name;
        EXPECT_NE(Status().find(std::string(device) + ": did not answer"), std::string::npos) << name << ": " << Status();
    }
    // The tooltip keeps the last five, the newest first.
    const QStringList tip = pad->StatusLine()->lblStatus->toolTip().split('\n');
    ASSERT_EQ(tip.size(), 6);
    EXPECT_TRUE(tip[1].endsWith("FKS Unit: did not answer")) << tip[1].toStdString();

    // A failure stands until the next command to its device succeeds.
    sim->control().ClearFaults();
    Act(Find("chkFKS"));
    EXPECT_EQ(std::tuple(Status().find("FKS Unit") == std::string::npos, Status().find("TIRF Unit: did not answer") != std::string::npos),
              std::tuple(true, true)) << Status();
}

TEST_F(PadCommands, ARecallHoldsTheWindowsUntilArrivalAndEscapeStopsIt)
{
    g_MemX[0] = "40000";
    g_MemY[0] = "30000";
    g_MemZ[0] = "3000";
    Load();
    Click("picStage");
    Click("picTIRFAngle");
    ASSERT_TRUE(pad->StageWindow() && pad->TIRFWindow());
    // Z stands at 3000 already: its recall is over at once.
    Select("cboZ", 0);
    EXPECT_EQ(Enabled(), std::tuple(true, true, true, false));

    Select("cboXY", 0);
    sim->Run(1000);
    pad->FlushReadouts();
    EXPECT_EQ(Enabled(), std::tuple(false, false, false, true));
    const std::string readout = Find<QLineEdit>("txtX")->text().toStdString();
    EXPECT_NE(readout.find("→ 40"), std::string::npos) << readout;

    MarkTrace();
    QTest::keyClick(pad->StageWindow(), Qt::Key_Escape);
    ExpectWrites({"XYStage.Stop()"});
    sim->Settle();
    EXPECT_EQ(Enabled(), std::tuple(true, true, true, false));
    const int32_t stopped = scope().XAxis().Position()->Value();
    sim->Run(1000);
    pad->FlushReadouts();
    EXPECT_EQ(std::tuple(scope().XAxis().Position()->Value() < 400000, scope().XAxis().Position()->Value()),
              std::tuple(true, stopped));
    EXPECT_EQ(Find<QLineEdit>("txtX")->text().toStdString().find("→"), std::string::npos);
}

TEST_F(PadCommands, TheModeListShowsTheModeTheInstrumentIsIn)
{
    Load();
    Select("cboCHGMode", 2);
    sim->Settle();
    EXPECT_EQ(List("cboCHGMode")->selectedIndex(), 2);
    const int32_t ex = scope().ExcitationWheel().Position()->Value();
    scope().ExcitationWheel().SetPosition(ex == 1 ? 2 : 1);
    sim->Settle();
    EXPECT_EQ(List("cboCHGMode")->selectedIndex(), -1);
    scope().ExcitationWheel().SetPosition(ex);
    sim->Settle();
    EXPECT_EQ(List("cboCHGMode")->selectedIndex(), 2);
}

} // namespace
} // namespace zotest
