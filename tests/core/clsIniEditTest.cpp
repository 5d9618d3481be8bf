#include "ProgramFolder.h"

#include "core/ProfileDocument.h"
#include "core/clsIniEdit.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using zotest::ReadText;
using zotest::WriteText;

namespace {

using Texts = std::vector<std::string>;

class IniEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = zotest::TestEnv::FreshDir("ini");
        file = dir / "Test.INI";
    }
    void Use(const std::string& text)
    {
        WriteText(file, text);
        ini.SetIniFilePath(file.string());
    }
    // The values of keys of one section, "-" where absent.
    static Texts Strings(clsIniEdit& from, const char* section, std::initializer_list<const char*> keys)
    {
        Texts values;
        for (const char* key : keys)
            values.push_back(from.GetString(section, key, "-"));
        return values;
    }
    // Temporary files left in the folder after a write.
    long TempFiles() const
    {
        return std::ranges::count_if(fs::directory_iterator(dir), [](const auto& e) {
            return e.path().filename().string().find(".tmp-") != std::string::npos;
        });
    }

    fs::path dir;
    fs::path file;
    clsIniEdit ini;
};

TEST_F(IniEditTest, NamesCompareWithoutLetterCaseButKeepTrailingBlanks)
{
    Use("[GUILayout]\nType=3\nChangeGui =1\n[guicontrol]\nobj=False\n");
    EXPECT_EQ(std::tuple(ini.GetString("guilayout", "TYPE", "x"), ini.GetString("GUIControl", "OBJ", "x")),
              std::tuple("3", "False"));
    EXPECT_EQ(ini.GetInt("GUILayout", "ChangeGui ", 7), 1);
    EXPECT_EQ(ini.GetInt("GUILayout", "ChangeGui", 7), 7) << "a key without the blank is another key";
}

TEST_F(IniEditTest, ValuesAreTrimmedUnquotedAndCutLikeAFixedBuffer)
{
    Use("; comment\n[S]\n  a =  x y  \r\nb=\"  padded \"\nc=\nd\n\"e\"=1\n");
    // A present empty value ("c", "d") is not the default.
    EXPECT_EQ(Strings(ini, "S", {"a ", "b", "c", "d", "missing"}), (Texts{"x y", "  padded ", "", "", "-"}));
    EXPECT_EQ(ini.GetString("Other", "a", "-"), "-");

    // Long values are cut like a fixed buffer.
    Use("[S]\nk=" + std::string(40000, 'x') + "\n");
    EXPECT_EQ(ini.GetString("S", "k", "").size(), 32766u);
}

TEST_F(IniEditTest, FirstOccurrenceOfASectionOrKeyCounts)
{
    Use("[S]\nk=1\nk=2\n[T]\n[s]\nk=3\nj=4\n");
    EXPECT_EQ(Strings(ini, "S", {"k", "j"}), (Texts{"1", "-"}));
}

TEST_F(IniEditTest, BackslashNBecomesLineBreaksWithEmptyPartsDropped)
{
    Use("[M]\n1=A\\nB\n2=A\\n\\nB\n3=A\\n\n4=plain\n5=\\nB\n");
    EXPECT_EQ(Strings(ini, "M", {"1", "2", "3", "4", "5"}), (Texts{"A\r\nB", "A\r\nB", "A", "plain", "\r\nB"}));
    EXPECT_EQ(ini.GetString("M", "none", "X\\nY"), "X\r\nY") << "the default goes through the same rule";
}

TEST_F(IniEditTest, GetIntTakesTheLeadingInteger)
{
    Use("[I]\nneg=-5\nmix=12abc\nlead= 7\nplus=+8\ntext=abc\nempty=\nhuge=99999999999\nsmall=-99999999999\nfrac=3.9\n");
    std::vector<int32_t> got;
    for (const char* key : {"neg", "mix", "lead", "plus", "text", "empty", "huge", "small", "frac"})
        got.push_back(ini.GetInt("I", key, 1));
    EXPECT_EQ(got, (std::vector<int32_t>{-5, 12, 7, 8, 0, 0, 2147483647, -2147483647 - 1, 3}));
    EXPECT_EQ(ini.GetInt("I", "missing", 42), 42);
}

TEST_F(IniEditTest, NameListsFillTheCallersArrayAndFailWhenItIsShort)
{
    Use("[One]\na=1\nbb=2\n[Two]\n[Three]\nx=1\n");
    std::vector<std::string> sections(3);
    EXPECT_EQ(ini.GetSectionNames(sections), 4 + 4 + 6);
    EXPECT_EQ(sections, (std::vector<std::string>{"One", "Two", "Three"}));

    std::vector<std::string> keys(5, "old");
    EXPECT_EQ(ini.GetKeyNames("one", keys), 2 + 3);
    EXPECT_EQ(keys, (std::vector<std::string>{"a", "bb", "old", "old", "old"}));

    std::vector<std::string> shortList(2);
    EXPECT_THROW(ini.GetSectionNames(shortList), std::out_of_range);
    EXPECT_EQ(shortList, (std::vector<std::string>{"One", "Two"}));

    std::vector<std::string> none(1, "old");
    EXPECT_EQ((std::tuple{ini.GetKeyNames("Missing", none), none[0]}), std::tuple(0, "old"));
}

TEST_F(IniEditTest, WritingOneKeyKeepsEveryOtherLine)
{
    const std::string head = "; settings, edited by hand\r\n[GUILayout]\r\n";
    const std::string rest = "ChangeGui =1   ; hand-made\r\n";
    const std::string unknown = "\r\n[Unknown]\r\nSpelling=KeepMe\r\n";
    Use(head + "Type=1\r\n" + rest + unknown);
    EXPECT_EQ(ini.WriteString("guilayout", "TYPE", "5"), 1);
    EXPECT_EQ(ReadText(file), head + "Type=5\r\n" + rest + unknown)
        << "only the value changed, the key kept its spelling, the CR LF endings stayed";

    EXPECT_EQ(ini.WriteString("GUILayout", "New", "x"), 1);
    EXPECT_EQ(ini.WriteString("Added", "k", "v"), 1);
    EXPECT_EQ(ReadText(file), head + "Type=5\r\n" + rest + "New=x\r\n" + unknown + "\r\n[Added]\r\nk=v\r\n");
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(IniEditTest, EmptyKeyOrValueAndKeysTheFormatCannotHoldWriteNothing)
{
    Use("[S]\nk=old\n");
    EXPECT_EQ(ini.WriteString("S", "k", ""), 0);
    EXPECT_EQ(ini.WriteString("S", "", "v"), 0);
    EXPECT_EQ(ReadText(file), "[S]\nk=old\n");
    EXPECT_EQ(ini.GetString("S", "k", ""), "old");

    // Keys the format cannot hold are refused.
    Use("[S]\n");
    for (const char* key : {"a=b", "x\ny", " lead", "[sec", ";c"})
        EXPECT_EQ(ini.WriteString("S", key, "v"), 0) << key;
    EXPECT_EQ(ini.WriteString("S]", "k", "v"), 0);
    EXPECT_EQ(ReadText(file), "[S]\n");
}

TEST_F(IniEditTest, WrittenValuesReadBackUnchanged)
{
    Use("");
    const Texts values = {"  blanks around  ", "\"quoted\"", "two\r\nlines", "a=b;c", "Ünïcode 12,5"};
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(ini.WriteString("S", "k" + std::to_string(i), values[i]), 1) << values[i];
    clsIniEdit fresh;
    fresh.SetIniFilePath(file.string());
    EXPECT_EQ(Strings(fresh, "S", {"k0", "k1", "k2", "k3", "k4"}), values);
}

TEST_F(IniEditTest, DeleteKeyAndSection)
{
    Use("[A]\nk=1\nj=2\n; note of A\n[B]\nx=1\n");
    EXPECT_EQ(ini.DeleteKey("A", ""), 0);
    EXPECT_EQ(ini.DeleteKey("a", "K"), 1);
    EXPECT_EQ(ReadText(file), "[A]\nj=2\n; note of A\n[B]\nx=1\n");
    EXPECT_EQ(ini.DeleteSection("a"), 1);
    EXPECT_EQ(ReadText(file), "[B]\nx=1\n");
    EXPECT_EQ(ini.GetString("A", "j", "gone"), "gone");
    EXPECT_EQ(ini.DeleteSection("Nothing"), 1);
    EXPECT_EQ(ReadText(file), "[B]\nx=1\n");
}

TEST_F(IniEditTest, MissingFileReadsDefaultsAndIsCreatedByAWrite)
{
    ini.SetIniFilePath((dir / "New.INI").string());
    EXPECT_EQ(std::tuple(ini.GetString("S", "k", "def"), ini.GetInt("S", "k", 9)), std::tuple("def", 9));
    EXPECT_EQ(ini.WriteString("S", "k", "v"), 1);
    EXPECT_EQ(ReadText(dir / "New.INI"), "[S]\nk=v\n");
}

TEST_F(IniEditTest, ReadsSeeTheFileAgainAfterThePathIsSet)
{
    Use("[S]\nk=1\n");
    EXPECT_EQ(ini.GetString("S", "k", ""), "1");
    Use("[S]\nk=22\n");
    EXPECT_EQ(ini.GetString("S", "k", ""), "22");

    // A write never overwrites a change made on disk meanwhile.
    WriteText(file, "[S]\nk=333\nother=kept\n");
    EXPECT_EQ(ini.WriteString("S", "new", "v"), 1);
    EXPECT_EQ(ReadText(file), "[S]\nk=333\nother=kept\nnew=v\n");
}

TEST_F(IniEditTest, BatchWritesTheFileOnce)
{
    Use("[S]\nk=1\n");
    struct stat before {};
    ::stat(file.c_str(), &before);
    {
        clsIniEdit::Batch batch(ini);
        EXPECT_EQ(ini.WriteString("S", "k", "2"), 1);
        EXPECT_EQ(ini.WriteString("S", "j", "3"), 1);
        EXPECT_EQ(ini.GetString("S", "j", ""), "3") << "reads inside the batch see its writes";
        EXPECT_EQ(ReadText(file), "[S]\nk=1\n") << "nothing on disk before the batch ends";
    }
    EXPECT_EQ(ReadText(file), "[S]\nk=2\nj=3\n");
    struct stat after {};
    ::stat(file.c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino) << "the file was replaced, not rewritten in place";
}

TEST_F(IniEditTest, AFailedWriteLeavesTheOldFileWholeAndLosesTheChange)
{
    const std::string before = "[S]\nk=old\n" + std::string(200, ';') + "\n";
    Use(before);
    EXPECT_EQ(ini.GetString("S", "k", ""), "old");
    int32_t result = -1;
    zotest::WithFileSizeLimit(64, [&] { result = ini.WriteString("S", "k", "new"); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadText(file), before);
    EXPECT_EQ(TempFiles(), 0) << "the temporary file is removed";
    EXPECT_EQ(ini.GetString("S", "k", ""), "old") << "the lost change is not seen by later reads";
}

TEST_F(IniEditTest, WritingKeepsThePermissionsAndFollowsALink)
{
    Use("[S]\nk=1\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                    fs::perm_options::replace);
    const fs::path link = dir / "Link.INI";
    fs::create_symlink(file, link);
    ini.SetIniFilePath(link.string());
    EXPECT_EQ(ini.WriteString("S", "k", "2"), 1);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(file), "[S]\nk=2\n");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ProfileDocumentTest, UneditedTextSerializesToTheSameBytesAndTheByteOrderMarkIsNoName)
{
    for (const std::string text : {"", "no newline at end", "\xEF\xBB\xBF[S]\r\nk=v\r\n",
                                   "[S\nbroken line\n=\n\n\n[]\r\nx=\"\n\r\r\n", "before any section\n[A] trailing\nk\n"})
        EXPECT_EQ(zo::ProfileDocument::Parse(text).Serialize(), text);

    // The byte order mark is not part of the first name.
    const auto doc = zo::ProfileDocument::Parse("\xEF\xBB\xBF[FONT]\nName=Sans\n");
    ASSERT_NE(doc.Find("FONT", "Name"), nullptr);
    EXPECT_EQ(*doc.Find("FONT", "Name"), "Sans");
}

} // namespace
