#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/user_registry.h"

namespace airvane::regtool {

// The Windows .reg text format for the settings store. Only HKEY_CURRENT_USER keys,
// text values and 32-bit number values exist in the store, so those are what is read
// and written: "name"="text", "name"=dword:0000002a, "name"=- and @ for the unnamed
// value; hex(1): (a text) and hex(4): (a number) are read too, and texts with line
// breaks are written as hex(1):. Other hex types are refused with an error.

// One change an imported file asks for, with the line it came from.
struct RegChange {
    enum class Kind { kCreateKey, kDeleteTree, kSetString, kSetDword, kDeleteValue };
    Kind kind = Kind::kCreateKey;
    std::string key;  // below the hive root
    std::string name;
    std::string text;
    uint32_t number = 0;
    int line = 0;
};

// "HKEY_CURRENT_USER\Software\X" (any letter case) to "Software\X"; -1 for any other
// root. With allow_relative, a path with no root ("Software\X") or the short root
// "HKCU" is taken as below HKEY_CURRENT_USER too.
int HivePathFromKeyName(const std::string& key_name, bool allow_relative, std::string* path);

// File bytes to UTF-8 text: UTF-16LE or UTF-16BE with BOM, UTF-8 with or without BOM,
// and anything that is not valid UTF-8 as Latin-1 (REGEDIT4 files are 8-bit).
std::string DecodeRegBytes(const std::string& bytes);

// Parses decoded text into changes; on an error, -1 and "file:line: reason".
int ParseRegText(const std::string& text, const std::string& file_name,
                 std::vector<RegChange>* changes, std::string* error);

// One value as a .reg line without line end ("name"="text", @=dword:00000001).
std::string FormatValueLine(const RegistryValue& value);

// The version 5 text (CRLF line ends, UTF-8) of key and everything below it.
std::string ExportText(UserRegistry& registry, const std::string& key);

// export KEY FILE: version 5 as UTF-16LE with BOM. import FILE: every change, but only
// when the whole file parsed. 0, or -1 with *error set.
int ExportRegFile(UserRegistry& registry, const std::string& key, const std::string& file,
                  std::string* error);
int ImportRegFile(UserRegistry& registry, const std::string& file, std::string* error);

}  // namespace airvane::regtool
