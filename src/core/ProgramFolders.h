#pragma once
// Which folder is which, for every program of ZoControl.
//
// Run from the build folder (the language files beside the executable), the
// program keeps everything in its own folder: Language/, Picture/ and
// ZoControl.INI. Installed (the executable in <prefix>/bin, its data in
// <prefix>/share/zocontrol), it reads its data from that folder and keeps
// each user's ZoControl.INI in $XDG_CONFIG_HOME/ZoControl/, so that it never
// writes below the prefix.

#include <filesystem>

struct ProgramFolders {
    std::filesystem::path data;     // Language/, Picture/ and the first ZoControl.INI
    std::filesystem::path settings; // where ZoControl.INI is read and written
    bool installed = false;
};

// The folders of a program whose executable is at the given absolute path.
ProgramFolders FoldersOf(const std::filesystem::path& executable);

// The absolute path of the running executable.
std::filesystem::path RunningExecutable();
ProgramFolders RunningProgramFolders();

// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::filesystem::path UserConfigFolder();

// The folder of the ZoControl.INI that is read and written: the user's folder
// for an installed program, else the program folder g_AppPath.
std::filesystem::path SettingsFolder();
