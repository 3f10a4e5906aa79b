#include "tools/reg_file.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/format.h"
#include "platform/registry_path.h"
#include "platform/utf8.h"

namespace airvane::regtool {

namespace {

constexpr const char* kRootName = "HKEY_CURRENT_USER";
constexpr const char* kVersion5 = "Windows Registry Editor Version 5.00";
constexpr const char* kVersion4 = "REGEDIT4";

std::string Trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) {
        return std::string();
    }
    size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           registry_path::Fold(text.substr(0, prefix.size())) == registry_path::Fold(prefix);
}

// The text of root + "\" + rest when text begins with the root name; false otherwise.
bool StripRoot(const std::string& text, const std::string& root, std::string* rest) {
    if (!StartsWithNoCase(text, root) || (text.size() > root.size() && text[root.size()] != '\\')) {
        return false;
    }
    *rest = registry_path::Normalize(text.substr(root.size()));
    return true;
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

// Reads a quoted text starting at text[*pos] == '"', with the escapes \\ and \".
bool ReadQuoted(const std::string& text, size_t* pos, std::string* out, std::string* reason) {
    out->clear();
    for (size_t i = *pos + 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            *pos = i + 1;
            return true;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) {
                *reason = "unknown escape in quoted text (only \\\\ and \\\" exist)";
                return false;
            }
            c = text[++i];
        }
        *out += c;
    }
    *reason = "missing closing quote";
    return false;
}

// "41,00,42,00" to bytes.
bool ReadHexBytes(const std::string& text, std::string* bytes, std::string* reason) {
    bytes->clear();
    std::string body = Trim(text);
    if (body.empty()) {
        return true;
    }
    std::stringstream items(body);
    std::string item;
    while (std::getline(items, item, ',')) {
        item = Trim(item);
        if (item.empty() || item.size() > 2 ||
            item.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            *reason = "bad byte \"" + item + "\" in hex value";
            return false;
        }
        bytes->push_back(static_cast<char>(std::stoi(item, nullptr, 16)));
    }
    return true;
}

// Parses the part after "=" of a value line into change.
bool ReadValueData(const std::string& data, RegChange* change, std::string* reason) {
    if (data == "-") {
        change->kind = RegChange::Kind::kDeleteValue;
        return true;
    }
    if (!data.empty() && data[0] == '"') {
        size_t pos = 0;
        if (!ReadQuoted(data, &pos, &change->text, reason)) {
            return false;
        }
        if (!Trim(data.substr(pos)).empty()) {
            *reason = "unexpected text after the value";
            return false;
        }
        change->kind = RegChange::Kind::kSetString;
        return true;
    }
    if (StartsWithNoCase(data, "dword:")) {
        std::string digits = Trim(data.substr(6));
        if (digits.empty() || digits.size() > 8 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            *reason = "bad dword value (1 to 8 hex digits expected)";
            return false;
        }
        change->kind = RegChange::Kind::kSetDword;
        change->number = static_cast<uint32_t>(std::stoul(digits, nullptr, 16));
        return true;
    }
    std::string bytes;
    if (StartsWithNoCase(data, "hex(1):")) {
        if (!ReadHexBytes(data.substr(7), &bytes, reason)) {
            return false;
        }
        std::string text = utf8::FromUtf16(bytes.substr(0, bytes.size() & ~size_t{1}), false);
        while (!text.empty() && text.back() == '\0') {
            text.pop_back();
        }
        change->kind = RegChange::Kind::kSetString;
        change->text = text;
        return true;
    }
    if (StartsWithNoCase(data, "hex(4):")) {
        if (!ReadHexBytes(data.substr(7), &bytes, reason)) {
            return false;
        }
        if (bytes.size() != 4) {
            *reason = "a hex(4) value needs 4 bytes";
            return false;
        }
        change->kind = RegChange::Kind::kSetDword;
        for (int i = 3; i >= 0; --i) {
            change->number = (change->number << 8) | static_cast<uint8_t>(bytes[i]);
        }
        return true;
    }
    if (StartsWithNoCase(data, "hex")) {
        *reason = "value type not supported (the store holds only texts and 32-bit numbers)";
        return false;
    }
    *reason = "unknown value (expected \"text\", dword:, hex(1):, hex(4): or -)";
    return false;
}

// Writes hex(1): bytes of a text, wrapped as the registry editor wraps long lines.
std::string HexTextValue(const std::string& prefix, const std::string& text) {
    std::string bytes = utf8::ToUtf16Le(text) + std::string(2, '\0');
    std::string out = prefix + "hex(1):";
    size_t column = out.size();
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::string item = Format("%02x", static_cast<unsigned>(static_cast<uint8_t>(bytes[i])));
        if (i + 1 < bytes.size()) {
            item += ',';
        }
        if (column + item.size() > 78 && i + 1 < bytes.size()) {
            out += "\\\r\n  ";
            column = 2;
        }
        out += item;
        column += item.size();
    }
    return out;
}

void ExportKey(UserRegistry& registry, const std::string& path, const std::string& display,
               std::string* out) {
    *out += "[" + std::string(kRootName) + (display.empty() ? "" : "\\") + display + "]\r\n";
    for (const RegistryValue& value : registry.ListValues(path)) {
        *out += FormatValueLine(value) + "\r\n";
    }
    *out += "\r\n";
    for (const std::string& child : registry.ListSubkeys(path)) {
        std::string child_path = path.empty() ? child : path + "\\" + child;
        ExportKey(registry, child_path, display.empty() ? child : display + "\\" + child, out);
    }
}

bool ReadFile(const std::string& file, std::string* bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    *bytes = content.str();
    return !in.bad();
}

}  // namespace

int HivePathFromKeyName(const std::string& key_name, bool allow_relative, std::string* path) {
    std::string name = Trim(key_name);
    if (StripRoot(name, kRootName, path)) {
        return 0;
    }
    if (!allow_relative) {
        return -1;
    }
    if (StripRoot(name, "HKCU", path)) {
        return 0;
    }
    if (StartsWithNoCase(name, "HKEY_") || StartsWithNoCase(name, "HKLM") ||
        StartsWithNoCase(name, "HKCR") || StartsWithNoCase(name, "HKU\\") ||
        registry_path::Fold(name) == "hku" || StartsWithNoCase(name, "HKCC")) {
        return -1;
    }
    *path = registry_path::Normalize(name);
    return 0;
}

std::string DecodeRegBytes(const std::string& bytes) {
    auto even = [](const std::string& data) { return data.substr(0, data.size() & ~size_t{1}); };
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        return utf8::FromUtf16(even(bytes.substr(2)), false);
    }
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') {
        return utf8::FromUtf16(even(bytes.substr(2)), true);
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        return bytes.substr(3);
    }
    return utf8::IsValid(bytes) ? bytes : utf8::FromLatin1(bytes);
}

int ParseRegText(const std::string& text, const std::string& file_name,
                 std::vector<RegChange>* changes, std::string* error) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    auto fail = [&](size_t index, const std::string& reason) {
        *error = Format("%s:%zu: %s", file_name.c_str(), index + 1, reason.c_str());
        return -1;
    };

    size_t index = 0;
    while (index < lines.size() && Trim(lines[index]).empty()) {
        ++index;
    }
    if (index == lines.size() ||
        (Trim(lines[index]) != kVersion5 && Trim(lines[index]) != kVersion4)) {
        return fail(index < lines.size() ? index : 0,
                    "not a registry file (expected \"REGEDIT4\" or \"Windows Registry Editor "
                    "Version 5.00\")");
    }
    std::vector<RegChange> parsed;
    bool have_key = false;
    std::string key;
    for (++index; index < lines.size(); ++index) {
        std::string current = Trim(lines[index]);
        if (current.empty() || current[0] == ';') {
            continue;
        }
        RegChange change;
        change.line = static_cast<int>(index + 1);
        if (current[0] == '[') {
            if (current.back() != ']') {
                return fail(index, "missing \"]\" at the end of the key");
            }
            bool remove = current.size() > 1 && current[1] == '-';
            std::string name = current.substr(remove ? 2 : 1, current.size() - (remove ? 3 : 2));
            if (HivePathFromKeyName(name, false, &key) != 0) {
                return fail(index, "key \"" + name +
                                       "\" refused: only HKEY_CURRENT_USER keys "
                                       "can be imported");
            }
            if (remove && key.empty()) {
                return fail(index, "the root of HKEY_CURRENT_USER cannot be deleted");
            }
            change.kind = remove ? RegChange::Kind::kDeleteTree : RegChange::Kind::kCreateKey;
            change.key = key;
            have_key = !remove;
            parsed.push_back(change);
            continue;
        }
        if (!have_key) {
            return fail(index, "value outside a key");
        }
        size_t pos = 0;
        std::string reason;
        if (current[0] == '@') {
            pos = 1;
        } else if (current[0] == '"') {
            if (!ReadQuoted(current, &pos, &change.name, &reason)) {
                return fail(index, reason);
            }
        } else {
            return fail(index, "expected a key in [...], a \"name\" or @");
        }
        while (pos < current.size() && (current[pos] == ' ' || current[pos] == '\t')) {
            ++pos;
        }
        if (pos >= current.size() || current[pos] != '=') {
            return fail(index, "missing \"=\" after the value name");
        }
        std::string data = Trim(current.substr(pos + 1));
        size_t first = index;
        if (StartsWithNoCase(data, "hex")) {
            // Long hex values go on over lines that end in a backslash.
            while (!data.empty() && data.back() == '\\' && index + 1 < lines.size()) {
                data.pop_back();
                data += Trim(lines[++index]);
            }
        }
        if (!ReadValueData(data, &change, &reason)) {
            return fail(first, reason);
        }
        change.key = key;
        parsed.push_back(change);
    }
    *changes = std::move(parsed);
    return 0;
}

std::string FormatValueLine(const RegistryValue& value) {
    std::string prefix = (value.name.empty() ? std::string("@") : Quote(value.name)) + "=";
    if (value.type == RegistryValue::Type::kDword) {
        return prefix + Format("dword:%08x", value.number);
    }
    if (value.text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
        return HexTextValue(prefix, value.text);
    }
    return prefix + Quote(value.text);
}

std::string ExportText(UserRegistry& registry, const std::string& key) {
    std::string path = registry_path::Normalize(key);
    std::string out = std::string(kVersion5) + "\r\n\r\n";
    ExportKey(registry, path, path, &out);
    return out;
}

int ExportRegFile(UserRegistry& registry, const std::string& key, const std::string& file,
                  std::string* error) {
    if (!registry.KeyExists(key)) {
        *error = "no such key: " + std::string(kRootName) + "\\" + registry_path::Normalize(key);
        return -1;
    }
    std::string bytes = "\xFF\xFE" + utf8::ToUtf16Le(ExportText(registry, key));
    // The export holds pass-phrases: a new file is readable by its owner only.
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = file + ": cannot create the file: " + std::strerror(errno);
        return -1;
    }
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        written += static_cast<size_t>(n);
    }
    if (::close(fd) != 0 || written != bytes.size()) {
        *error = file + ": cannot write the file";
        return -1;
    }
    return 0;
}

int ImportRegFile(UserRegistry& registry, const std::string& file, std::string* error) {
    std::string bytes;
    if (!ReadFile(file, &bytes)) {
        *error = file + ": cannot read the file";
        return -1;
    }
    std::vector<RegChange> changes;
    if (ParseRegText(DecodeRegBytes(bytes), file, &changes, error) != 0) {
        return -1;
    }
    for (const RegChange& change : changes) {
        int rc = 0;
        switch (change.kind) {
            case RegChange::Kind::kCreateKey:
                rc = registry.CreateKey(change.key);
                break;
            case RegChange::Kind::kDeleteTree:
                // Deleting what is not there is no error, as in the registry editor.
                rc = registry.KeyExists(change.key) ? registry.DeleteKeyTree(change.key) : 0;
                break;
            case RegChange::Kind::kSetString:
                rc = registry.SetString(change.key, change.name, change.text);
                break;
            case RegChange::Kind::kSetDword:
                rc = registry.SetDword(change.key, change.name, change.number);
                break;
            case RegChange::Kind::kDeleteValue:
                rc = registry.GetValue(change.key, change.name, nullptr) == 0
                         ? registry.DeleteValue(change.key, change.name)
                         : 0;
                break;
        }
        if (rc != 0) {
            *error =
                Format("%s:%d: the settings store refused the change", file.c_str(), change.line);
            return -1;
        }
    }
    return 0;
}

}  // namespace airvane::regtool
