#pragma once
#include <string>

namespace airvane {

// The folder of the user's files of the program:
// ${AIRVANE_HOME:-${XDG_CONFIG_HOME:-$HOME/.config}/airvane}.
std::string AppHomeFolder();

// Creates every missing folder of path with mode 0700; existing ones stay as they are.
// false with a reason when one cannot be made.
bool MakeFolders(const std::string& path, std::string* reason);

}  // namespace airvane
