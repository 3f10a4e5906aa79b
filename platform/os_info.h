#pragma once

namespace airvane {

struct OsVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};

// Which operating-system family the program runs on. Linux reports the NT family.
class OsInfo {
public:
    virtual ~OsInfo() = default;
    virtual OsVersion Version() = 0;
    virtual bool IsNtFamily() = 0;
    virtual bool Is95Family() = 0;
    virtual bool IsAdmin() = 0;
};

}  // namespace airvane
