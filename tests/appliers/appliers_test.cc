#include "adapter/appliers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adapter/layouts.h"
#include "platform/format.h"
#include "tests/appliers/appliers_fixture.h"

namespace airvane::test {
namespace {

using IntApplier = int32_t (*)(AdapterContext*, int32_t);
using IntQuery = int32_t (AdapterLibrary::*)(AdapterContext*);

struct IntRow {
    const char* name;  // the stored value name
    IntApplier apply;
    const char* call;  // the library call it makes
    int32_t value;     // a value the simulated adapter accepts
    IntQuery query;    // reads the value back, where the library can
};

const IntRow kIntRows[] = {
    {"HideSSID", ApplyHideSSID, "SetWLAP_HideSSIDState", 1, nullptr},
    {"WirelessMode", ApplyWirelessMode, "SetWL_802_11_NetworkTypeInUse", 3,
     &AdapterLibrary::QueryWL_802_11_NetworkTypeInUse},
    {"Channel", ApplyChannel, "SetWL_Channel", 6, &AdapterLibrary::QueryWL_Channel},
    {"ApWirelessMode", ApplyApWirelessMode, "SetWL_ApWirelessMode", 2, nullptr},
    {"ApProtectionMode", ApplyApProtectionMode, "SetWL_ApProtectionMode", 1, nullptr},
    {"NetworkType", ApplyNetworkType, "SetWL_NetworkType", 0, &AdapterLibrary::QueryWL_NetworkType},
    {"WEPStatus", ApplyWEPStatus, "SetWL_WEPStatus", 1, &AdapterLibrary::QueryWL_WEPStatus},
    {"AuthenticationMode", ApplyAuthenticationMode, "SetWL_AuthenticationMode", 2,
     &AdapterLibrary::QueryWL_AuthenticationMode},
    {"PowerSaveMode", ApplyPowerSaveMode, "SetWL_PSMode", 2, &AdapterLibrary::QueryWL_PSMode},
    {"FragmentationThreshold", ApplyFragmentationThreshold, "SetWL_FragmentationThreshold", 1024,
     &AdapterLibrary::QueryWL_FragmentationThreshold},
    {"RTSThreshold", ApplyRTSThreshold, "SetWL_RTS_CTS_Threshold", 500,
     &AdapterLibrary::QueryWL_RTS_CTS_Threshold},
    {"PreambleMode", ApplyPreambleMode, "SetWL_PreambleMode", 1, nullptr},
    {"TxPowerLevel", ApplyTxPowerLevel, "SetWLAP_TxPowerLevel", 2, nullptr},
    {"MACFilterMode", ApplyMACFilterMode, "SetWLAP_FilterMode", 1, nullptr},
    {"MultiDomainCapability", ApplyMultiDomainCapability, "SetWL_MultiDomainCapability", 1,
     &AdapterLibrary::QueryWL_MultiDomainCapability},
    {"OperationRegion", ApplyOperationRegion, "SetWL_OperationRegionCode", 48,
     &AdapterLibrary::QueryWL_OperationRegionCode},
    {"PSPXLinkMode", ApplyPSPXLinkMode, "SetWL_QXPSPXLinkMode", 1, nullptr},
    {"WMMQosMode", ApplyWMMQosMode, "SetWL_QXWMMQosMode", 1, nullptr},
};

bool WritesBothBranches(const IntRow& row) {
    return std::string(row.name) == "OperationRegion";
}
bool StoresWhenRefused(const IntRow& row) {
    return std::string(row.name) == "TxPowerLevel";
}

// Every integer applier, in each mode: the adapter takes the value and only the branch
// of the current mode records it (the region lands in both).
TEST_F(AppliersTest, AcceptedValueReachesAdapterAndCurrentBranch) {
    for (int mode : {kStationMode, kAccessPointMode}) {
        for (const IntRow& row : kIntRows) {
            SCOPED_TRACE(Format("%s in mode %d", row.name, mode));
            Clear(row.name);
            AdapterState().operating_mode = mode;
            ASSERT_EQ(row.apply(ctx_, row.value), 0);
            if (row.query != nullptr) {
                EXPECT_EQ((lib_.get()->*row.query)(ctx_), row.value);
            }
            const std::string text = Format("%d", row.value);
            EXPECT_EQ(Stored(mode, row.name), text);
            EXPECT_EQ(Stored(1 - mode, row.name), WritesBothBranches(row) ? text : "");
        }
    }
}

// A refused value leaves the stored one as it was and reports -1, except the transmit
// power level, which is kept whatever the adapter says.
TEST_F(AppliersTest, RefusedValueKeepsStoredOne) {
    for (const IntRow& row : kIntRows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(row.apply(ctx_, row.value), 0);
        ASSERT_EQ(lib_->SetRefused("0007", row.call, true), 0);
        EXPECT_EQ(row.apply(ctx_, row.value + 1), -1);
        const int32_t expected = StoresWhenRefused(row) ? row.value + 1 : row.value;
        EXPECT_EQ(Stored(kStationMode, row.name), Format("%d", expected));
        if (row.query != nullptr) {
            EXPECT_EQ((lib_.get()->*row.query)(ctx_), row.value);
        }
    }
}

TEST_F(AppliersTest, RefusedTxPowerLevelIsStoredOnFirstWrite) {
    AdapterState().operating_mode = kAccessPointMode;
    Refuse("SetWLAP_TxPowerLevel");
    EXPECT_EQ(ApplyTxPowerLevel(ctx_, 3), -1);
    EXPECT_EQ(Stored(kAccessPointMode, "TxPowerLevel"), "3");
}

TEST_F(AppliersTest, WithoutLibraryNothingIsStored) {
    ResetAdapterLibrary();
    EXPECT_EQ(ApplyChannel(ctx_, 6), -1);
    EXPECT_EQ(Stored(kStationMode, "Channel"), "");
}

TEST_F(AppliersTest, NetworkTypeSetsCurrentNetworkTypeOnlyWhenAccepted) {
    AdapterState().current_network_type = 1;
    ASSERT_EQ(ApplyNetworkType(ctx_, ndis::kNetworkAdHoc), 0);
    EXPECT_EQ(AdapterState().current_network_type, ndis::kNetworkAdHoc);
    Refuse("SetWL_NetworkType");
    EXPECT_EQ(ApplyNetworkType(ctx_, ndis::kNetworkInfrastructure), -1);
    EXPECT_EQ(AdapterState().current_network_type, ndis::kNetworkAdHoc);
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST_F(AppliersTest, SsidClearsWasDisconnectedAndStoresText) {
    AdapterState().was_disconnected = true;
    ASSERT_EQ(ApplySSID(ctx_, Bytes("Home net")), 0);
    EXPECT_FALSE(AdapterState().was_disconnected);
    EXPECT_EQ(Stored(kStationMode, "SSID"), "Home net");
    std::vector<uint8_t> read(32);
    EXPECT_EQ(lib_->QueryWL_SSID(ctx_, read), 8);
}

TEST_F(AppliersTest, RefusedSsidStillClearsWasDisconnected) {
    ASSERT_EQ(ApplySSID(ctx_, Bytes("Old")), 0);
    AdapterState().was_disconnected = true;
    Refuse("SetWL_SSID");
    EXPECT_EQ(ApplySSID(ctx_, Bytes("New")), -1);
    EXPECT_FALSE(AdapterState().was_disconnected);
    EXPECT_EQ(Stored(kStationMode, "SSID"), "Old");
}

TEST_F(AppliersTest, SsidIsCutTo32BytesAndStoredUpToZeroByte) {
    ASSERT_EQ(ApplySSID(ctx_, Bytes(std::string(40, 'x'))), 0);
    EXPECT_EQ(Stored(kStationMode, "SSID"), std::string(32, 'x'));
    ASSERT_EQ(ApplySSID(ctx_, Bytes(std::string("ab\0cd", 5))), 0);
    EXPECT_EQ(Stored(kStationMode, "SSID"), "ab");
}

TEST_F(AppliersTest, DesiredRateStoredAsSeparatedHex) {
    RateSet rates{0x82, 0x84, 0x0B, 0x16};
    ASSERT_EQ(ApplyDesiredRate(ctx_, rates), 0);
    std::string expected = "82 84 0B 16";
    for (int i = 4; i < 16; ++i) {
        expected += " 00";
    }
    EXPECT_EQ(Stored(kStationMode, "DesiredRate"), expected);
    Refuse("SetWL_DesiredRate");
    EXPECT_EQ(ApplyDesiredRate(ctx_, RateSet{0x02}), -1);
    EXPECT_EQ(Stored(kStationMode, "DesiredRate"), expected);
}

std::string HexPairs(uint8_t first, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += Format(i == 0 ? "%02X" : " %02X", static_cast<unsigned>(first + i));
    }
    return text;
}

TEST_F(AppliersTest, WepKeyNamesAndLengths) {
    struct Row {
        const char* name;
        int32_t length_index;
        int32_t key_index;
        const char* stored_name;
        size_t size;
        const char* bits;
    };
    const Row rows[] = {
        {"64-bit", 0, 0, "WEPKey64_0", 5, "64"},
        {"128-bit", 1, 2, "WEPKey128_2", 13, "128"},
        {"256-bit", 2, 3, "WEPKey256_3", 29, "256"},
        {"unknown length index is 64-bit", 7, 1, "WEPKey64_1", 5, "64"},
    };
    std::vector<uint8_t> key(29);
    for (size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<uint8_t>(0xA0 + i);
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Clear("WEPDefaultKeyId");
        ASSERT_EQ(ApplyWEPKey(ctx_, row.key_index, row.length_index, 1, key), 0);
        EXPECT_EQ(Stored(kStationMode, row.stored_name), HexPairs(0xA0, row.size));
        EXPECT_EQ(Stored(kStationMode, "WEPKeyLength"), row.bits);
        EXPECT_EQ(Stored(kStationMode, "WEPDefaultKeyId"), Format("%d", row.key_index));
    }
}

TEST_F(AppliersTest, WepKeyNotDefaultLeavesDefaultKeyId) {
    std::vector<uint8_t> key(13, 0x11);
    ASSERT_EQ(ApplyWEPKey(ctx_, 0, 1, 1, key), 0);
    ASSERT_EQ(ApplyWEPKey(ctx_, 2, 1, 0, key), 0);
    EXPECT_EQ(Stored(kStationMode, "WEPDefaultKeyId"), "0");
    EXPECT_EQ(Stored(kStationMode, "WEPKey128_2"), "11 11 11 11 11 11 11 11 11 11 11 11 11");
}

TEST_F(AppliersTest, WepKeyRefusedOrMalformedStoresNothing) {
    struct Row {
        const char* name;
        int32_t key_index;
        size_t key_bytes;
        bool refused;
    };
    const Row rows[] = {
        {"refused by the adapter", 1, 13, true},
        {"key shorter than its length", 1, 12, false},
        {"key index beyond 3", 4, 13, false},
        {"negative key index", -1, 13, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(lib_->SetRefused("0007", "SetWL_WriteKey", row.refused), 0);
        std::vector<uint8_t> key(row.key_bytes, 0x22);
        EXPECT_EQ(ApplyWEPKey(ctx_, row.key_index, 1, 1, key), -1);
        EXPECT_EQ(Stored(kStationMode, "WEPKeyLength"), "");
        EXPECT_EQ(Stored(kStationMode, "WEPDefaultKeyId"), "");
    }
}

TEST_F(AppliersTest, MacFilterListStoresAllSixteenEntries) {
    AdapterState().operating_mode = kAccessPointMode;
    MacList list{};
    list[0] = {true, {0x02, 0x1A, 0x7C, 0x00, 0x00, 0x42}};
    std::vector<uint8_t> bytes(kMacListSize);
    ASSERT_TRUE(WriteMacList(list, bytes));
    ASSERT_EQ(ApplyMACFilterList(ctx_, bytes), 0);
    EXPECT_EQ(Stored(kAccessPointMode, "MACFilterAddr0"), "02 1A 7C 00 00 42");
    for (int i = 1; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Stored(kAccessPointMode, Format("MACFilterAddr%d", i)), "00 00 00 00 00 00");
    }
}

TEST_F(AppliersTest, MacFilterListRefusedOrShortStoresNothing) {
    AdapterState().operating_mode = kAccessPointMode;
    std::vector<uint8_t> bytes(kMacListSize);
    EXPECT_EQ(ApplyMACFilterList(ctx_, std::span<const uint8_t>(bytes).first(111)), -1);
    Refuse("SetWLAP_FilterList");
    EXPECT_EQ(ApplyMACFilterList(ctx_, bytes), -1);
    EXPECT_EQ(Stored(kAccessPointMode, "MACFilterAddr0"), "");
}

}  // namespace
}  // namespace airvane::test
