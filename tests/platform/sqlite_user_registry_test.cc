#include "platform/linux/sqlite_user_registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <thread>

#include "platform/fake/memory_user_registry.h"
#include "tests/support/scratch.h"

namespace airvane {
namespace {

// The behaviour both stores share, run against each of them.
struct Implementation {
    const char* name;
    std::function<std::unique_ptr<UserRegistry>()> make;
};

class UserRegistryContract : public ::testing::TestWithParam<Implementation> {
protected:
    void SetUp() override { registry_ = GetParam().make(); }
    std::unique_ptr<UserRegistry> registry_;
};

std::vector<std::string> Names(const std::vector<RegistryValue>& values) {
    std::vector<std::string> names;
    for (const RegistryValue& value : values) {
        names.push_back(value.name);
    }
    return names;
}

TEST_P(UserRegistryContract, ValuesByKeyAndNameWithoutCase) {
    UserRegistry& r = *registry_;
    EXPECT_EQ(r.SetString("Software\\Varnex\\airvane", "ProgramTitle", "Airvane"), 0);
    EXPECT_EQ(r.SetDword("Software\\Varnex\\airvane", "RUDIzaExit", 1), 0);
    RegistryValue value;
    ASSERT_EQ(r.GetValue("\\SOFTWARE\\varnex\\\\AIRVANE\\", "programtitle", &value), 0);
    EXPECT_EQ(value.type, RegistryValue::Type::kString);
    EXPECT_EQ(value.text, "Airvane");
    EXPECT_EQ(value.name, "ProgramTitle");
    ASSERT_EQ(r.GetValue("Software\\Varnex\\airvane", "rudizaexit", &value), 0);
    EXPECT_EQ(value.type, RegistryValue::Type::kDword);
    EXPECT_EQ(value.number, 1u);

    // Rewriting under another case and another type keeps the first-written name.
    EXPECT_EQ(r.SetString("software\\varnex\\airvane", "RUDIZAEXIT", "0"), 0);
    ASSERT_EQ(r.GetValue("Software\\Varnex\\airvane", "RUDIzaExit", &value), 0);
    EXPECT_EQ(value.type, RegistryValue::Type::kString);
    EXPECT_EQ(value.text, "0");
    EXPECT_EQ(Names(r.ListValues("Software\\Varnex\\airvane")),
              (std::vector<std::string>{"ProgramTitle", "RUDIzaExit"}));
    EXPECT_EQ(r.GetValue("Software\\Varnex\\airvane", "Absent", &value), -1);
    EXPECT_EQ(r.GetValue("Software\\Nowhere", "ProgramTitle", &value), -1);

    // Texts keep every byte, the empty text and characters beyond ASCII included.
    const std::string odd("caf\xC3\xA9 \"q\" \\ 100%_");
    EXPECT_EQ(r.SetString("Software\\Varnex", "", odd), 0);
    ASSERT_EQ(r.GetValue("Software\\Varnex", "", &value), 0);
    EXPECT_EQ(value.text, odd);
    EXPECT_EQ(r.SetDword("Software\\Varnex", "Max", 0xFFFFFFFFu), 0);
    ASSERT_EQ(r.GetValue("Software\\Varnex", "max", &value), 0);
    EXPECT_EQ(value.number, 0xFFFFFFFFu);
}

TEST_P(UserRegistryContract, KeysExistExplicitly) {
    UserRegistry& r = *registry_;
    EXPECT_TRUE(r.KeyExists(""));
    EXPECT_FALSE(r.KeyExists("Software"));
    EXPECT_EQ(r.CreateKey("Software\\Varnex\\airvane\\Profiles\\Empty"), 0);
    EXPECT_EQ(r.SetString("Software\\Varnex\\airvane\\LastSetting\\GENERAL", "x", "1"), 0);
    for (const char* key : {"Software", "software\\VARNEX", "Software\\Varnex\\airvane\\Profiles",
                            "Software\\Varnex\\airvane\\Profiles\\Empty"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(r.KeyExists(key));
    }
    EXPECT_EQ(r.CreateKey("SOFTWARE\\VARNEX\\AIRVANE\\aardvark"), 0);
    EXPECT_EQ(r.ListSubkeys("Software\\Varnex\\airvane"),
              (std::vector<std::string>{"aardvark", "LastSetting", "Profiles"}));
    EXPECT_EQ(r.ListSubkeys(""), (std::vector<std::string>{"Software"}));
    EXPECT_TRUE(r.ListValues("Software\\Varnex\\airvane\\Profiles\\Empty").empty());
}

TEST_P(UserRegistryContract, DeletesValuesAndWholeTrees) {
    UserRegistry& r = *registry_;
    r.SetString("A\\B\\C", "v", "1");
    r.SetString("A\\B", "v", "2");
    r.SetString("A\\B_x", "v", "3");  // "_" must not act as a pattern
    r.SetString("A\\Bc", "v", "4");   // shares the prefix but is no child
    EXPECT_EQ(r.DeleteValue("a\\b", "V"), 0);
    EXPECT_EQ(r.DeleteValue("A\\B", "v"), -1);
    EXPECT_TRUE(r.KeyExists("A\\B"));
    EXPECT_EQ(r.DeleteKeyTree("a\\B"), 0);
    EXPECT_FALSE(r.KeyExists("A\\B"));
    EXPECT_FALSE(r.KeyExists("A\\B\\C"));
    EXPECT_EQ(r.GetValue("A\\B\\C", "v", nullptr), -1);
    EXPECT_EQ(r.ListSubkeys("A"), (std::vector<std::string>{"B_x", "Bc"}));
    EXPECT_EQ(r.DeleteKeyTree("A\\B"), -1);
    EXPECT_EQ(r.DeleteKeyTree(""), -1);
    EXPECT_TRUE(r.KeyExists("A"));
    // A re-created key starts empty.
    r.CreateKey("A\\B\\C");
    EXPECT_TRUE(r.ListValues("A\\B\\C").empty());
}

TEST_P(UserRegistryContract, TwoThreadsWriteAtOnce) {
    UserRegistry& r = *registry_;
    constexpr int kWrites = 200;
    auto writer = [&r](const std::string& prefix) {
        for (int i = 0; i < kWrites; ++i) {
            ASSERT_EQ(r.SetString("Software\\T\\" + prefix, prefix + std::to_string(i),
                                  std::to_string(i)),
                      0);
            RegistryValue value;
            ASSERT_EQ(r.GetValue("Software\\T\\" + prefix, prefix + std::to_string(i), &value), 0);
        }
    };
    std::thread a(writer, "a");
    std::thread b(writer, "b");
    a.join();
    b.join();
    EXPECT_EQ(r.ListValues("Software\\T\\a").size(), static_cast<size_t>(kWrites));
    EXPECT_EQ(r.ListValues("Software\\T\\b").size(), static_cast<size_t>(kWrites));
}

INSTANTIATE_TEST_SUITE_P(
    Stores, UserRegistryContract,
    ::testing::Values(Implementation{"Memory",
                                     [] { return std::make_unique<MemoryUserRegistry>(); }},
                      Implementation{"Sqlite",
                                     [] {
                                         return std::make_unique<SqliteUserRegistry>(
                                             test::NewScratchDir("hive") + "/user-hive.db");
                                     }}),
    [](const ::testing::TestParamInfo<Implementation>& info) { return info.param.name; });

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(SqliteUserRegistry, CreatesPrivateFolderAndFileThatPersist) {
    std::string folder = test::NewScratchDir("private") + "/deeper/airvane";
    std::string path = folder + "/user-hive.db";
    {
        SqliteUserRegistry registry(path);
        ASSERT_TRUE(registry.IsOpen()) << registry.OpenFailure();
        registry.SetString("Software\\Varnex", "Passphrase", "secret");
        registry.CreateKey("Software\\Empty");
    }
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(path), 0600u);
    SqliteUserRegistry again(path);
    RegistryValue value;
    ASSERT_EQ(again.GetValue("software\\varnex", "passphrase", &value), 0);
    EXPECT_EQ(value.text, "secret");
    EXPECT_TRUE(again.KeyExists("Software\\Empty"));
}

TEST(SqliteUserRegistry, FileThatIsNoHiveIsLeftUntouched) {
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"garbage", "this is not a database at all, just some text\n"},
        {"short", "SQL"},
        {"damaged database", std::string("SQLite format 3\0", 16) + std::string(200, '\x5A')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string folder = test::NewScratchDir("garbage");
        std::string path = test::WriteFile(folder + "/user-hive.db", row.bytes);
        SqliteUserRegistry registry(path);
        EXPECT_FALSE(registry.IsOpen());
        EXPECT_FALSE(registry.OpenFailure().empty());
        EXPECT_EQ(registry.SetString("Software", "x", "1"), -1);
        EXPECT_EQ(registry.CreateKey("Software"), -1);
        EXPECT_EQ(registry.DeleteKeyTree("Software"), -1);
        EXPECT_EQ(registry.GetValue("Software", "x", nullptr), -1);
        EXPECT_FALSE(registry.KeyExists(""));
        EXPECT_TRUE(registry.ListSubkeys("").empty());
        EXPECT_EQ(ReadAll(path), row.bytes);
        struct stat info {};
        EXPECT_NE(::stat((path + "-wal").c_str(), &info), 0) << "a journal appeared";
    }
}

TEST(SqliteUserRegistry, DefaultPathFollowsTheEnvironment) {
    std::string saved_home = getenv("HOME");
    std::string saved_config = getenv("XDG_CONFIG_HOME");
    std::string saved_airvane = getenv("AIRVANE_HOME");
    ::setenv("AIRVANE_HOME", "/a/home", 1);
    EXPECT_EQ(SqliteUserRegistry::DefaultPath(), "/a/home/user-hive.db");
    ::setenv("AIRVANE_HOME", "", 1);
    ::setenv("XDG_CONFIG_HOME", "/x/config", 1);
    EXPECT_EQ(SqliteUserRegistry::DefaultPath(), "/x/config/airvane/user-hive.db");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/h", 1);
    EXPECT_EQ(SqliteUserRegistry::DefaultPath(), "/h/.config/airvane/user-hive.db");
    ::setenv("HOME", saved_home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", saved_config.c_str(), 1);
    ::setenv("AIRVANE_HOME", saved_airvane.c_str(), 1);
}

TEST(MemoryUserRegistry, SwitchesMakeCallsFail) {
    MemoryUserRegistry registry;
    registry.SetString("K", "v", "1");
    registry.SetFailWrites(true);
    EXPECT_EQ(registry.SetString("K", "v", "2"), -1);
    EXPECT_EQ(registry.DeleteKeyTree("K"), -1);
    RegistryValue value;
    ASSERT_EQ(registry.GetValue("K", "v", &value), 0);
    EXPECT_EQ(value.text, "1");
    registry.SetFailAll(true);
    EXPECT_EQ(registry.GetValue("K", "v", &value), -1);
    EXPECT_FALSE(registry.KeyExists("K"));
    registry.SetFailAll(false);
    registry.SetFailWrites(false);
    EXPECT_EQ(registry.SetString("K", "v", "2"), 0);
}

}  // namespace
}  // namespace airvane
