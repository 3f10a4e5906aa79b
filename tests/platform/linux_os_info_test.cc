#include "platform/linux/linux_os_info.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace airvane {
namespace {

TEST(LinuxOsInfo, VersionFromKernelRelease) {
    struct Row {
        const char* name;
        const char* release;
        int major, minor, build;
    };
    const Row rows[] = {
        {"Debian kernel", "6.1.0-18-amd64", 6, 1, 0},
        {"three numbers", "4.19.260", 4, 19, 260},
        {"two numbers and a suffix", "5.15+rt", 5, 15, 0},
        {"fourth number ignored", "3.10.0.7", 3, 10, 0},
        {"empty", "", 0, 0, 0},
        {"no digits", "linux", 0, 0, 0},
        {"huge number saturates", "99999999999999.1", 2147483647, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OsVersion v = ParseKernelRelease(row.release);
        EXPECT_EQ(v.major, row.major);
        EXPECT_EQ(v.minor, row.minor);
        EXPECT_EQ(v.build, row.build);
    }
}

TEST(LinuxOsInfo, NtFamilyAndEffectiveRoot) {
    LinuxOsInfo info;
    EXPECT_TRUE(info.IsNtFamily());
    EXPECT_FALSE(info.Is95Family());
    EXPECT_EQ(info.IsAdmin(), ::geteuid() == 0);
    EXPECT_GT(info.Version().major, 0);
}

}  // namespace
}  // namespace airvane
