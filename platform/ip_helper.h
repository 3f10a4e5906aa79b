#pragma once

namespace airvane {

// Address release and renewal of the network interfaces. Only the 95/98/Me family
// uses it; on Linux it does nothing.
class IpHelper {
public:
    virtual ~IpHelper() = default;
    virtual int InterfaceCount() = 0;
    virtual int Release(int index) = 0;
    virtual int Renew(int index) = 0;
};

}  // namespace airvane
