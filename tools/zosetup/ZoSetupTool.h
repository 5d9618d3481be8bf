#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// zosetup VERB FILE [--sim DESCRIPTION]
//   check FILE   loads FILE as the settings dialog's Load does, every present
//                section ticked, and prints the load report;
//   dump FILE    the same, then the working copies of the model as JSON;
//   save OUT     saves the connected microscope's model as a setup file;
//   apply FILE   loads FILE, then sends the model to the microscope and
//                prints the send's error lines; the microscope keeps it.
// The microscope is a freshly connected simulated one: the built-in
// instrument or DESCRIPTION. Its saved configuration is read; only apply
// changes it.
//
// Exit codes: 0 all went well; 1 elements were rejected (or, for apply, the
// send reported errors); 2 the file cannot be used, the microscope cannot be
// connected, or the command line is wrong.
namespace zosetup {

constexpr int ExitOk = 0;
constexpr int ExitRejected = 1;
constexpr int ExitUnusable = 2;

// args[0] is the program as started; the language comes from its data folder
// (ProgramFolders.h).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace zosetup
