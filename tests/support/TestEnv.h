#pragma once

#include <filesystem>
#include <string>

namespace zotest {

// Each test runs with its own HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR below
// one temporary folder of the test program, so no test sees the settings,
// language selection or saved simulator state of another test, of another
// run or of the user; and every test leaves the program-wide variables at
// their start values and the environment as the program started with it, so
// the tests pass alone and in any order and may set variables freely.
class TestEnv {
public:
    // Creates the root folder and installs the per-test isolation. Call
    // before anything reads the environment (before QApplication, too).
    static void Install();

    // The temporary root of this test program; removed when it exits.
    static const std::filesystem::path& Root();

    // A fresh, empty folder below Root() for one test.
    static std::filesystem::path FreshDir(const std::string& name);

    // The source tree and the folder with the built program, Language/ and
    // Picture/ (the build's own folders unless ZO_SOURCE_DIR or
    // ZO_RUNTIME_DIR name others).
    static std::filesystem::path SourceDir();
    static std::filesystem::path RuntimeDir();
};

} // namespace zotest
