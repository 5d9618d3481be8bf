// Setup files: finding the sections, loading the chosen ones with their load
// report, saving atomically and byte for byte the same, hostile input.

#include "AccessoriesFixture.h"

#include "model/clsSetupFile.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kSectionTags = {
    "NOSEPIECE", "CONDENSER",       "FILTER1", "FILTER2", "BAFILTER",    "EXFILTER",      "FLTURRET",  "ALF",
    "ROTATIONSTOPPER", "OBSERVATIONMODE", "SHUTTER", "CAMERA", "ERGOCONTROL", "REMOTECONTROL", "PIEZOSTAGE"};

using zotest::ReadText;

class SetupFiles : public zotest::ConnectedZo {
protected:
    void SetUp() override
    {
        ConnectedZo::SetUp();
        folder = zotest::TestEnv::FreshDir("setup");
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        zotest::WriteText(folder / name, text);
        return (folder / name).string();
    }
    // The boxes shown: the load report (message 55) with its lines, or one message.
    std::vector<std::string> Report(std::initializer_list<std::string> lines) const
    {
        std::string text = func_GetMessage(55);
        for (const std::string& line : lines)
            text += "\r\n" + line;
        return {text};
    }

    // Scans the file and loads every section it has.
    void LoadAll(const std::string& path)
    {
        ASSERT_TRUE(zo->func_ReadXMLItems(path));
        zo->sub_ReadXML(path);
    }

    std::vector<bool> FileItems() const
    {
        std::vector<bool> items;
        for (int i = 0; i < clsZo::FileItemCount; ++i)
            items.push_back(zo->FileItem(i));
        return items;
    }

    // Edits that make the model differ from the simulator's in every
    // component this file has sections for.
    void EditModel()
    {
        zo->ModeALF->SetIsALFOn(1);
        zo->ModeRotation->SetIsRotationOn(1);
        zo->ConnectShutter->SetUse(1, clsConnectShutter::UseDIA);
        zo->ConnectShutter->SetMaker(1, 2);
        zo->ConnectKMX->SetUse(1, 4);
        zo->ConnectKMX->SetMaker(1, 1);
        zo->ConnectPiezoStage->SetConnected(-1);
        zo->ErgoKey->SetKeyAB(0, clsErgoKey::RowB, 33);
        zo->RemoteKey->SetKey(3, 17);
        zo->ObservationMode->SetName(5, "NEW");
        zo->ObservationMode->SetMode(5, 0, -1);
    }

    fs::path folder;
};

TEST_F(SetupFiles, AScanMarksThePresentSectionsWhateverTheirLetterCase)
{
    const std::string path = Write("lower.xml", "<?xml version='1.0'?>\n<!-- hand made -->\n<zosetup>\n"
                                                "  <Alf><value status='true'/></Alf>\n  <camera/>\n  <UNKNOWN/>\n"
                                                "  text\n</zosetup>");
    ASSERT_TRUE(zo->func_ReadXMLItems(path));
    std::vector<bool> expected(clsZo::FileItemCount, false);
    expected[7] = expected[9] = true;
    EXPECT_EQ(FileItems(), expected);
    zo->sub_ReadXML(path);
    EXPECT_EQ(zo->ModeALF->IsALFOn(), 1);
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(SetupFiles, AFileThatIsNoSetupFileOrTooLargeIsRefusedWithItsMessage)
{
    struct Case {
        std::string text;
        int message;
    };
    const std::vector<Case> cases = {
        {"", 51},
        {"<ZOSETUP><ALF></ZOSETUP>", 51},
        {"<ZOSETUP><ALF/></ZOSETUP><!-- cut", 51},
        {"\xff\xfe<\0Z", 51},
        {"<OTHER><ALF><VALUE STATUS='True'/></ALF></OTHER>", 52},
        {"<?xml version='1.0'?><!-- only a comment -->", 51},
        {"<ZOSETUPX/>", 52},
    };
    for (const Case& c : cases) {
        ui.ClearRecord();
        zo->SetFileItem(9, true);
        const std::string path = Write("bad.xml", c.text);
        EXPECT_FALSE(zo->func_ReadXMLItems(path)) << c.text;
        EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(c.message)}) << c.text;
        EXPECT_EQ(FileItems(), std::vector<bool>(clsZo::FileItemCount, false)) << c.text;
    }
    ui.ClearRecord();
    EXPECT_FALSE(zo->func_ReadXMLItems((folder / "missing.xml").string()));
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(51)});

    // A file over 16 MiB is refused like a broken one.
    ui.ClearRecord();
    std::string big = "<ZOSETUP><ALF><VALUE STATUS='True'/></ALF><!--";
    big.append(clsSetupFile::MaxFileSize, 'x');
    big += "--></ZOSETUP>";
    const std::string path = Write("big.xml", big);
    EXPECT_FALSE(zo->func_ReadXMLItems(path));
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(51)});
}

TEST_F(SetupFiles, RejectedElementsAreListedOnceAtTheEndAndTheRestIsLoaded)
{
    const std::string path =
        Write("mixed.xml", "<ZOSETUP>\n"
                           " <SHUTTER><VALUE ID='1' BRAND='2' TYPE='1'/><VALUE ID='2' BRAND='2' TYPE='1'/></SHUTTER>\n"
                           " <CAMERA><VALUE ID='2' BRAND='3' TYPE='0'/><VALUE ID='1' BRAND='1' TYPE='2'/></CAMERA>\n"
                           " <REMOTECONTROL><KEY ID='1' FUNCTION='94'/><KEY ID='2' FUNCTION='93'/></REMOTECONTROL>\n"
                           " <ROTATIONSTOPPER><VALUE STATUS='True'/></ROTATIONSTOPPER>\n"
                           "</ZOSETUP>\n");
    LoadAll(path);
    ASSERT_EQ(ui.BoxTexts(), Report({Line(97, "2"), Line(98, "2"), Line(103, "1")}));
    EXPECT_EQ(ui.Boxes()[0].style, UiServices::MB_OK);
    EXPECT_EQ(std::tuple(zo->ConnectShutter->Use(0), zo->ConnectShutter->Use(1)),
              std::tuple(clsConnectShutter::UseEpi, clsConnectShutter::UseAUX))
        << "the pair was refused";
    EXPECT_EQ(std::tuple(zo->ConnectKMX->Use(0), zo->ConnectKMX->Use(1)), std::tuple(2, 0));
    EXPECT_EQ(std::tuple(zo->RemoteKey->Key(0), zo->RemoteKey->Key(1)), std::tuple(0, 93));
    EXPECT_EQ(zo->ModeRotation->IsRotationOn(), 1);
}

TEST_F(SetupFiles, OnlyTheChosenSectionsAreLoadedAndNoneLoadsNothingAndSaysNothing)
{
    const std::string path = Write("two.xml", "<ZOSETUP><ALF><VALUE STATUS='True'/></ALF>"
                                              "<ROTATIONSTOPPER><VALUE STATUS='True'/></ROTATIONSTOPPER></ZOSETUP>");
    ASSERT_TRUE(zo->func_ReadXMLItems(path));
    zo->SetFileItem(9, false);
    zo->sub_ReadXML(path);
    EXPECT_EQ(std::tuple(zo->ModeALF->IsALFOn(), zo->ModeRotation->IsRotationOn()), std::tuple(0, 1));

    Connect("");
    const std::string all = Write("all.xml", "<ZOSETUP><ALF><VALUE STATUS='maybe'/></ALF>"
                                             "<ROTATIONSTOPPER><VALUE STATUS='True'/></ROTATIONSTOPPER></ZOSETUP>");
    ASSERT_TRUE(zo->func_ReadXMLItems(all));
    for (int i = 0; i < clsZo::FileItemCount; ++i)
        zo->SetFileItem(i, false);
    fs::remove(all); // not even read again
    zo->sub_ReadXML(all);
    EXPECT_EQ(zo->ModeRotation->IsRotationOn(), 0);
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(SetupFiles, AFileChangedBetweenTheScanAndTheLoadIsLoadedAsItNowIs)
{
    const auto file = [&](const char* alf, const char* rotation) {
        return Write("edited.xml", std::string("<ZOSETUP><ALF><VALUE STATUS='") + alf +
                                       "'/></ALF><ROTATIONSTOPPER><VALUE STATUS='" + rotation +
                                       "'/></ROTATIONSTOPPER></ZOSETUP>");
    };
    const std::string path = file("False", "False");
    ASSERT_TRUE(zo->func_ReadXMLItems(path));
    file("True", "True");
    zo->sub_ReadXML(path);
    EXPECT_EQ(std::tuple(zo->ModeALF->IsALFOn(), zo->ModeRotation->IsRotationOn()), std::tuple(1, 1));
    EXPECT_TRUE(ui.Boxes().empty());

    // Broken after the scan: the load says so and changes nothing.
    file("False", "False");
    ASSERT_TRUE(zo->func_ReadXMLItems(path));
    Write("edited.xml", "<ZOSETUP><ALF><VALUE STATUS='False'/>");
    zo->sub_ReadXML(path);
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(51)});
    EXPECT_EQ(zo->ModeALF->IsALFOn(), 1);
}

TEST_F(SetupFiles, ASaveWritesEverySectionInOrderAndTheSameModelGivesTheSameBytes)
{
    g_ShortcutKey.fill(77);
    zo->ShortcutKey->func_ReadSdk();
    for (int i = 0; i < clsZo::FileItemCount; ++i)
        zo->SetFileItem(i, false); // the flags do not restrict saving
    EditModel();
    const fs::path first = folder / "first.xml";
    EXPECT_EQ(zo->func_WriteXML(first.string()), "");
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(53)});

    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(first.c_str()));
    std::vector<std::string> tags;
    for (const pugi::xml_node& section : document.child("ZOSETUP").children())
        tags.push_back(section.name());
    EXPECT_EQ(tags, kSectionTags) << "no section for the keyboard keys";

    // Saved twice: the same bytes. Read back into a fresh model and saved
    // again: the same bytes too.
    const fs::path second = folder / "second.xml";
    EXPECT_EQ(zo->func_WriteXML(second.string()), "");
    EXPECT_EQ(ReadText(first), ReadText(second));

    Connect("");
    LoadAll(first.string());
    EXPECT_TRUE(ui.Boxes().empty()) << ui.BoxTexts().front();
    EXPECT_EQ(zo->ConnectShutter->Use(1), clsConnectShutter::UseDIA);
    EXPECT_EQ(zo->ObservationMode->Name(5), "NEW");
    EXPECT_EQ(zo->RemoteKey->Key(3), 17);
    const fs::path third = folder / "third.xml";
    EXPECT_EQ(zo->func_WriteXML(third.string()), "");
    EXPECT_EQ(ReadText(first), ReadText(third));
}

TEST_F(SetupFiles, ALoadedFileReachesTheMicroscopeWithTheNextSend)
{
    EditModel();
    const std::string path = (folder / "edited.xml").string();
    ASSERT_EQ(zo->func_WriteXML(path), "");
    Connect("");
    LoadAll(path);
    EXPECT_EQ(zo->func_Send(), "");
    EXPECT_EQ(std::tuple(scope().Nosepiece().ALFMode(), scope().KMX2().CameraType(), scope().PiezoZ().Connection(),
                         scope().ErgoController().GetKeys()[6], scope().ObservationModes().Count()),
              std::tuple(1, 4, -1, 33, 4));
}

TEST_F(SetupFiles, AFailedSaveReportsWhyAndLeavesThePreviousFileWhole)
{
    const fs::path target = folder / "kept.xml";
    ASSERT_EQ(zo->func_WriteXML(target.string()), "");
    const std::string before = ReadText(target);
    ui.ClearRecord();

    // The file system refuses files larger than a few bytes.
    EditModel();
    std::string report;
    zotest::WithFileSizeLimit(64, [&] { report = zo->func_WriteXML(target.string()); });

    EXPECT_EQ(report.rfind(func_GetMessage(54) + "\r\n", 0), 0u) << report;
    EXPECT_GT(report.size(), func_GetMessage(54).size() + 2) << "a description follows";
    EXPECT_TRUE(ui.Boxes().empty()) << "the caller shows the report";
    EXPECT_EQ(ReadText(target), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "no temporary file is left behind";

    const std::string missing = zo->func_WriteXML((folder / "no" / "such" / "folder.xml").string());
    EXPECT_EQ(missing.rfind(func_GetMessage(54) + "\r\n", 0), 0u);
}

TEST_F(SetupFiles, EntitiesAreNotExpandedAndNoDocumentTypeIsRead)
{
    const std::string path = Write(
        "entities.xml",
        "<?xml version='1.0'?>\n"
        "<!DOCTYPE ZOSETUP [\n"
        "  <!ENTITY a 'AAAAAAAAAA'>\n  <!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>\n"
        "  <!ENTITY lol '&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'>\n  <!ENTITY ext SYSTEM 'file:///etc/passwd'>\n]>\n"
        "<ZOSETUP>\n"
        "  <OBSERVATIONMODE><USER ID='1' NAME='&a;'/><USER ID='2' NAME='&lol;'/><USER ID='3' NAME='&ext;'/><USER ID='4' NAME='&amp;#'/>"
        "</OBSERVATIONMODE>\n"
        "</ZOSETUP>\n");
    LoadAll(path);
    EXPECT_EQ(ui.BoxTexts(), Report({Line(105, "2"), Line(105, "3")})) << "the references stay as text, too long for a name";
    // The predefined entities are still read.
    EXPECT_EQ(zo->ObservationMode->Name(0) + "|" + zo->ObservationMode->Name(1) + "|" + zo->ObservationMode->Name(3),
              "&a;|PH|&#");
}

TEST_F(SetupFiles, DeeplyNestedAndHugeContentIsReadWithoutHarm)
{
    std::string text = "<ZOSETUP><ALF><VALUE STATUS='True' HUGE='";
    text.append(4u * 1024u * 1024u, 'v');
    text += "'/>";
    for (int i = 0; i < 200000; ++i)
        text += "<VALUE>";
    for (int i = 0; i < 200000; ++i)
        text += "</VALUE>";
    text += "</ALF><ROTATIONSTOPPER><VALUE status='True' Status='False'/></ROTATIONSTOPPER></ZOSETUP>";
    LoadAll(Write("deep.xml", text));
    EXPECT_EQ(zo->ModeALF->IsALFOn(), 1);
    EXPECT_EQ(zo->ModeRotation->IsRotationOn(), 0) << "the last of the attributes wins";
    EXPECT_EQ(ui.BoxTexts(), Report({Line(101, "")})) << "the nested VALUE elements are rejected";
}

} // namespace
