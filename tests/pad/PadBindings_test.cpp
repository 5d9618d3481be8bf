// The bindings every device panel is made of, on parameters whose events the
// test raises itself, so that an event in the middle of a command can be forced.

#include "ScriptedUi.h"

#include "widgets/FrameThrottle.h"
#include "pad/ListDeviceBinding.h"
#include "pad/PadCommandGuard.h"
#include "core/DeviceValue.h"
#include "pad/ParameterBinding.h"
#include "pad/ToggleDeviceBinding.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>

namespace zotest {
namespace {

class TestParameter : public ZOSCOPELib::Parameter {
public:
    int32_t Value() const override { return value; }
    std::string ValueString() const override { return std::to_string(value); }
    int32_t LowerLimit() const override { return 0; }
    int32_t UpperLimit() const override { return 100; }
    double Resolution() const override { return 1; }

    void Report(int32_t v)
    {
        value = v;
        OnValueChanged.Raise();
    }

    int32_t value = 1;
};

class Bindings : public ::testing::Test {
protected:
    static constexpr int kDevice = DeviceIndex::Nosepiece;

    void SetUp() override
    {
        for (int i = 1; i <= 6; ++i)
            list.addItem(QString("%1: item").arg(i));
    }

    ScriptedUi ui;
    ScopedUi scopedUi{ui};
    QWidget pad;
    PadCommandPath path{pad};
    usrComboBox list{&pad};
    usrMPButton button{&pad};
    std::shared_ptr<TestParameter> parameter = std::make_shared<TestParameter>();
    ParameterBinding member;
    ListDeviceBinding binding{path, member, list};
    std::vector<int32_t> sent;

    // After one guarded command: the device free, the pad enabled, the pointer
    // set and reset once, and the input flushed once.
    void ExpectGuardOver(bool busy) const
    {
        EXPECT_EQ(std::tuple(busy, pad.isEnabled(), ui.BusyPointer(), ui.Flushes()),
                  std::tuple(false, true, std::vector<bool>{true, false}, 1));
    }
};

TEST_F(Bindings, BindingAgainOrReleasingLetsGoOfTheFormerParameter)
{
    int calls = 0;
    auto other = std::make_shared<TestParameter>();
    member.Bind(other, [&] { calls += 100; });
    member.Bind(parameter, [&] { ++calls; }, [&] { ++calls; });
    other->Report(4);
    parameter->Report(2);
    parameter->OnInfoChanged.Raise();
    EXPECT_EQ(std::tuple(calls, parameter->OnValueChanged.SubscriberCount()), std::tuple(2, 1u));

    member.Release();
    parameter->Report(3);
    parameter->OnInfoChanged.Raise();
    EXPECT_EQ(std::tuple(calls, member.Subscribed(), member.IsBound(), parameter->OnValueChanged.SubscriberCount()),
              std::tuple(2, false, false, 0u));
    EXPECT_THROW(member.Value(), ZOSCOPELib::SdkError);
}

TEST_F(Bindings, AHandlerThatFailsDoesNotCarryItsErrorIntoTheSdk)
{
    member.Bind(parameter, [] { throw ZOSCOPELib::SdkError("x", 1, "broken"); },
                [] { throw std::runtime_error("broken too"); });
    EXPECT_NO_THROW(parameter->Report(2));
    EXPECT_NO_THROW(parameter->OnInfoChanged.Raise());
}

TEST_F(Bindings, ValueEventsSelectTheEntryAndNeverSendItBack)
{
    binding.Bind(kDevice, parameter, [&](int32_t p) { sent.push_back(p); });
    // Positions of 0 or less (a turret between positions), or past the entries, change nothing.
    for (int32_t position : {4, 0, -1, 9}) {
        parameter->Report(position);
        EXPECT_EQ(std::tuple(list.selectedIndex(), list.text()), std::tuple(3, QString("4: item"))) << position;
    }
    EXPECT_TRUE(sent.empty());
}

TEST_F(Bindings, ASelectionIsOneCommandWithThePositionAndTheGuardAroundIt)
{
    binding.Bind(kDevice, parameter, [&](int32_t p) {
        // Inside the call: busy, hourglass, the pad disabled.
        EXPECT_EQ(std::tuple(binding.Busy(), pad.isEnabled(), ui.BusyPointer()),
                  std::tuple(true, false, std::vector<bool>{true}));
        sent.push_back(p);
    });
    list.setSelectedIndex(2);
    EXPECT_EQ(sent, std::vector<int32_t>{3});
    ExpectGuardOver(binding.Busy());
}

TEST_F(Bindings, APositionReportedWhileTheUsersCommandRunsIsIgnored)
{
    binding.Bind(kDevice, parameter, [&](int32_t p) {
        sent.push_back(p);
        // The instrument still reports where it was when the user chose.
        parameter->Report(1);
    });
    parameter->Report(1);
    list.setSelectedIndex(4);
    EXPECT_EQ(std::tuple(list.selectedIndex(), sent), std::tuple(4, std::vector<int32_t>{5})) << "the user's choice";
    // Once the command is over, reports are shown again.
    parameter->Report(5);
    EXPECT_EQ(list.selectedIndex(), 4);
    parameter->Report(2);
    EXPECT_EQ(std::tuple(list.selectedIndex(), sent), std::tuple(1, std::vector<int32_t>{5}));
}

TEST_F(Bindings, SelectionsMadeWhileThePadFillsTheListSendNothing)
{
    binding.Bind(
        kDevice, parameter, [&](int32_t p) { sent.push_back(p); },
        [&](usrComboBox& l) {
            l.clear();
            for (int i = 1; i <= 6; ++i)
                l.addItem(QString("%1: rebuilt").arg(i));
            l.setSelectedIndex(5); // raises the selection event, as a user's choice would
        });
    parameter->OnInfoChanged.Raise();
    EXPECT_EQ(list.itemText(5), "6: rebuilt");
    binding.WhileUpdating([&] { list.setSelectedIndex(1); });
    EXPECT_EQ(std::tuple(sent.empty(), binding.Updating()), std::tuple(true, false));
    list.setSelectedIndex(0);
    EXPECT_EQ(sent, std::vector<int32_t>{1});
}

TEST_F(Bindings, AFailingCommandLeavesThePadEnabledTheDeviceFreeAndThePointerNormal)
{
    binding.Bind(kDevice, parameter, [](int32_t) { throw ZOSCOPELib::SdkError("ZOSCOPELib.Test", 1004, "no answer"); });
    EXPECT_NO_THROW(list.setSelectedIndex(3));
    ExpectGuardOver(binding.Busy());
    EXPECT_EQ(list.selectedIndex(), 0) << "the list shows where the device is, not the choice";
}

TEST_F(Bindings, ToggleButtonsShowStateOneForOnAndSendTheStateTheClickLeft)
{
    ToggleDeviceBinding toggle(path, member, button);
    std::vector<bool> switched;
    std::vector<bool> seen;
    toggle.AfterValue = [&](bool on) { seen.push_back(on); };
    toggle.Bind(kDevice, parameter, [&](bool on) { switched.push_back(on); });
    for (const auto& [value, state] : {std::pair{1, 1}, {0, 2}}) {
        parameter->Report(value);
        EXPECT_EQ(button.state(), state);
    }
    EXPECT_EQ(std::tuple(seen, switched.empty()), std::tuple(std::vector<bool>{true, false}, true));

    button.click(); // 2 -> 1: on
    button.click(); // 1 -> 2: off
    EXPECT_EQ(std::tuple(switched, ui.BusyPointer(), pad.isEnabled()),
              std::tuple(std::vector<bool>{true, false}, std::vector<bool>{true, false, true, false}, true));
}

TEST(PadNumbers, DisplayValuesBecomeWholeDeviceUnits)
{
    // Halves go to the even unit; too large is the largest; no resolution gives 0.
    const std::tuple<double, double, int32_t> cases[] = {{12.5, 0.1, 125}, {12.3, 0.1, 123}, {-12.5, 0.1, -125},
                                                         {2.5, 1.0, 2},    {0.5, 1.0, 0},    {1.5, 1.0, 2},
                                                         {1e12, 1.0, 2147483647}, {5, 0.0, 0}};
    for (const auto& [value, resolution, units] : cases)
        EXPECT_EQ(func_DeviceValue(value, resolution), units) << value << " / " << resolution;
}

TEST(PadFrameThrottle, ABurstReachesTheScreenOnceAFrameWithTheLatestValue)
{
    int shows = 0;
    FrameThrottle throttle([&] { ++shows; });
    throttle.Request(); // after a quiet frame: at once
    EXPECT_EQ(shows, 1);
    for (int i = 0; i < 100; ++i)
        throttle.Request();
    EXPECT_EQ(std::tuple(shows, throttle.Pending()), std::tuple(1, true));
    QTest::qWait(3 * FrameThrottle::FramePeriodMs());
    EXPECT_EQ(std::tuple(shows, throttle.Pending()), std::tuple(2, false)) << "shown together when the frame ends";

    throttle.Request();
    throttle.Flush();
    EXPECT_FALSE(throttle.Pending());
}

} // namespace
} // namespace zotest
