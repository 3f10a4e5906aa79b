#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace airvane::regtool {

// The command line of airvane-reg (arguments after the program name):
//   [--hive PATH] list KEY | get KEY NAME | set KEY NAME (--string TEXT | --dword N)
//   | delete KEY [NAME] | export KEY FILE | import FILE
// KEY is HKEY_CURRENT_USER\..., HKCU\... or a path below HKEY_CURRENT_USER. Returns the
// exit status: 0 done, 1 failed, 2 wrong usage.
int RunRegTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace airvane::regtool
