// Setup files: finding the sections, loading the chosen ones with their load
// report, saving atomically and byte for byte the same, entities. Deep and
// huge files are the fuzz corpus's (fuzz/corpus/fuzz_setup_file).

#include "OpticsFixture.h"

#include "model/clsSetupFile.h"

namespace fs = std::filesystem;

namespace {

using zotest::ReadText;

class SetupFiles : public zotest::OpticsZo {
protected:
    void SetUp() override
    {
        OpticsZo::SetUp();
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

    // A file that differs from the simulator's model in every section.
    static std::string Reference() { return (zotest::TestEnv::SourceDir() / "tests/model/data/edited-setup.xml").string(); }

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
    // A file over 16 MiB is refused like a broken one.
    std::string big = "<ZOSETUP><ALF><VALUE STATUS='True'/></ALF><!--";
    big.append(clsSetupFile::MaxFileSize, 'x');
    big += "--></ZOSETUP>";
    const std::vector<Case> cases = {
        {"", 51},
        {"<ZOSETUP><ALF></ZOSETUP>", 51},
        {"<ZOSETUP><ALF/></ZOSETUP><!-- cut", 51},
        {"\xff\xfe<\0Z", 51},
        {"<OTHER><ALF><VALUE STATUS='True'/></ALF></OTHER>", 52},
        {"<?xml version='1.0'?><!-- only a comment -->", 51},
        {"<ZOSETUPX/>", 52},
        {big, 51},
    };
    for (const Case& c : cases) {
        ui.ClearRecord();
        zo->SetFileItem(9, true);
        const std::string path = Write("bad.xml", c.text);
        const std::string shown = c.text.substr(0, 60);
        EXPECT_FALSE(zo->func_ReadXMLItems(path)) << shown;
        EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(c.message)}) << shown;
        EXPECT_EQ(FileItems(), std::vector<bool>(clsZo::FileItemCount, false)) << shown;
    }
    ui.ClearRecord();
    EXPECT_FALSE(zo->func_ReadXMLItems((folder / "missing.xml").string()));
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
    // What each element loads or refuses is the components' tests'.
    EXPECT_EQ(std::tuple(zo->ConnectKMX->Use(0), zo->RemoteKey->Key(1)), std::tuple(2, 93));
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

    ConnectOptics("");
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

// The reference file holds every section: sections, elements and attributes
// in their order, the packed objective codes, the comma form of the
// switchable ergo keys, no section for the keyboard keys. Loaded into a model
// and saved, it comes back byte for byte.
TEST_F(SetupFiles, TheReferenceFileLoadsAndSavesToTheSameBytes)
{
    g_ShortcutKey.fill(77);
    zo->ShortcutKey->func_ReadSdk();
    LoadAll(Reference());
    EXPECT_TRUE(ui.Boxes().empty()) << ui.BoxTexts().front();
    for (int i = 0; i < clsZo::FileItemCount; ++i)
        zo->SetFileItem(i, false); // the flags do not restrict saving
    const fs::path saved = folder / "saved.xml";
    EXPECT_EQ(zo->func_WriteXML(saved.string()), "");
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(53)});
    EXPECT_EQ(ReadText(saved), ReadText(Reference()));
}

TEST_F(SetupFiles, ALoadedFileReachesTheMicroscopeWithTheNextSend)
{
    LoadAll(Reference());
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
    LoadAll(Reference());
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

} // namespace
