#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace airvane {

// Reads keys of initialisation files with the rules of the Windows profile functions
// (GetPrivateProfileString / GetPrivateProfileInt). Texts come back as UTF-8.
class IniFile {
public:
    virtual ~IniFile() = default;
    // The text of key in section, or default_text (trailing blanks removed) when the
    // file, section or key is missing; cut to buffer_chars - 1 characters.
    virtual std::string GetString(const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& default_text,
                                  size_t buffer_chars) = 0;
    // Optional sign and decimal digits up to the first non-digit; 0 when the value
    // starts with no digit; wraps at 32 bits; default_value when the key is missing.
    virtual int32_t GetInt(const std::string& path, const std::string& section,
                           const std::string& key, int32_t default_value) = 0;
};

}  // namespace airvane
