#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/machine_registry.h"

namespace airvane {

// The machine keys held in memory: a tree of keys with text and 32-bit values. Key
// paths use "\" between components (leading, trailing and doubled separators are
// ignored) and key and value names compare without regard to ASCII case, as in the
// registry. The filling methods are for whoever provides the machine's answers (a test,
// or the simulator describing its adapters' driver keys). Every call is guarded by one
// mutex, so the program's threads may read while the provider changes keys.
class MemoryMachineRegistry : public MachineRegistry {
public:
    MemoryMachineRegistry();
    ~MemoryMachineRegistry() override;

    bool KeyExists(const std::string& key) override;
    int GetValue(const std::string& key, const std::string& name, RegistryValue* out) override;
    // Direct subkey names as first written, in case-insensitive name order.
    std::vector<std::string> ListSubkeys(const std::string& key) override;
    // True for an existing key while writes are allowed (SetWritable).
    bool CanOpenForWrite(const std::string& key) override;

    // Values in case-insensitive name order.
    std::vector<RegistryValue> ListValues(const std::string& key);

    // Creates the key and every key above it.
    void CreateKey(const std::string& key);
    // Set a value, creating its key; a value of the same name is replaced, whatever its
    // type.
    void SetString(const std::string& key, const std::string& name, const std::string& text);
    void SetDword(const std::string& key, const std::string& name, uint32_t number);
    // 0, or -1 when the key or value is absent. The root cannot be deleted.
    int DeleteValue(const std::string& key, const std::string& name);
    int DeleteKeyTree(const std::string& key);
    void Clear();
    void SetWritable(bool writable);

private:
    struct Node;
    Node* Find(const std::string& key);
    Node* FindOrCreate(const std::string& key);
    void Put(const std::string& key, RegistryValue value);

    std::mutex mutex_;
    std::unique_ptr<Node> root_;
    bool writable_ = false;
};

}  // namespace airvane
