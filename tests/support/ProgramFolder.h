#pragma once
// A program folder of its own for one test, as at program start (the build's
// language files and pictures, no settings file, default language loaded), and
// the file helpers tests share.

#include "TestEnv.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zotest {

// Makes the folder, points g_AppPath at it and reads the language; returns it.
std::filesystem::path UseFreshProgramFolder(const std::string& name = "app");

// Points g_AppPath at `folder` (the build's by default) and reads its English
// language file, for tests that compare with the texts the program shows.
void UseBuiltLanguage(const std::filesystem::path& folder = TestEnv::RuntimeDir());

// The lines of a text file (a simulator call trace) that contain text.
std::vector<std::string> LinesContaining(const std::string& file, const std::string& text);

// A whole file as bytes ("" when it cannot be read), and a file written with
// exactly these bytes (its folder made first).
std::string ReadText(const std::filesystem::path& file);
void WriteText(const std::filesystem::path& file, const std::string& text);

// Runs `action` with the process unable to write files larger than `bytes`
// (a failure of the file system that binds root too), then lifts the limit.
void WithFileSizeLimit(long bytes, const std::function<void()>& action);

} // namespace zotest
