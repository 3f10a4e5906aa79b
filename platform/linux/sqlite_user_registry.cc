#include "platform/linux/sqlite_user_registry.h"

#include <errno.h>
#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/linux/app_home.h"
#include "platform/registry_path.h"

namespace airvane {

namespace {

// A second instance holding the write lock finishes within milliseconds; the wait only
// has to outlast that, not a hung process.
constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS hive_keys("
    "  path TEXT NOT NULL COLLATE NOCASE PRIMARY KEY,"
    "  parent TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE INDEX IF NOT EXISTS hive_keys_by_parent ON hive_keys(parent);"
    "CREATE TABLE IF NOT EXISTS hive_values("
    "  key TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  type INTEGER NOT NULL,"
    "  text TEXT,"
    "  number INTEGER,"
    "  PRIMARY KEY(key, name)) WITHOUT ROWID;";

constexpr const char* kStatementTexts[] = {
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "INSERT OR IGNORE INTO hive_keys(path, parent, name) VALUES(?1, ?2, ?3)",
    "SELECT 1 FROM hive_keys WHERE path = ?1",
    "SELECT name, type, text, number FROM hive_values WHERE key = ?1 AND name = ?2",
    "INSERT INTO hive_values(key, name, type, text, number) VALUES(?1, ?2, ?3, ?4, ?5) "
    "ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, text = excluded.text, "
    "number = excluded.number",
    "DELETE FROM hive_values WHERE key = ?1 AND name = ?2",
    "DELETE FROM hive_values WHERE key = ?1 OR key LIKE ?2 ESCAPE '!'",
    "DELETE FROM hive_keys WHERE path = ?1 OR path LIKE ?2 ESCAPE '!'",
    "SELECT name FROM hive_keys WHERE parent = ?1 ORDER BY name COLLATE NOCASE",
    "SELECT name, type, text, number FROM hive_values WHERE key = ?1 "
    "ORDER BY name COLLATE NOCASE",
};

constexpr int kTypeString = 1;
constexpr int kTypeDword = 4;

void BindText(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const unsigned char* text = sqlite3_column_text(statement, column);
    if (text == nullptr) {
        return std::string();
    }
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<size_t>(sqlite3_column_bytes(statement, column)));
}

RegistryValue ColumnValue(sqlite3_stmt* statement) {
    RegistryValue value;
    value.name = ColumnText(statement, 0);
    if (sqlite3_column_int(statement, 1) == kTypeDword) {
        value.type = RegistryValue::Type::kDword;
        value.number = static_cast<uint32_t>(sqlite3_column_int64(statement, 3));
    } else {
        value.type = RegistryValue::Type::kString;
        value.text = ColumnText(statement, 2);
    }
    return value;
}

// The LIKE pattern of everything below a key: the key's path with the pattern
// characters escaped, then "\" and anything.
std::string SubtreePattern(const std::string& normalized) {
    std::string pattern;
    for (char c : normalized) {
        if (c == '%' || c == '_' || c == '!') {
            pattern += '!';
        }
        pattern += c;
    }
    return pattern + "\\%";
}

}  // namespace

std::string SqliteUserRegistry::DefaultPath() {
    return AppHomeFolder() + "/user-hive.db";
}

SqliteUserRegistry::SqliteUserRegistry(const std::string& path) {
    if (!Open(path)) {
        std::fprintf(stderr, "airvane: settings store %s not used: %s\n", path.c_str(),
                     failure_.c_str());
    }
}

SqliteUserRegistry::~SqliteUserRegistry() {
    for (sqlite3_stmt*& statement : statements_) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    if (db_ != nullptr) {
        sqlite3_close(db_);
    }
}

bool SqliteUserRegistry::Fail(const std::string& reason) {
    failure_ = reason;
    for (sqlite3_stmt*& statement : statements_) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    if (db_ != nullptr) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
    return false;
}

bool SqliteUserRegistry::Open(const std::string& path) {
    std::string reason;
    size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash), &reason)) {
        return Fail(reason);
    }
    // Look at an existing file before SQLite does: anything that is not a database
    // (or an empty file, which SQLite takes as an empty database) stays untouched.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0) {
        struct stat info {};
        char header[16] = {};
        ssize_t got = 0;
        bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
        if (regular) {
            got = ::read(fd, header, sizeof header);
        }
        ::close(fd);
        if (!regular) {
            return Fail("not a regular file");
        }
        if (got != 0 && (got != static_cast<ssize_t>(sizeof header) ||
                         std::memcmp(header, "SQLite format 3", sizeof header) != 0)) {
            return Fail("the file is not a settings database");
        }
    } else if (errno == ENOENT) {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            return Fail(std::string("cannot create the file: ") + std::strerror(errno));
        }
        if (fd >= 0) {
            ::close(fd);
        }
    } else {
        return Fail(std::string("cannot open the file: ") + std::strerror(errno));
    }

    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        return Fail(db_ != nullptr ? sqlite3_errmsg(db_) : "cannot open the database");
    }
    if (sqlite3_db_readonly(db_, "main") != 0) {
        return Fail("the file is read-only");
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    // Reading the schema first proves the file is a sound database before anything
    // is written to it.
    if (sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK) {
        return Fail(sqlite3_errmsg(db_));
    }
    sqlite3_stmt* journal = nullptr;
    bool wal = false;
    if (sqlite3_prepare_v2(db_, "PRAGMA journal_mode=WAL", -1, &journal, nullptr) == SQLITE_OK &&
        sqlite3_step(journal) == SQLITE_ROW) {
        const unsigned char* mode = sqlite3_column_text(journal, 0);
        wal = mode != nullptr && std::strcmp(reinterpret_cast<const char*>(mode), "wal") == 0;
    }
    sqlite3_finalize(journal);
    if (!wal) {
        return Fail(std::string("cannot switch to WAL: ") + sqlite3_errmsg(db_));
    }
    if (sqlite3_exec(db_, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return Fail(sqlite3_errmsg(db_));
    }
    if (sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::string message = sqlite3_errmsg(db_);
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return Fail(message);
    }
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return Fail(sqlite3_errmsg(db_));
    }
    static_assert(sizeof kStatementTexts / sizeof kStatementTexts[0] == kStatementCount);
    for (int i = 0; i < kStatementCount; ++i) {
        if (sqlite3_prepare_v3(db_, kStatementTexts[i], -1, SQLITE_PREPARE_PERSISTENT,
                               &statements_[i], nullptr) != SQLITE_OK) {
            return Fail(std::string("not a settings database: ") + sqlite3_errmsg(db_));
        }
    }
    return true;
}

sqlite3_stmt* SqliteUserRegistry::Prepared(Statement which) {
    sqlite3_stmt* statement = statements_[which];
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return statement;
}

bool SqliteUserRegistry::Step(sqlite3_stmt* statement) {
    int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    return rc == SQLITE_DONE;
}

bool SqliteUserRegistry::EnsureKeys(const std::string& normalized) {
    std::vector<std::string> parts = registry_path::Components(normalized);
    for (size_t depth = 1; depth <= parts.size(); ++depth) {
        sqlite3_stmt* insert = Prepared(kInsertKey);
        BindText(insert, 1, registry_path::Join(parts, depth));
        BindText(insert, 2, registry_path::Join(parts, depth - 1));
        BindText(insert, 3, parts[depth - 1]);
        if (!Step(insert)) {
            return false;
        }
    }
    return true;
}

int SqliteUserRegistry::CreateKey(const std::string& key) {
    std::lock_guard lock(mutex_);
    if (db_ == nullptr || !Step(Prepared(kBegin))) {
        return -1;
    }
    if (!EnsureKeys(registry_path::Normalize(key)) || !Step(Prepared(kCommit))) {
        Step(Prepared(kRollback));
        return -1;
    }
    return 0;
}

bool SqliteUserRegistry::KeyExists(const std::string& key) {
    std::string normalized = registry_path::Normalize(key);
    std::lock_guard lock(mutex_);
    if (db_ == nullptr) {
        return false;
    }
    if (normalized.empty()) {
        return true;
    }
    sqlite3_stmt* query = Prepared(kKeyExists);
    BindText(query, 1, normalized);
    bool found = sqlite3_step(query) == SQLITE_ROW;
    sqlite3_reset(query);
    return found;
}

int SqliteUserRegistry::GetValue(const std::string& key, const std::string& name,
                                 RegistryValue* out) {
    std::string normalized = registry_path::Normalize(key);
    std::lock_guard lock(mutex_);
    if (db_ == nullptr) {
        return -1;
    }
    sqlite3_stmt* query = Prepared(kGetValue);
    BindText(query, 1, normalized);
    BindText(query, 2, name);
    int rc = -1;
    if (sqlite3_step(query) == SQLITE_ROW) {
        if (out != nullptr) {
            *out = ColumnValue(query);
        }
        rc = 0;
    }
    sqlite3_reset(query);
    return rc;
}

int SqliteUserRegistry::Write(const std::string& key, const RegistryValue& value) {
    std::string normalized = registry_path::Normalize(key);
    std::lock_guard lock(mutex_);
    if (db_ == nullptr || !Step(Prepared(kBegin))) {
        return -1;
    }
    bool ok = EnsureKeys(normalized);
    if (ok) {
        sqlite3_stmt* upsert = Prepared(kUpsertValue);
        BindText(upsert, 1, normalized);
        BindText(upsert, 2, value.name);
        if (value.type == RegistryValue::Type::kDword) {
            sqlite3_bind_int(upsert, 3, kTypeDword);
            sqlite3_bind_int64(upsert, 5, value.number);
        } else {
            sqlite3_bind_int(upsert, 3, kTypeString);
            BindText(upsert, 4, value.text);
        }
        ok = Step(upsert);
    }
    if (!ok || !Step(Prepared(kCommit))) {
        Step(Prepared(kRollback));
        return -1;
    }
    return 0;
}

int SqliteUserRegistry::SetString(const std::string& key, const std::string& name,
                                  const std::string& text) {
    RegistryValue value;
    value.name = name;
    value.type = RegistryValue::Type::kString;
    value.text = text;
    return Write(key, value);
}

int SqliteUserRegistry::SetDword(const std::string& key, const std::string& name, uint32_t number) {
    RegistryValue value;
    value.name = name;
    value.type = RegistryValue::Type::kDword;
    value.number = number;
    return Write(key, value);
}

int SqliteUserRegistry::DeleteValue(const std::string& key, const std::string& name) {
    std::string normalized = registry_path::Normalize(key);
    std::lock_guard lock(mutex_);
    if (db_ == nullptr) {
        return -1;
    }
    sqlite3_stmt* remove = Prepared(kDeleteValue);
    BindText(remove, 1, normalized);
    BindText(remove, 2, name);
    if (!Step(remove)) {
        return -1;
    }
    return sqlite3_changes(db_) > 0 ? 0 : -1;
}

int SqliteUserRegistry::DeleteKeyTree(const std::string& key) {
    std::string normalized = registry_path::Normalize(key);
    std::lock_guard lock(mutex_);
    if (db_ == nullptr || normalized.empty() || !Step(Prepared(kBegin))) {
        return -1;  // the hive root stays
    }
    std::string pattern = SubtreePattern(normalized);
    sqlite3_stmt* values = Prepared(kDeleteTreeValues);
    BindText(values, 1, normalized);
    BindText(values, 2, pattern);
    bool ok = Step(values);
    bool found = false;
    if (ok) {
        sqlite3_stmt* keys = Prepared(kDeleteTreeKeys);
        BindText(keys, 1, normalized);
        BindText(keys, 2, pattern);
        ok = Step(keys);
        found = sqlite3_changes(db_) > 0;
    }
    if (!ok || !found || !Step(Prepared(kCommit))) {
        Step(Prepared(kRollback));
        return -1;
    }
    return 0;
}

std::vector<std::string> SqliteUserRegistry::ListSubkeys(const std::string& key) {
    std::string normalized = registry_path::Normalize(key);
    std::vector<std::string> names;
    std::lock_guard lock(mutex_);
    if (db_ == nullptr) {
        return names;
    }
    sqlite3_stmt* query = Prepared(kListSubkeys);
    BindText(query, 1, normalized);
    while (sqlite3_step(query) == SQLITE_ROW) {
        names.push_back(ColumnText(query, 0));
    }
    sqlite3_reset(query);
    return names;
}

std::vector<RegistryValue> SqliteUserRegistry::ListValues(const std::string& key) {
    std::string normalized = registry_path::Normalize(key);
    std::vector<RegistryValue> values;
    std::lock_guard lock(mutex_);
    if (db_ == nullptr) {
        return values;
    }
    sqlite3_stmt* query = Prepared(kListValues);
    BindText(query, 1, normalized);
    while (sqlite3_step(query) == SQLITE_ROW) {
        values.push_back(ColumnValue(query));
    }
    sqlite3_reset(query);
    return values;
}

}  // namespace airvane
