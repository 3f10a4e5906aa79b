#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "platform/linux/sqlite_user_registry.h"
#include "platform/utf8.h"
#include "tests/support/scratch.h"
#include "tools/reg_file.h"
#include "tools/reg_tool.h"

namespace airvane::regtool {
namespace {

struct ToolResult {
    int status;
    std::string out;
    std::string err;
};

ToolResult Tool(const std::string& hive, std::vector<std::string> args) {
    args.insert(args.begin(), {"--hive", hive});
    std::ostringstream out;
    std::ostringstream err;
    int status = RunRegTool(args, out, err);
    return {status, out.str(), err.str()};
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every key below key with its values, in one comparable text.
std::string Dump(UserRegistry& registry, const std::string& key) {
    std::string out = "[" + key + "]\n";
    for (const RegistryValue& value : registry.ListValues(key)) {
        out += FormatValueLine(value) + "\n";
    }
    for (const std::string& child : registry.ListSubkeys(key)) {
        out += Dump(registry, key + "\\" + child);
    }
    return out;
}

class RegToolTest : public ::testing::Test {
protected:
    std::string dir_ = test::NewScratchDir("regtool");
    std::string hive_ = dir_ + "/user-hive.db";
};

TEST_F(RegToolTest, CommandsReadAndChangeTheHive) {
    const std::string key = "HKEY_CURRENT_USER\\Software\\Varnex\\airvane";
    EXPECT_EQ(Tool(hive_, {"set", key, "ProgramTitle", "--string", "Airvane Plus"}).status, 0);
    EXPECT_EQ(
        Tool(hive_, {"set", "HKCU\\Software\\Varnex\\airvane", "Exit", "--dword", "0x2a"}).status,
        0);
    EXPECT_EQ(Tool(hive_, {"set", "Software\\Varnex\\airvane\\Sub", "n", "--dword", "-1"}).status,
              0);
    EXPECT_EQ(Tool(hive_, {"get", key, "programtitle"}).out, "Airvane Plus\n");
    EXPECT_EQ(Tool(hive_, {"get", key, "Exit"}).out, "42\n");
    ToolResult list = Tool(hive_, {"list", key});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "[Sub]\n\"Exit\"=dword:0000002a\n\"ProgramTitle\"=\"Airvane Plus\"\n");
    EXPECT_EQ(Tool(hive_, {"get", key + "\\Sub", "n"}).out, "4294967295\n");
    EXPECT_EQ(Tool(hive_, {"delete", key, "Exit"}).status, 0);
    EXPECT_EQ(Tool(hive_, {"get", key, "Exit"}).status, 1);
    EXPECT_EQ(Tool(hive_, {"delete", key + "\\Sub"}).status, 0);
    EXPECT_EQ(Tool(hive_, {"list", key}).out, "\"ProgramTitle\"=\"Airvane Plus\"\n");
}

TEST_F(RegToolTest, RefusesWrongUse) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
    };
    const Row rows[] = {
        {"no command", {}, 2},
        {"unknown command", {"copy", "Software"}, 2},
        {"set without type", {"set", "Software", "n", "--text", "x"}, 2},
        {"dword not a number", {"set", "Software", "n", "--dword", "12z"}, 1},
        {"dword too large", {"set", "Software", "n", "--dword", "4294967296"}, 1},
        {"machine key", {"list", "HKEY_LOCAL_MACHINE\\SYSTEM"}, 1},
        {"short machine key", {"get", "HKLM\\SYSTEM", "x"}, 1},
        {"absent key", {"list", "Software\\Nowhere"}, 1},
        {"absent value", {"delete", "Software", "Nowhere"}, 1},
        {"export absent key", {"export", "Software\\Nowhere", "/dev/null"}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ToolResult run = Tool(hive_, row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_FALSE(run.err.empty());
    }
}

TEST_F(RegToolTest, ExportThenImportReproducesKeysAndValues) {
    {
        SqliteUserRegistry registry(hive_);
        const std::string app = "Software\\Varnex\\airvane";
        registry.SetString(app + "\\LastSetting\\GENERAL\\0007\\Station", "SSID",
                           "caf\xC3\xA9 \"net\"");
        registry.SetString(app + "\\LastSetting\\GENERAL\\0007\\Station", "WEPKey64_0",
                           "0A 0B 0C 0D 0E");
        registry.SetString(app + "\\LastSetting\\GENERAL\\0007\\Station", "Path", "C:\\dir\\");
        registry.SetString(app + "\\LastSetting\\GENERAL\\0007\\AccessPoint", "", "default");
        registry.SetString(app + "\\Profiles", "Note", "line one\r\nline two");
        registry.SetString(app + "\\Profiles", "Empty", "");
        registry.SetDword(app + "\\GENERAL", "LanguageId", 0x8000002a);
        registry.CreateKey(app + "\\Profiles\\Nothing yet");
    }
    std::string file = dir_ + "/export.reg";
    ASSERT_EQ(Tool(hive_, {"export", "HKEY_CURRENT_USER\\Software\\Varnex", file}).status, 0);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the export holds pass-phrases";
    std::string bytes = ReadAll(file);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    std::string text = utf8::FromUtf16(bytes.substr(2), false);
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\r\n\r\n", 0), 0u);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Varnex\\airvane\\GENERAL]\r\n"
                        "\"LanguageId\"=dword:8000002a\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\"Path\"=\"C:\\\\dir\\\\\"\r\n"), std::string::npos);

    std::string fresh = dir_ + "/fresh.db";
    ToolResult imported = Tool(fresh, {"import", file});
    ASSERT_EQ(imported.status, 0) << imported.err;
    SqliteUserRegistry before(hive_);
    SqliteUserRegistry after(fresh);
    EXPECT_EQ(Dump(after, "Software"), Dump(before, "Software"));
    EXPECT_TRUE(after.KeyExists("Software\\Varnex\\airvane\\Profiles\\Nothing yet"));
}

TEST_F(RegToolTest, ImportsUtf16AndEightBitFiles) {
    const std::string body =
        "\r\n[HKEY_CURRENT_USER\\Software\\Varnex\\airvane\\Profiles\\Caf\xC3\xA9]\r\n"
        "\"SSID\"=\"na\\\\me \\\"q\\\"\"\r\n"
        "@=\"unnamed\"\r\n"
        "\"Count\"=dword:0000002A\r\n"
        "\"Hex\"=hex(4):2a,00,\\\r\n"
        "  00,00\r\n"
        "\"Text\"=hex(1):41,00,0a,00,42,00,00,00\r\n"
        "; a comment\r\n";
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"UTF-16LE with BOM",
         "\xFF\xFE" + utf8::ToUtf16Le("Windows Registry Editor Version 5.00\r\n" + body)},
        {"UTF-8 with BOM", "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n" + body},
        {"REGEDIT4 in Latin-1",
         "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Varnex\\airvane\\Profiles\\Caf\xE9]\r\n"
         "\"SSID\"=\"na\\\\me \\\"q\\\"\"\r\n@=\"unnamed\"\r\n\"Count\"=dword:0000002a\r\n"
         "\"Hex\"=hex(4):2a,00,00,00\r\n\"Text\"=hex(1):41,00,0a,00,42,00,00,00\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string hive = test::NewScratchDir("import") + "/user-hive.db";
        std::string file = test::WriteFile(dir_ + "/in.reg", row.bytes);
        ToolResult run = Tool(hive, {"import", file});
        ASSERT_EQ(run.status, 0) << run.err;
        SqliteUserRegistry registry(hive);
        const std::string key = "Software\\Varnex\\airvane\\Profiles\\Caf\xC3\xA9";
        RegistryValue value;
        ASSERT_EQ(registry.GetValue(key, "SSID", &value), 0);
        EXPECT_EQ(value.text, "na\\me \"q\"");
        ASSERT_EQ(registry.GetValue(key, "", &value), 0);
        EXPECT_EQ(value.text, "unnamed");
        ASSERT_EQ(registry.GetValue(key, "count", &value), 0);
        EXPECT_EQ(value.type, RegistryValue::Type::kDword);
        EXPECT_EQ(value.number, 42u);
        ASSERT_EQ(registry.GetValue(key, "Hex", &value), 0);
        EXPECT_EQ(value.number, 42u);
        ASSERT_EQ(registry.GetValue(key, "Text", &value), 0);
        EXPECT_EQ(value.text, "A\nB");
    }
}

TEST_F(RegToolTest, ImportDeletesKeysAndValues) {
    {
        SqliteUserRegistry registry(hive_);
        registry.SetString("Software\\Old\\Deep", "v", "1");
        registry.SetString("Software\\Keep", "gone", "1");
        registry.SetString("Software\\Keep", "stays", "1");
    }
    std::string file = test::WriteFile(dir_ + "/delete.reg",
                                       "REGEDIT4\n\n[-HKEY_CURRENT_USER\\Software\\Old]\n"
                                       "[-HKEY_CURRENT_USER\\Software\\NeverThere]\n"
                                       "[HKEY_CURRENT_USER\\Software\\Keep]\n\"gone\"=-\n"
                                       "\"absent\"=-\n");
    ToolResult run = Tool(hive_, {"import", file});
    ASSERT_EQ(run.status, 0) << run.err;
    SqliteUserRegistry registry(hive_);
    EXPECT_FALSE(registry.KeyExists("Software\\Old"));
    EXPECT_EQ(registry.GetValue("Software\\Keep", "gone", nullptr), -1);
    EXPECT_EQ(registry.GetValue("Software\\Keep", "stays", nullptr), 0);
}

TEST_F(RegToolTest, ImportErrorsNameFileAndLineAndChangeNothing) {
    struct Row {
        const char* name;
        const char* text;
        const char* error_start;  // after "airvane-reg: <file>"
    };
    const Row rows[] = {
        {"no header", "[HKEY_CURRENT_USER\\Software\\A]\n", ":1: not a registry file"},
        {"machine key", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\n\"v\"=\"1\"\n",
         ":3: key \"HKEY_LOCAL_MACHINE\\SOFTWARE\\A\" refused"},
        {"key without bracket", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A\n", ":2: missing \"]\""},
        {"value before a key", "REGEDIT4\n\"v\"=\"1\"\n", ":2: value outside a key"},
        {"unclosed quote",
         "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=\"1\"\n\"w\"=\"open\n",
         ":4: missing closing quote"},
        {"unknown escape", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=\"a\\nb\"\n",
         ":3: unknown escape"},
        {"bad dword", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=dword:123456789\n",
         ":3: bad dword"},
        {"binary value", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=hex:01,02\n",
         ":3: value type not supported"},
        {"multi-line binary value",
         "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=hex(7):41,00,\\\n  00,00\n",
         ":3: value type not supported"},
        {"missing equals", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"v\" \"1\"\n",
         ":3: missing \"=\""},
        {"root deletion", "REGEDIT4\n[-HKEY_CURRENT_USER]\n", ":2: the root"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string hive = test::NewScratchDir("bad") + "/user-hive.db";
        std::string file = test::WriteFile(dir_ + "/bad.reg", row.text);
        ToolResult run = Tool(hive, {"import", file});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.rfind("airvane-reg: " + file + row.error_start, 0), 0u) << run.err;
        SqliteUserRegistry registry(hive);
        EXPECT_FALSE(registry.KeyExists("Software\\A"));
    }
}

}  // namespace
}  // namespace airvane::regtool
