#pragma once
#include "platform/ip_helper.h"

namespace airvane {

// Address release and renewal belong to the 95 family only; on Linux there are no
// interfaces to report and every call succeeds without doing anything.
class NullIpHelper : public IpHelper {
public:
    int InterfaceCount() override { return 0; }
    int Release(int) override { return 0; }
    int Renew(int) override { return 0; }
};

}  // namespace airvane
