#include "adapter/app_profile.h"

#include <gtest/gtest.h>

#include "tests/adapter/store_fixture.h"

namespace airvane {
namespace {

using test::StoreTest;

constexpr const char* kGeneral = "Software\\Varnex\\airvane\\GENERAL";

TEST_F(StoreTest, ProfileValuesLiveBelowTheApplicationKey) {
    EXPECT_EQ(WriteProfileInt("GENERAL", "LanguageId", 3), 0);
    RegistryValue value;
    ASSERT_EQ(registry_.GetValue(kGeneral, "LanguageId", &value), 0);
    EXPECT_EQ(value.type, RegistryValue::Type::kDword);
    EXPECT_EQ(value.number, 3u);
    EXPECT_EQ(GetProfileInt("general", "languageid", 0), 3);

    EXPECT_EQ(WriteProfileString("GENERAL", "Title", "Airvane"), 0);
    EXPECT_EQ(GetProfileString("GENERAL", "Title", "none"), "Airvane");
}

TEST_F(StoreTest, ProfileReadsFallBackToTheDefault) {
    EXPECT_EQ(GetProfileInt("GENERAL", "Absent", 17), 17);
    EXPECT_EQ(GetProfileString("GENERAL", "Absent", "dflt"), "dflt");
    registry_.SetDword(kGeneral, "Number", 5);
    EXPECT_EQ(GetProfileString("GENERAL", "Number", "dflt"), "dflt");
    registry_.SetString(kGeneral, "Text", "12abc");
    EXPECT_EQ(GetProfileInt("GENERAL", "Text", 17), 12);
    registry_.SetDword(kGeneral, "Negative", 0xFFFFFFFFu);
    EXPECT_EQ(GetProfileInt("GENERAL", "Negative", 0), -1);
    registry_.SetFailAll(true);
    EXPECT_EQ(GetProfileInt("GENERAL", "Text", 17), 17);
    EXPECT_EQ(WriteProfileInt("GENERAL", "LanguageId", 1), -1);
    EXPECT_EQ(WriteProfileString("GENERAL", "Title", "x"), -1);
}

}  // namespace
}  // namespace airvane
