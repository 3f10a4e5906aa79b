#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry_value.h"

namespace airvane {

// The per-user store, shaped like the registry's current-user branch. Keys are paths
// below the hive root with "\" between components ("Software\Varnex\airvane"); a
// leading or trailing "\" and doubled separators are ignored. Key and value names
// compare without regard to ASCII case. Every call is one atomic operation and may be
// made from any thread. Calls return 0 on success and -1 on failure.
class UserRegistry {
public:
    virtual ~UserRegistry() = default;
    virtual int CreateKey(const std::string& key) = 0;
    virtual bool KeyExists(const std::string& key) = 0;
    // Reads a value of either type; -1 when the key or value is absent.
    virtual int GetValue(const std::string& key, const std::string& name, RegistryValue* out) = 0;
    // Writing a value creates its key and every key above it.
    virtual int SetString(const std::string& key, const std::string& name,
                          const std::string& text) = 0;
    virtual int SetDword(const std::string& key, const std::string& name, uint32_t number) = 0;
    virtual int DeleteValue(const std::string& key, const std::string& name) = 0;
    // Deletes the key with all its values and subkeys.
    virtual int DeleteKeyTree(const std::string& key) = 0;
    // Names of the direct subkeys and the values of a key, in name order.
    virtual std::vector<std::string> ListSubkeys(const std::string& key) = 0;
    virtual std::vector<RegistryValue> ListValues(const std::string& key) = 0;
};

}  // namespace airvane
