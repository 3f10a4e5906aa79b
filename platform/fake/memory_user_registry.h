#pragma once
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/user_registry.h"

namespace airvane {

// The per-user store in memory, with the semantics of the SQLite hive: explicit keys,
// parents created by every write, ASCII-case-insensitive names that keep the case they
// were first written with. Thread-safe. Switches make writes, or every call, fail so
// that the error paths of the callers can be tested; counters show whether a caller
// touched the store at all.
class MemoryUserRegistry : public UserRegistry {
public:
    int CreateKey(const std::string& key) override;
    bool KeyExists(const std::string& key) override;
    int GetValue(const std::string& key, const std::string& name, RegistryValue* out) override;
    int SetString(const std::string& key, const std::string& name,
                  const std::string& text) override;
    int SetDword(const std::string& key, const std::string& name, uint32_t number) override;
    int DeleteValue(const std::string& key, const std::string& name) override;
    int DeleteKeyTree(const std::string& key) override;
    std::vector<std::string> ListSubkeys(const std::string& key) override;
    std::vector<RegistryValue> ListValues(const std::string& key) override;

    // Writes (create, set, delete) fail with -1 and change nothing.
    void SetFailWrites(bool fail) { fail_writes_ = fail; }
    // Every call fails: reads find nothing, writes give -1.
    void SetFailAll(bool fail) { fail_all_ = fail; }
    int ReadCount() const { return reads_; }
    int WriteCount() const { return writes_; }

private:
    struct Key {
        std::string path;                             // as first written
        std::map<std::string, RegistryValue> values;  // by folded name
    };
    bool WriteRefused();
    bool ReadRefused();
    Key& EnsureKey(const std::string& path);  // with mutex_ held
    int SetValue(const std::string& key, RegistryValue value);

    std::mutex mutex_;
    std::map<std::string, Key> keys_;  // by folded normalised path; "" is the root
    std::atomic<bool> fail_writes_{false};
    std::atomic<bool> fail_all_{false};
    std::atomic<int> reads_{0};
    std::atomic<int> writes_{0};
};

}  // namespace airvane
