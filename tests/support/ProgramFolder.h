#pragma once
// A program folder of its own for one test: the build's language files and no
// settings file yet, with the settings at their start values and the default
// language loaded, as at program start.

#include <filesystem>
#include <string>
#include <vector>

namespace zotest {

// Makes the folder, points g_AppPath at it and reads the language; returns it.
std::filesystem::path UseFreshProgramFolder(const std::string& name = "app");

// The lines of a text file (a simulator call trace) that contain text.
std::vector<std::string> LinesContaining(const std::string& file, const std::string& text);

} // namespace zotest
