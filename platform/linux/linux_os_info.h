#pragma once
#include "platform/os_info.h"

namespace airvane {

// Linux counts as the NT family. The version is the kernel release's leading numbers
// ("6.1.0-18-amd64" gives 6, 1, 0); the administrator is the effective root user.
class LinuxOsInfo : public OsInfo {
public:
    OsVersion Version() override;
    bool IsNtFamily() override { return true; }
    bool Is95Family() override { return false; }
    bool IsAdmin() override;
};

// The leading "major.minor.build" numbers of a kernel release text; missing or
// non-numeric parts give 0.
OsVersion ParseKernelRelease(const char* release);

}  // namespace airvane
