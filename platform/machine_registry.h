#pragma once
#include <string>
#include <vector>

#include "platform/registry_value.h"

namespace airvane {

// Read access to the machine-wide keys the program looks at (adapter driver keys,
// application paths, service registrations). Paths as for UserRegistry, below
// HKEY_LOCAL_MACHINE. Answered by the platform backend: the simulator's scenario, or
// real hardware ids.
class MachineRegistry {
public:
    virtual ~MachineRegistry() = default;
    virtual bool KeyExists(const std::string& key) = 0;
    virtual int GetValue(const std::string& key, const std::string& name, RegistryValue* out) = 0;
    virtual std::vector<std::string> ListSubkeys(const std::string& key) = 0;
    // Whether the key could be opened for writing (the original checks this to learn
    // whether the user may change service registrations).
    virtual bool CanOpenForWrite(const std::string& key) = 0;
};

}  // namespace airvane
