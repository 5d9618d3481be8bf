#pragma once

#include <filesystem>
#include <string>

namespace zotest {

// Each test program runs with its own HOME, XDG_CONFIG_HOME and
// XDG_RUNTIME_DIR below one temporary folder, so no run sees the settings,
// language selection or simulator state of another run or of the user.
class TestEnv {
public:
    // Creates the folders and points the environment at them. Call before
    // anything reads the environment (before QApplication, too).
    static void Install();

    // The temporary root of this test program; removed when it exits.
    static const std::filesystem::path& Root();

    // A fresh, empty folder below Root() for one test.
    static std::filesystem::path FreshDir(const std::string& name);

    // The source tree and the folder with the built program, Language/ and
    // Picture/ (set by the build for every test).
    static std::filesystem::path SourceDir();
    static std::filesystem::path RuntimeDir();
};

} // namespace zotest
