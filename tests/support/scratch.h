#pragma once
#include <string>

namespace airvane::test {

// The private folder the test program runs in (created by the test main). Every call of
// NewScratchDir gives a fresh empty folder below it.
const std::string& ScratchRoot();
std::string NewScratchDir(const std::string& name);

// Writes bytes to a file, creating it; returns the path.
std::string WriteFile(const std::string& path, const std::string& bytes);

}  // namespace airvane::test
