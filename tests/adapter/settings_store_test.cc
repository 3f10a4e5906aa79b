#include "adapter/settings_store.h"

#include <gtest/gtest.h>

#include "tests/adapter/store_fixture.h"

namespace airvane {
namespace {

using test::StoreTest;

constexpr const char* kStation = "Software\\Varnex\\airvane\\LastSetting\\GENERAL\\0007\\Station";
constexpr const char* kAccessPoint =
    "Software\\Varnex\\airvane\\LastSetting\\GENERAL\\0007\\AccessPoint";

TEST_F(StoreTest, PutStringWritesTheBranchOfTheMode) {
    EXPECT_EQ(SettingsStore::PutString(kStationMode, "SSID", "home"), 0);
    EXPECT_EQ(SettingsStore::PutString(kAccessPointMode, "SSID", "shop"), 0);
    RegistryValue value;
    ASSERT_EQ(registry_.GetValue(kStation, "SSID", &value), 0);
    EXPECT_EQ(value.text, "home");
    ASSERT_EQ(registry_.GetValue(kAccessPoint, "SSID", &value), 0);
    EXPECT_EQ(value.text, "shop");
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "SSID"), "home");
    EXPECT_EQ(SettingsStore::GetString(kAccessPointMode, "SSID"), "shop");
}

TEST_F(StoreTest, SectionFollowsChipModeAndAdapterAtEveryCall) {
    SettingsStore::PutString(kStationMode, "Channel", "6");
    Config().ReleaseChipMode = "QX2";
    AdapterState().context.adapter_key = "0012";
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "Channel"), "");
    SettingsStore::PutString(kStationMode, "Channel", "11");
    EXPECT_TRUE(registry_.KeyExists("Software\\Varnex\\airvane\\LastSetting\\QX2\\0012\\Station"));
    Config().ReleaseChipMode = "GENERAL";
    AdapterState().context.adapter_key = "0007";
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "Channel"), "6");
}

TEST_F(StoreTest, NamesCompareWithoutCase) {
    SettingsStore::PutString(kStationMode, "WEPKeyLength", "128");
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "wepkeylength"), "128");
    SettingsStore::PutString(kStationMode, "WEPKEYLENGTH", "64");
    EXPECT_EQ(SettingsStore::GetInt("WepKeyLength"), 64);
    ASSERT_EQ(registry_.ListValues(kStation).size(), 1u);
    EXPECT_EQ(registry_.ListValues(kStation)[0].name, "WEPKeyLength");
}

TEST_F(StoreTest, ModeOtherThanStationOrAccessPointNeverTouchesTheStore) {
    registry_.SetString(kStation, "SSID", "home");
    int reads = registry_.ReadCount();
    int writes = registry_.WriteCount();
    for (int mode : {2, -1}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(SettingsStore::GetString(mode, "SSID"), "");
        EXPECT_EQ(SettingsStore::PutString(mode, "SSID", "x"), -1);
    }
    EXPECT_EQ(registry_.ReadCount(), reads);
    EXPECT_EQ(registry_.WriteCount(), writes);
}

TEST_F(StoreTest, GetIntReadsDecimalOfTheCurrentMode) {
    struct Row {
        const char* name;
        const char* stored;  // nullptr: absent
        int32_t expected;
    };
    const Row rows[] = {
        {"absent", nullptr, -1},
        {"empty", "", -1},
        {"plain", "2346", 2346},
        {"no leading digit", "abc", 0},
        {"digits then letters", "7x", 7},
        {"negative", "-5", -5},
        {"plus sign", "+12", 12},
        {"stored minus one", "-1", -1},
        {"wraps at 32 bits", "4294967297", 1},
        {"leading blank", " 42", 42},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        registry_.DeleteValue(kAccessPoint, "Channel");
        if (row.stored != nullptr) {
            registry_.SetString(kAccessPoint, "Channel", row.stored);
        }
        registry_.SetString(kStation, "Channel", "99");  // the other branch
        AdapterState().operating_mode = kAccessPointMode;
        EXPECT_EQ(SettingsStore::GetInt("Channel"), row.expected);
    }
}

TEST_F(StoreTest, NumberValuesAreNotSettings) {
    registry_.SetDword(kStation, "Channel", 6);
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "Channel"), "");
    EXPECT_EQ(SettingsStore::GetInt("Channel"), -1);
}

TEST_F(StoreTest, FailedWriteReportsAndKeepsTheOldValue) {
    SettingsStore::PutString(kStationMode, "SSID", "home");
    registry_.SetFailWrites(true);
    EXPECT_EQ(SettingsStore::PutString(kStationMode, "SSID", "other"), -1);
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "SSID"), "home");
    registry_.SetFailAll(true);
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "SSID"), "");
    EXPECT_EQ(SettingsStore::GetInt("SSID"), -1);
}

TEST_F(StoreTest, NoStoreInstalledReadsEmptyAndWritesFail) {
    ResetServices();
    EXPECT_EQ(SettingsStore::GetString(kStationMode, "SSID"), "");
    EXPECT_EQ(SettingsStore::GetInt("SSID"), -1);
    EXPECT_EQ(SettingsStore::PutString(kStationMode, "SSID", "x"), -1);
}

TEST_F(StoreTest, ApplicationKeyDefaultsToTheCompany) {
    ResetApplicationKey();
    Config().Company_Abbrev = "Acme";
    EXPECT_EQ(ApplicationKey(), "Software\\Acme\\airvane");
    SetApplicationKey("Software\\Acme\\airvane-pro");
    EXPECT_EQ(ApplicationKey(), "Software\\Acme\\airvane-pro");
}

}  // namespace
}  // namespace airvane
