#pragma once
#include <string>
#include <vector>

namespace airvane {

// Splits a command line into words the way a POSIX shell does, without running one
// and without any expansion: blanks (space, tab, newline) separate words; single
// quotes keep everything up to the next single quote; double quotes keep everything
// up to the next unescaped double quote, with a backslash escaping only ", \, $ and `
// inside them; outside quotes a backslash keeps the next character as it is (a
// backslash before a newline joins the lines). Quoted empty texts ('' or "") are
// words of their own. Returns -1, with *words emptied, when a quote is left open or
// the line ends in a lone backslash.
int SplitCommandLine(const std::string& line, std::vector<std::string>* words);

}  // namespace airvane
