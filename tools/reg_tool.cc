#include "tools/reg_tool.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "platform/linux/sqlite_user_registry.h"
#include "tools/reg_file.h"

namespace airvane::regtool {

namespace {

constexpr const char* kUsage =
    "usage: airvane-reg [--hive PATH] COMMAND\n"
    "  list KEY                               subkeys and values of KEY\n"
    "  get KEY NAME                           one value\n"
    "  set KEY NAME (--string TEXT | --dword N)\n"
    "  delete KEY [NAME]                      a value, or KEY with everything below it\n"
    "  export KEY FILE                        KEY and below as a .reg file\n"
    "  import FILE                            a .reg file (REGEDIT4 or version 5)\n"
    "KEY is HKEY_CURRENT_USER\\..., HKCU\\... or a path below HKEY_CURRENT_USER.\n";

int Usage(std::ostream& err) {
    err << kUsage;
    return 2;
}

// Decimal (with an optional "-", down to -2147483648) or 0x-prefixed hex, all of it.
bool ParseDword(const std::string& text, uint32_t* number) {
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (text[0] == '-') {
        long long value = std::strtoll(text.c_str(), &end, 10);
        if (errno != 0 || *end != '\0' || value < INT32_MIN) {
            return false;
        }
        *number = static_cast<uint32_t>(static_cast<int32_t>(value));
        return true;
    }
    if (text[0] < '0' || text[0] > '9') {
        return false;
    }
    unsigned long long value = std::strtoull(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || *end != '\0' || value > UINT32_MAX) {
        return false;
    }
    *number = static_cast<uint32_t>(value);
    return true;
}

}  // namespace

int RunRegTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> words;
    std::string hive = SqliteUserRegistry::DefaultPath();
    for (size_t i = 0; i < args.size(); ++i) {
        if (words.empty() && args[i] == "--hive") {
            if (i + 1 >= args.size()) {
                return Usage(err);
            }
            hive = args[++i];
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.empty()) {
        return Usage(err);
    }
    const std::string& command = words[0];
    size_t count = words.size();
    bool known = (command == "list" && count == 2) || (command == "get" && count == 3) ||
                 (command == "set" && count == 5) ||
                 (command == "delete" && (count == 2 || count == 3)) ||
                 (command == "export" && count == 3) || (command == "import" && count == 2);
    if (!known) {
        return Usage(err);
    }
    std::string key;
    if (command != "import" && HivePathFromKeyName(words[1], true, &key) != 0) {
        err << "airvane-reg: " << words[1] << ": only HKEY_CURRENT_USER keys are in the store\n";
        return 1;
    }
    uint32_t number = 0;
    if (command == "set" && words[3] != "--string" &&
        (words[3] != "--dword" || !ParseDword(words[4], &number))) {
        if (words[3] == "--dword") {
            err << "airvane-reg: " << words[4] << ": not a 32-bit number\n";
            return 1;
        }
        return Usage(err);
    }

    SqliteUserRegistry registry(hive);
    if (!registry.IsOpen()) {
        return 1;  // the registry has printed why
    }
    if (command == "list") {
        if (!registry.KeyExists(key)) {
            err << "airvane-reg: no such key: " << words[1] << "\n";
            return 1;
        }
        for (const std::string& subkey : registry.ListSubkeys(key)) {
            out << "[" << subkey << "]\n";
        }
        for (const RegistryValue& value : registry.ListValues(key)) {
            out << FormatValueLine(value) << "\n";
        }
        return 0;
    }
    if (command == "get") {
        RegistryValue value;
        if (registry.GetValue(key, words[2], &value) != 0) {
            err << "airvane-reg: no value \"" << words[2] << "\" in " << words[1] << "\n";
            return 1;
        }
        if (value.type == RegistryValue::Type::kDword) {
            out << value.number << "\n";
        } else {
            out << value.text << "\n";
        }
        return 0;
    }
    if (command == "set") {
        int rc = words[3] == "--string" ? registry.SetString(key, words[2], words[4])
                                        : registry.SetDword(key, words[2], number);
        if (rc != 0) {
            err << "airvane-reg: cannot write \"" << words[2] << "\" in " << words[1] << "\n";
            return 1;
        }
        return 0;
    }
    if (command == "delete") {
        int rc = count == 3 ? registry.DeleteValue(key, words[2]) : registry.DeleteKeyTree(key);
        if (rc != 0) {
            err << "airvane-reg: cannot delete " << (count == 3 ? "\"" + words[2] + "\" in " : "")
                << words[1] << " (absent, or the store refused)\n";
            return 1;
        }
        return 0;
    }
    std::string error;
    int rc = command == "export" ? ExportRegFile(registry, key, words[2], &error)
                                 : ImportRegFile(registry, words[1], &error);
    if (rc != 0) {
        err << "airvane-reg: " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace airvane::regtool
