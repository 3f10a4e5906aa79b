// Test programs start here: each run gets a private temporary folder that serves as
// HOME, AIRVANE_HOME and XDG_RUNTIME_DIR, removed again at the end.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace airvane::test {
void SetScratchRoot(const std::string& root);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    char tmpl[] = "/tmp/airvane-test-XXXXXX";
    const char* root = ::mkdtemp(tmpl);
    if (root == nullptr) {
        perror("mkdtemp");
        return 2;
    }
    std::string base(root);
    for (const char* sub : {"/home", "/run", "/airvane-home"}) {
        ::mkdir((base + sub).c_str(), 0700);
    }
    ::setenv("HOME", (base + "/home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (base + "/home/.config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (base + "/run").c_str(), 1);
    ::setenv("AIRVANE_HOME", (base + "/airvane-home").c_str(), 1);
    airvane::test::SetScratchRoot(base);
    int rc = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
    return rc;
}
