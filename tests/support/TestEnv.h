#pragma once

#include <filesystem>
#include <string>

namespace zotest {

// Each test gets its own HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR below the
// program's temporary folder, and afterwards the program-wide variables and
// the environment are put back, so tests pass alone and in any order.
class TestEnv {
public:
    // Creates the root folder and installs the per-test isolation. Call
    // before anything reads the environment (before QApplication, too).
    static void Install();

    // A fresh, empty folder below Root() for one test.
    static std::filesystem::path FreshDir(const std::string& name);

    // The source tree and the built program's folder (with Language/ and Picture/).
    static std::filesystem::path SourceDir();
    static std::filesystem::path RuntimeDir();
};

} // namespace zotest
