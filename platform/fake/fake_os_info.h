#pragma once
#include "platform/os_info.h"

namespace airvane {

// An operating system of the test's choosing: either family, any version, with or
// without administrator rights.
class FakeOsInfo : public OsInfo {
public:
    enum class Family { kNt, k95 };

    void SetFamily(Family family) { family_ = family; }
    void SetVersion(OsVersion version) { version_ = version; }
    void SetAdmin(bool admin) { admin_ = admin; }

    OsVersion Version() override { return version_; }
    bool IsNtFamily() override { return family_ == Family::kNt; }
    bool Is95Family() override { return family_ == Family::k95; }
    bool IsAdmin() override { return admin_; }

private:
    Family family_ = Family::kNt;
    OsVersion version_{5, 1, 2600};
    bool admin_ = true;
};

}  // namespace airvane
