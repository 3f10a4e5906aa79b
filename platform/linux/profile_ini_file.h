#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/ini_file.h"

namespace airvane {

// Initialisation files read with the rules of the Windows profile functions. Each file
// is parsed once and kept; a lookup re-reads it only when its size, modification time
// (nanoseconds) or identity on disk changed, so an edited file shows at the next lookup
// without re-parsing on every call. Safe to use from several threads.
class ProfileIniFile : public IniFile {
public:
    ProfileIniFile();
    ~ProfileIniFile() override;

    std::string GetString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& default_text,
                          size_t buffer_chars) override;
    int32_t GetInt(const std::string& path, const std::string& section, const std::string& key,
                   int32_t default_value) override;

    // Drops every parsed file (the next lookup reads from disk again).
    void ClearCache();

    struct ParsedFile;

private:
    // The value of key in section with the outer quotes removed, or false when the
    // file, section or key is missing.
    bool Lookup(const std::string& path, const std::string& section, const std::string& key,
                std::string* value);
    std::shared_ptr<const ParsedFile> Current(const std::string& path);

    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const ParsedFile>> cache_;
};

}  // namespace airvane
