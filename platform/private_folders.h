#pragma once
#include <string>

namespace airvane {

// Folders of the program that belong to the user alone (certificates and private keys
// live there). Get creates the folder on first use with rights for the user only, and
// takes away any wider rights an existing folder has.
class PrivateFolders {
public:
    virtual ~PrivateFolders() = default;
    // The full path of the named folder; "" when it cannot be made private.
    virtual std::string Get(const std::string& name) = 0;
};

}  // namespace airvane
