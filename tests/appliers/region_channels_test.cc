#include "adapter/region_channels.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "tests/appliers/appliers_fixture.h"

namespace airvane::test {
namespace {

TEST(RegionChannelMaskTest, TableRowsAndBoundaries) {
    struct Row {
        const char* name;
        int32_t region;
        std::optional<uint16_t> mask;
    };
    const Row rows[] = {
        {"no channels", 0, 0x0000},
        {"1 to 11", 16, 0x07FF},
        {"1 to 11 range end", 130, 0x07FF},
        {"1 to 13", 48, 0x1FFF},
        {"1 to 13 range start", 82, 0x1FFF},
        {"1 to 13 range end", 104, 0x1FFF},
        {"between ranges", 105, 0x07FF},
        {"1 to 13 after gap", 106, 0x1FFF},
        {"10 to 13", 71, 0x1E00},
        {"1 to 14", 65, 0x3FFF},
        {"3 to 9", 80, 0x01FC},
        {"10 only", 81, 0x0200},
        {"gap 124", 124, std::nullopt},
        {"past the end", 134, std::nullopt},
        {"unlisted 1", 1, std::nullopt},
        {"negative", -1, std::nullopt},
        {"top code", 254, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(RegionChannelMask(row.region), row.mask);
    }
}

TEST(RegionChannelMaskTest, ChannelsAscendFromBitZero) {
    EXPECT_EQ(ChannelsOfMask(0x01FC), (std::vector<uint8_t>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(ChannelsOfMask(0x1E00), (std::vector<uint8_t>{10, 11, 12, 13}));
    EXPECT_TRUE(ChannelsOfMask(0).empty());
    EXPECT_EQ(ChannelsOfMask(0x8001), (std::vector<uint8_t>{1, 16}));
}

class RegionChannelsTest : public AppliersTest {
protected:
    // The 2.4 GHz channels the adapter reports, up to its 0xFF separator.
    std::vector<uint8_t> Channels24() {
        std::vector<uint8_t> bytes(64);
        int32_t count = static_cast<int32_t>(bytes.size());
        EXPECT_EQ(lib_->QueryWL_SupportChannel(ctx_, bytes, &count), 0);
        bytes.resize(static_cast<size_t>(count));
        std::vector<uint8_t> out;
        for (uint8_t c : bytes) {
            if (c == 0xFF) {
                break;
            }
            out.push_back(c);
        }
        return out;
    }
};

TEST_F(RegionChannelsTest, RestrictedDevicePushesRegionChannels) {
    AdapterState().device_kind = 1;
    ASSERT_EQ(ApplyRegionChannels(ctx_, 80), 0);
    EXPECT_EQ(Channels24(), (std::vector<uint8_t>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(lib_->QueryWL_OperationRegionCode(ctx_), 80);
    EXPECT_EQ(Stored(kStationMode, "OperationRegion"), "80");
    EXPECT_EQ(Stored(kAccessPointMode, "OperationRegion"), "80");
}

TEST_F(RegionChannelsTest, RegionZeroPushesEmptyListLiftingRestriction) {
    AdapterState().device_kind = 1;
    const std::vector<uint8_t> all = Channels24();
    ASSERT_EQ(ApplyRegionChannels(ctx_, 80), 0);
    ASSERT_EQ(ApplyRegionChannels(ctx_, 0), 0);
    EXPECT_EQ(Channels24(), all);
    EXPECT_EQ(Stored(kStationMode, "OperationRegion"), "0");
}

TEST_F(RegionChannelsTest, OtherDeviceKindKeepsChannelList) {
    AdapterState().device_kind = 0;
    const std::vector<uint8_t> all = Channels24();
    ASSERT_EQ(ApplyRegionChannels(ctx_, 80), 0);
    EXPECT_EQ(Channels24(), all);
    EXPECT_EQ(Stored(kStationMode, "OperationRegion"), "80");
}

TEST_F(RegionChannelsTest, UnknownRegionChangesNothing) {
    AdapterState().device_kind = 1;
    ASSERT_EQ(ApplyRegionChannels(ctx_, 81), 0);
    EXPECT_EQ(ApplyRegionChannels(ctx_, 124), -1);
    EXPECT_EQ(lib_->QueryWL_OperationRegionCode(ctx_), 81);
    EXPECT_EQ(Channels24(), (std::vector<uint8_t>{10}));
    EXPECT_EQ(Stored(kStationMode, "OperationRegion"), "81");
}

TEST_F(RegionChannelsTest, AdapterThatWillNotOpenChangesNothing) {
    AdapterState().device_kind = 1;
    Refuse("QxOpenAdapter");
    EXPECT_EQ(ApplyRegionChannels(ctx_, 80), -1);
    EXPECT_EQ(Stored(kStationMode, "OperationRegion"), "");
}

// The region call's refusal is the applier's; the routine still answers 0.
TEST_F(RegionChannelsTest, RefusedRegionCodeIsNotStored) {
    AdapterState().device_kind = 1;
    Refuse("SetWL_OperationRegionCode");
    EXPECT_EQ(ApplyRegionChannels(ctx_, 80), 0);
    EXPECT_EQ(Stored(kStationMode, "OperationRegion"), "");
    EXPECT_EQ(Channels24(), (std::vector<uint8_t>{3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace airvane::test
