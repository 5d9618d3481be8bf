#pragma once
// Whole-file reads and atomic whole-file writes for every file the program
// reads and writes itself (settings, setup files).

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace zo {

// Reads the whole file into text. False when it cannot be opened or read, or
// when it holds more than limit bytes.
bool ReadWholeFile(const std::string& path, std::string& text,
                   std::size_t limit = std::numeric_limits<std::size_t>::max());

// Replaces the file with text: written to a temporary file in the same
// folder, synced, then renamed over the target, so the file is always either
// the old or the new one whole. A symbolic link is kept and the file it names
// replaced; an existing file keeps its permissions; a read-only file stays as
// it is. Returns "" on success, else what went wrong.
std::string WriteFileAtomically(const std::string& path, std::string_view text);

} // namespace zo
