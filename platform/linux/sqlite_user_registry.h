#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "platform/user_registry.h"

struct sqlite3;
struct sqlite3_stmt;

namespace airvane {

// The per-user hive as one SQLite database. Keys are rows of their own (so empty keys
// survive), values rows by (key, name); both compare without regard to ASCII case.
// WAL journal with synchronous=NORMAL: a committed write survives a killed process,
// and a reader never sees a half-written value. One connection behind a mutex serves
// every thread; a busy timeout lets a second process wait for the lock.
//
// A file that exists but is not a usable hive is never written: reads then find
// nothing, writes give -1, and the reason is printed once to standard error.
class SqliteUserRegistry : public UserRegistry {
public:
    // ${AIRVANE_HOME:-${XDG_CONFIG_HOME:-$HOME/.config}/airvane}/user-hive.db
    static std::string DefaultPath();

    // Opens the hive at path, creating its folder (0700) and the file (0600) when
    // they do not exist.
    explicit SqliteUserRegistry(const std::string& path);
    ~SqliteUserRegistry() override;
    SqliteUserRegistry(const SqliteUserRegistry&) = delete;
    SqliteUserRegistry& operator=(const SqliteUserRegistry&) = delete;

    bool IsOpen() const { return db_ != nullptr; }
    // Why the hive could not be opened; empty when it is open.
    const std::string& OpenFailure() const { return failure_; }

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

private:
    enum Statement {
        kBegin,
        kCommit,
        kRollback,
        kInsertKey,
        kKeyExists,
        kGetValue,
        kUpsertValue,
        kDeleteValue,
        kDeleteTreeValues,
        kDeleteTreeKeys,
        kListSubkeys,
        kListValues,
        kStatementCount
    };
    bool Open(const std::string& path);
    bool Fail(const std::string& reason);
    sqlite3_stmt* Prepared(Statement which);  // reset and unbound, with mutex_ held
    bool Step(sqlite3_stmt* statement);       // one step that must end in DONE
    bool EnsureKeys(const std::string& normalized);
    int Write(const std::string& key, const RegistryValue& value);

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* statements_[kStatementCount] = {};
    std::string failure_;
};

}  // namespace airvane
