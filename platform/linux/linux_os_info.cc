#include "platform/linux/linux_os_info.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <climits>

namespace airvane {

namespace {

// Reads the decimal number at *p and moves past it; saturates instead of overflowing.
int ReadNumber(const char*& p) {
    long value = 0;
    while (*p >= '0' && *p <= '9') {
        if (value < INT_MAX)
            value = value * 10 + (*p - '0');
        ++p;
    }
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

}  // namespace

OsVersion ParseKernelRelease(const char* release) {
    OsVersion version;
    const char* p = release;
    int* parts[] = {&version.major, &version.minor, &version.build};
    for (size_t i = 0; i < 3; ++i) {
        if (*p < '0' || *p > '9')
            break;
        *parts[i] = ReadNumber(p);
        if (*p != '.')
            break;
        ++p;
    }
    return version;
}

OsVersion LinuxOsInfo::Version() {
    utsname name{};
    if (::uname(&name) != 0)
        return OsVersion{};
    return ParseKernelRelease(name.release);
}

bool LinuxOsInfo::IsAdmin() {
    return ::geteuid() == 0;
}

}  // namespace airvane
