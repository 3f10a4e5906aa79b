#pragma once
#include <cstdint>
#include <string>

namespace airvane {

// Values directly below the application key, in the manner of an application
// profile: section is a subkey of the application key ("GENERAL" for
// GENERAL\LanguageId), entry a value name in it.

// A number value as it is; a text value read as decimal; default when absent or
// unreadable.
int32_t GetProfileInt(const std::string& section, const std::string& entry, int32_t default_value);
// Stores a 32-bit number value; 0 or -1.
int WriteProfileInt(const std::string& section, const std::string& entry, int32_t value);
// A text value; default when absent, unreadable or not a text.
std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& default_text);
// Stores a text value; 0 or -1.
int WriteProfileString(const std::string& section, const std::string& entry,
                       const std::string& text);

}  // namespace airvane
