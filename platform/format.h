#pragma once
#include <string>

namespace airvane {

// snprintf into a std::string. Only literal formats are allowed (the compiler checks
// the arguments against them); texts from files, the command line or the language file
// are always passed as arguments, never as the format.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace airvane
