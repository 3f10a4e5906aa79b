#include "tests/support/scratch.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <fstream>

namespace airvane::test {

namespace {
std::string g_root;
std::atomic<int> g_counter{0};
}  // namespace

void SetScratchRoot(const std::string& root) {
    g_root = root;
}

const std::string& ScratchRoot() {
    return g_root;
}

std::string NewScratchDir(const std::string& name) {
    std::string dir = g_root + "/" + name + "-" + std::to_string(g_counter.fetch_add(1));
    ::mkdir(dir.c_str(), 0700);
    return dir;
}

std::string WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace airvane::test
