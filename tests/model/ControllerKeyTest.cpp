// Key assignments of the ergo controller, the remote pad and the keyboard.

#include "AccessoriesFixture.h"

using namespace ZOSCOPELib;

namespace {

class ControllerKeys : public zotest::ConnectedZo {
protected:
    clsErgoKey& ergo() { return *zo->ErgoKey; }
    clsRemoteKey& remote() { return *zo->RemoteKey; }

    // The ergo keys 1 to 7, then the switchable keys as rows A and B.
    std::vector<int32_t> Keys()
    {
        std::vector<int32_t> keys;
        for (int k = 0; k < 7; ++k)
            keys.push_back(ergo().Key(k));
        for (int k = 0; k < 2; ++k)
            for (const int row : {clsErgoKey::RowA, clsErgoKey::RowB})
                keys.push_back(ergo().KeyAB(k, row));
        return keys;
    }
};

// Writing them (by ID, the comma form for the switchable keys) is held to the
// reference setup file (SetupFileTest).
TEST_F(ControllerKeys, TheErgoCodesAreReadInOrder)
{
    // The built-in controller holds 15 16 17 21 22 70 71 72 73 79; keys 6 and
    // switchable key 2 (row 2) are outside.
    EXPECT_EQ(Keys(), (std::vector<int32_t>{15, 16, 17, 21, 22, 79, 0, 70, 71, 72, 73}));
    EXPECT_TRUE(ergo().IsSwitchEnable());
    EXPECT_EQ(std::tuple(ergo().KeyAB(2, 0), ergo().KeyAB(0, 2)), std::tuple(0, 0));
}

TEST_F(ControllerKeys, AnErgoWriteAlwaysSendsTheSwitchButKeysOnlyWhenChanged)
{
    control().FailCall("ErgoController", "SetKeys", NotAnswering);
    ergo().SetIsSwitchEnable(false);
    EXPECT_EQ(ergo().func_WriteSdk(), "") << "no key changed: SetKeys is not called";
    EXPECT_EQ(scope().ErgoController().SwitchEnabled()->Value(), 0);
    ergo().sub_RestData();
    EXPECT_FALSE(ergo().IsSwitchEnable()) << "what was sent is the new backup";
    control().ClearFaults();

    ergo().SetKeyAB(1, clsErgoKey::RowB, 99);
    ergo().SetKey(5, 5);
    EXPECT_EQ(ergo().func_WriteSdk(), "");
    EXPECT_EQ(scope().ErgoController().GetKeys(),
              (ErgoControllerDevice::KeyCodes{15, 16, 17, 21, 22, 70, 71, 72, 99, 5}));
}

TEST_F(ControllerKeys, AFailedErgoWriteIsReportedAndSentAgain)
{
    ergo().SetKey(0, 1);
    control().FailCall("ErgoController", "SetKeys", NotAnswering, 1);
    EXPECT_EQ(zo->func_Send(), func_GetMessage(104));
    EXPECT_EQ(scope().ErgoController().GetKeys()[0], 15);
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(scope().ErgoController().GetKeys()[0], 1);
    control().FailCall("ErgoController", "SetKeys", NotAnswering);
    EXPECT_EQ(zo->func_Send(), "") << "sent keys are not sent again";
}

TEST_F(ControllerKeys, RestoringTheErgoKeysTakesBackTheSwitchToo)
{
    ergo().SetKey(2, 40);
    ergo().SetKeyAB(0, clsErgoKey::RowA, 41);
    ergo().SetIsSwitchEnable(false);
    zo->sub_RestData();
    EXPECT_EQ(Keys(), (std::vector<int32_t>{15, 16, 17, 21, 22, 79, 0, 70, 71, 72, 73}));
    EXPECT_TRUE(ergo().IsSwitchEnable());
}

TEST_F(ControllerKeys, WithoutTheErgoControllerNothingIsReadOrWritten)
{
    Connect("[Mounted]\nErgoController = 0\n");
    control().FailCall("ErgoController", "*", NotAnswering);
    EXPECT_EQ(ergo().func_ReadSdk(), "");
    EXPECT_EQ(ergo().Key(0), 0);
    ergo().SetKey(0, 3);
    EXPECT_EQ(ergo().func_WriteSdk(), "");
}

TEST_F(ControllerKeys, ErgoElementsGoByIdAndTheSwitchableKeysTakeTwoCodes)
{
    // Either element name; ID 6 and 7 are the switchable keys, 8 the last key.
    for (const char* xml : {"<KEYAB ID='7' FUNCTION='12,34'/>", "<key id='6' function=' 5 , 6 '/>",
                            "<KEY ID='8' FUNCTION='44'/>", "<KEY ID='3' FUNCTION='45'/>"})
        EXPECT_EQ(ReadElement(ergo(), xml), "") << xml;
    const std::vector<int32_t> loaded = {15, 16, 45, 21, 22, 44, 0, 5, 6, 12, 34};
    EXPECT_EQ(Keys(), loaded);

    const std::pair<const char*, const char*> rejected[] = {{"<KEY ID='9' FUNCTION='1'/>", "9"},
                                                            {"<KEY ID='0' FUNCTION='1'/>", "0"},
                                                            {"<KEYAB ID='6' FUNCTION='7'/>", "6"}, // no comma
                                                            {"<KEY ID='1' FUNCTION='x'/>", "1"},
                                                            {"<KEY FUNCTION='1'/>", "-1"}};
    for (const auto& [xml, id] : rejected)
        EXPECT_EQ(ReadElement(ergo(), xml), Line(104, id)) << xml;
    EXPECT_EQ(Keys(), loaded) << "rejected elements change nothing";
}

TEST_F(ControllerKeys, RemoteKeysTakeFunctionsUpTo93)
{
    // Key 2 after each element.
    for (const auto& [xml, report, key] : {std::tuple("<KEY ID='2' FUNCTION='94'/>", Line(103, "2"), 0),
                                           std::tuple("<KEY ID='2' FUNCTION='93'/>", std::string(), 93),
                                           std::tuple("<KEY ID='7' FUNCTION='1'/>", Line(103, "7"), 93),
                                           std::tuple("<KEY ID='1' FUNCTION='-1'/>", Line(103, "1"), 93),
                                           std::tuple("<KEY ID='abc' FUNCTION='1'/>", Line(103, "abc"), 93)}) {
        EXPECT_EQ(ReadElement(remote(), xml), report) << xml;
        EXPECT_EQ(remote().Key(1), key) << xml;
    }
}

TEST_F(ControllerKeys, KeyboardKeysComeFromTheSettingsAndStayOutOfSetupFiles)
{
    g_ShortcutKey.fill(0);
    g_ShortcutKey[15] = 86;
    clsShortcutKey& keyboard = *zo->ShortcutKey;
    EXPECT_EQ(keyboard.func_ReadSdk(), "");
    EXPECT_EQ(std::tuple(keyboard.Key(15), keyboard.Key(16)), std::tuple(86, 0));
    EXPECT_EQ(ReadElement(keyboard, "<KEY ID='1' FUNCTION='3'/>"), "");
    EXPECT_EQ(keyboard.Key(0), 0);
}

} // namespace
