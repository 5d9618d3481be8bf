// The connection-name mutex: its name, "newly created" against "already
// existed" between objects and processes, and ownership with a time-out.

#include "ProgramFolder.h"

#include "core/LockFile.h"
#include "core/clsMutex.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(clsMutex, NameIsThePrefixAndTheHexCodeOfEachCharacter)
{
    EXPECT_EQ(clsMutex::MutexName(""), "OrvaneConnection-");
    // No leading zeros, upper case, bytes above 127 as they are.
    EXPECT_EQ(clsMutex::MutexName("\t z"), "OrvaneConnection-9207A");
    EXPECT_EQ(clsMutex::MutexName("\xC3\xA9"), "OrvaneConnection-C3A9");
}

TEST(clsMutex, TheFirstHolderCreatesLaterOnesFindItUntilAllLetGo)
{
    clsMutex a, b;
    EXPECT_TRUE(a.func_CreateConnectionName("Scope A"));
    EXPECT_FALSE(b.func_CreateConnectionName("Scope A"));
    // Another name is another mutex.
    clsMutex c;
    EXPECT_TRUE(c.func_CreateConnectionName("Scope B"));
    a.sub_DeleteConnectionName();
    EXPECT_FALSE(a.HoldsName());
    // b still holds it.
    EXPECT_FALSE(a.func_CreateConnectionName("Scope A"));
    a.sub_DeleteConnectionName();
    b.sub_DeleteConnectionName();
    EXPECT_TRUE(a.func_CreateConnectionName("Scope A"));
}

TEST(clsMutex, ANewNameGivesUpTheOldOneAndDestructionGivesUpTheLast)
{
    clsMutex b;
    {
        clsMutex a;
        EXPECT_TRUE(a.func_CreateConnectionName("first"));
        EXPECT_TRUE(a.func_CreateConnectionName("second"));
        EXPECT_TRUE(b.func_CreateConnectionName("first"));
        b.sub_DeleteConnectionName();
    }
    EXPECT_TRUE(b.func_CreateConnectionName("second"));
}

TEST(clsMutex, ANameHeldByAProcessThatDiedIsFree)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        clsMutex held;
        const char result = held.func_CreateConnectionName("crashing") ? '1' : '0';
        (void)!write(ready[1], &result, 1);
        pause(); // until killed: no destructor runs
        _exit(0);
    }
    char result = 0;
    ASSERT_EQ(read(ready[0], &result, 1), 1);
    EXPECT_EQ(result, '1');
    clsMutex mine;
    EXPECT_FALSE(mine.func_CreateConnectionName("crashing"));
    mine.sub_DeleteConnectionName();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    for (const int fd : ready)
        close(fd);
    EXPECT_TRUE(mine.func_CreateConnectionName("crashing"));
}

TEST(clsMutex, OwnershipWaitsForTheOwnerCountsRepeatedLocksAndNeedsAName)
{
    clsMutex a, b;
    a.func_CreateConnectionName("owned");
    b.func_CreateConnectionName("owned");
    a.sub_LockMutex(0);
    EXPECT_TRUE(a.Owns());
    a.sub_LockMutex(0); // again through the owner: counted
    b.sub_LockMutex(20);
    EXPECT_FALSE(b.Owns()); // timed out, quietly
    a.sub_UnlockMutex();
    b.sub_LockMutex(0);
    EXPECT_FALSE(b.Owns()); // one lock still held
    a.sub_UnlockMutex();
    EXPECT_FALSE(a.Owns());
    b.sub_LockMutex(20);
    EXPECT_TRUE(b.Owns());
    // Giving up the name gives up the ownership.
    b.sub_DeleteConnectionName();
    a.sub_LockMutex(clsMutex::Infinite);
    EXPECT_TRUE(a.Owns());

    // Without a name, locking and unlocking do nothing.
    clsMutex none;
    none.sub_LockMutex(0);
    EXPECT_FALSE(none.Owns());
    none.sub_UnlockMutex();
    none.sub_DeleteConnectionName();
}

TEST(clsMutex, ANameThatCannotBeCreatedFailsWithError52AndHoldsNothing)
{
    // A runtime "folder" that is a file: nothing can be created below it.
    const std::string runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path notAFolder = std::filesystem::path(runtime) / "not-a-folder";
    zotest::WriteText(notAFolder, "");
    clsMutex a;
    a.func_CreateConnectionName("x");
    setenv("XDG_RUNTIME_DIR", notAFolder.c_str(), 1);
    int number = 0;
    try {
        a.func_CreateConnectionName("y");
    } catch (const clsMutex::RuntimeError& e) {
        number = e.Number();
    }
    EXPECT_EQ(number, 52);
    EXPECT_FALSE(a.HoldsName());
    // "x" was given up before the failure.
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    clsMutex b;
    EXPECT_TRUE(b.func_CreateConnectionName("x"));
}

TEST(LockFile, RuntimeFolderFallsBackToAPrivateFolderUnderTmp)
{
    const std::string saved = std::getenv("XDG_RUNTIME_DIR");
    unsetenv("XDG_RUNTIME_DIR");
    const std::string folder = LockFile::RuntimeFolder();
    setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    EXPECT_EQ(folder, "/tmp/ZoControl-" + std::to_string(getuid()));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(LockFile::RuntimeFolder(), saved);
}

} // namespace
