#include "platform/linux/linux_debug_output.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/support/scratch.h"

namespace airvane {
namespace {

// Sets AIRVANE_DEBUG_OUTPUT for one test and removes it afterwards.
class DebugOutputTarget {
public:
    explicit DebugOutputTarget(const char* value) {
        if (value != nullptr) {
            ::setenv("AIRVANE_DEBUG_OUTPUT", value, 1);
        } else {
            ::unsetenv("AIRVANE_DEBUG_OUTPUT");
        }
    }
    ~DebugOutputTarget() { ::unsetenv("AIRVANE_DEBUG_OUTPUT"); }
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(LinuxDebugOutput, AppendsToTheNamedFile) {
    const std::string path = test::NewScratchDir("debug") + "/debug.txt";
    test::WriteFile(path, "earlier\n");
    DebugOutputTarget target(path.c_str());
    LinuxDebugOutput output;
    output.Write("key: 00 11\n");
    output.Write("%s%n not a format\n");
    EXPECT_EQ(ReadAll(path), "earlier\nkey: 00 11\n%s%n not a format\n");
}

TEST(LinuxDebugOutput, CreatesAPrivateFile) {
    const std::string path = test::NewScratchDir("debug") + "/new.txt";
    DebugOutputTarget target(path.c_str());
    LinuxDebugOutput output;
    output.Write("pmk\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(LinuxDebugOutput, StderrOrSilence) {
    {
        DebugOutputTarget target("stderr");
        LinuxDebugOutput output;
        testing::internal::CaptureStderr();
        output.Write("to stderr\n");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "to stderr\n");
    }
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        SCOPED_TRACE(value == nullptr ? "unset" : "empty");
        DebugOutputTarget target(value);
        LinuxDebugOutput output;
        testing::internal::CaptureStderr();
        output.Write("nowhere\n");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

}  // namespace
}  // namespace airvane
