#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace airvane {

// The application key of the store (Software\<Company_Abbrev>\<executable base name>),
// chosen by start-up. Until start-up sets it, the key is built from the configured
// company abbreviation and "airvane".
void SetApplicationKey(const std::string& key);
std::string ApplicationKey();
void ResetApplicationKey();

// Decimal text to a 32-bit integer as the settings are read back: leading blanks and
// tabs skipped, an optional sign, the digits up to the first other character; no
// digit gives 0, and overflow wraps at 32 bits.
int32_t DecimalTextToInt(std::string_view text);

// The last settings of the selected adapter, one branch per operating mode:
// <application key>\LastSetting\<ReleaseChipMode>\<AdapterKey>\Station\ (mode 0) or
// ...\AccessPoint\ (mode 1). The section is composed anew on every call, so selecting
// another adapter switches every later call to its branch. Callable from any thread.
namespace SettingsStore {

// The stored text; "" when absent, unreadable, or mode is neither 0 nor 1 (then the
// store is not read).
std::string GetString(int mode, const std::string& name);
// The value of the current OperatingMode as a decimal integer; -1 when absent or empty.
int32_t GetInt(const std::string& name);
// 0 when written; -1 when the mode is neither 0 nor 1 (the store is not touched) or
// the write failed (the previous value stays).
int PutString(int mode, const std::string& name, const std::string& text);

// The section of a mode below the hive root; "" for a mode other than 0 or 1.
std::string SectionPath(int mode);

}  // namespace SettingsStore
}  // namespace airvane
