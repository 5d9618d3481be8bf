#include "TestEnv.h"

#include "core/ProgramFolders.h"

#include <gtest/gtest.h>

#include <vector>

namespace fs = std::filesystem;

// What lies around the executable decides where its data and settings are.
TEST(ProgramFolders, AnInstallationIsKnownByItsDataFolderUnlessLanguageFilesAreBesideTheProgram)
{
    struct Case {
        const char* name;
        std::vector<const char*> folders; // made below the case's root
        const char* data;                 // "" = the executable's folder, not installed
    };
    const Case cases[] = {
        {"build", {"bin/Language"}, ""},
        {"installed", {"share/zocontrol/Language"}, "share/zocontrol"},
        {"both", {"bin/Language", "share/zocontrol"}, ""},
        {"neither", {"bin"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path root = zotest::TestEnv::FreshDir(c.name);
        for (const char* folder : c.folders)
            fs::create_directories(root / folder);
        const ProgramFolders folders = FoldersOf(root / "bin/ZoControl");
        const bool installed = *c.data != '\0';
        EXPECT_EQ(folders.data, installed ? root / c.data : root / "bin");
        EXPECT_EQ(folders.installed, installed);
        EXPECT_EQ(folders.settings, installed ? UserConfigFolder() / "ZoControl" : folders.data);
    }
}

TEST(ProgramFolders, UserConfigFolderIsDotConfigBelowHomeUnlessXdgConfigHomeIsAbsolute)
{
    setenv("HOME", "/home/op", 1);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserConfigFolder(), "/home/op/.config");
    setenv("XDG_CONFIG_HOME", "relative/path", 1);
    EXPECT_EQ(UserConfigFolder(), "/home/op/.config");
}
