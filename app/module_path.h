#pragma once
#include <string>

namespace airvane {

// Paths derived from the executable's full path.
//
// The module stem is the path up to and including the "." that starts the file name's
// extension; the program configuration file is the stem followed by "INI". Only the file
// name is searched, so a "." in a folder name (~/.local/bin/airvane) never counts, and a
// "." that starts the file name (a hidden file) is not an extension. A file name without
// an extension gives the full path followed by ".": /usr/lib/airvane/airvane gives
// /usr/lib/airvane/airvane. and so /usr/lib/airvane/airvane.INI. An empty path gives "".
std::string ModuleStemOf(const std::string& exe_path);

// The folder of the executable with its trailing "/", or "" for a bare file name.
std::string ModuleDirectoryOf(const std::string& exe_path);

// The file name without its extension: /opt/x/wlancfg.exe gives wlancfg.
std::string ExecutableBaseName(const std::string& exe_path);

}  // namespace airvane
