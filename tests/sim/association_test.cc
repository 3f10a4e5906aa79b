// The rules by which the simulated adapter joins a network, and what the link then
// carries.
#include <gtest/gtest.h>

#include <optional>

#include "adapter/layouts.h"
#include "tests/sim/sim_fixture.h"

namespace airvane::sim::test {
namespace {

const char* kRoom = R"(
  {"ssid": "Open-A", "bssid": "02:00:00:00:00:01", "channel": 1, "rssi": -50},
  {"ssid": "Wep-B", "bssid": "02:00:00:00:00:02", "channel": 6, "rssi": -55,
   "security": {"kind": "wep", "wep_key": "0102030405"}},
  {"ssid": "Wpa2-C", "bssid": "02:00:00:00:00:03", "channel": 11, "rssi": -50,
   "security": {"kind": "wpa2", "ciphers": ["ccmp"], "passphrase": "passphrase-c"}},
  {"ssid": "Mixed-D", "bssid": "02:00:00:00:00:04", "channel": 3, "rssi": -60,
   "security": {"kind": "wpa-wpa2", "ciphers": ["tkip", "ccmp"], "passphrase": "passphrase-d"}},
  {"ssid": "Cell-E", "bssid": "02:00:00:00:00:05", "channel": 10, "rssi": -60, "type": "adhoc"},
  {"ssid": "Five-F", "bssid": "02:00:00:00:00:06", "channel": 36, "rssi": -55},
  {"ssid": "Twin", "bssid": "02:00:00:00:00:07", "channel": 1, "rssi": -45},
  {"ssid": "Twin", "bssid": "02:00:00:00:00:08", "channel": 6, "rssi": -70},
  {"ssid": "Corp-G", "bssid": "02:00:00:00:00:09", "channel": 9, "rssi": -58,
   "security": {"kind": "wpa2", "key_management": "eap", "ciphers": ["ccmp"],
                "eap": {"method": "peap", "identity": "u", "password": "p"}}}
)";

MacAddress Mac(uint8_t last) {
    return {0x02, 0, 0, 0, 0, last};
}

struct Row {
    const char* name;
    const char* ssid;
    int network_type;
    int auth;
    int wep_status;
    int type_in_use;
    std::vector<uint8_t> wep_key;  // written as key 0, the default
    std::optional<uint8_t> bssid_lock;
    std::optional<uint8_t> joins;  // last byte of the BSSID joined, none: no association
    bool data;
};

class AssociationTest : public SimFixture {};

TEST_F(AssociationTest, JoinsOnlyWhatTheSettingsCanMeet) {
    const std::vector<uint8_t> right = {1, 2, 3, 4, 5}, wrong = {9, 9, 9, 9, 9};
    const Row rows[] = {
        {"open network, WEP off", "Open-A", 1, 0, 1, 4, {}, {}, 1, true},
        {"open network, WEP on", "Open-A", 1, 2, 0, 4, right, {}, {}, false},
        {"WEP, right key, open system", "Wep-B", 1, 0, 0, 4, right, {}, 2, true},
        {"WEP, wrong key, open system", "Wep-B", 1, 0, 0, 4, wrong, {}, 2, false},
        {"WEP, wrong key, shared key", "Wep-B", 1, 1, 0, 4, wrong, {}, {}, false},
        {"WEP, right key, shared key", "Wep-B", 1, 1, 0, 4, right, {}, 2, true},
        {"WEP network, WEP off", "Wep-B", 1, 2, 1, 4, {}, {}, {}, false},
        {"WPA2-PSK, AES, no key yet", "Wpa2-C", 1, 7, 6, 4, {}, {}, 3, false},
        {"WPA2 network, WPA-PSK mode", "Wpa2-C", 1, 4, 6, 4, {}, {}, {}, false},
        {"CCMP network, TKIP", "Wpa2-C", 1, 7, 4, 4, {}, {}, {}, false},
        {"mixed, WPA-PSK TKIP", "Mixed-D", 1, 4, 4, 4, {}, {}, 4, false},
        {"mixed, WPA2-PSK AES", "Mixed-D", 1, 7, 6, 4, {}, {}, 4, false},
        {"802.1X network, PSK mode", "Corp-G", 1, 7, 6, 4, {}, {}, {}, false},
        {"802.1X network, WPA2 mode", "Corp-G", 1, 6, 6, 4, {}, {}, 9, false},
        {"ad hoc cell, infrastructure type", "Cell-E", 1, 0, 1, 4, {}, {}, {}, false},
        {"ad hoc cell, ad hoc type", "Cell-E", 0, 0, 1, 4, {}, {}, 5, true},
        {"access point, ad hoc type", "Open-A", 0, 0, 1, 4, {}, {}, {}, false},
        {"SSID nobody serves", "Nobody", 1, 0, 1, 4, {}, {}, {}, false},
        {"two cells: the stronger", "Twin", 1, 0, 1, 4, {}, {}, 7, true},
        {"two cells: the BSSID set", "Twin", 1, 0, 1, 4, {}, 8, 8, true},
        {"BSSID of another network: released", "Twin", 1, 0, 1, 4, {}, 1, 7, true},
        {"5 GHz cell, 2.4 GHz in use", "Five-F", 1, 0, 1, 3, {}, {}, {}, false},
        {"5 GHz cell, automatic band", "Five-F", 1, 0, 1, 4, {}, {}, 6, true},
        {"empty SSID: strongest it can join", "", 1, 0, 1, 4, {}, {}, 7, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Load(ScenarioWith(kRoom));
        Open();
        EXPECT_EQ(lib_->SetWL_NetworkType(&ctx_, row.network_type), 0);
        EXPECT_EQ(lib_->SetWL_AuthenticationMode(&ctx_, row.auth), 0);
        EXPECT_EQ(lib_->SetWL_802_11_NetworkTypeInUse(&ctx_, row.type_in_use), 0);
        if (!row.wep_key.empty()) {
            EXPECT_EQ(lib_->SetWL_WriteKey(&ctx_, 0, 0, 1, row.wep_key), 0);
        }
        EXPECT_EQ(lib_->SetWL_WEPStatus(&ctx_, row.wep_status), 0);
        if (row.bssid_lock) {
            EXPECT_EQ(lib_->SetWL_BSSID(&ctx_, Mac(*row.bssid_lock)), 0);
        }
        SetSsid(row.ssid);
        EXPECT_FALSE(Connected()) << "the join takes the scenario's join delay";
        clock_.Advance(1500);
        LinkView link = lib_->Link("0007");
        ASSERT_EQ(link.associated, row.joins.has_value());
        EXPECT_EQ(Connected(), row.joins.has_value());
        if (row.joins) {
            EXPECT_EQ(link.bssid, Mac(*row.joins));
            MacAddress bssid{};
            EXPECT_EQ(lib_->QueryWL_BSSID(&ctx_, &bssid), 0);
            EXPECT_EQ(bssid, Mac(*row.joins));
        }
        EXPECT_EQ(link.passes_data, row.data);
        uint32_t tx = 0, rx = 0;
        clock_.Advance(10000);
        ASSERT_EQ(lib_->GetTxRxFrameCount(&ctx_, &tx, &rx), 0);
        EXPECT_EQ(tx > 0 && rx > 0, row.data) << "frames flow only while data passes";
    }
}

TEST_F(AssociationTest, RandomSsidDropsTheLinkAndTheRealOneBringsItBack) {
    Load(ScenarioWith(kRoom));
    Open();
    SetSsid("Twin");
    clock_.Advance(1500);
    ASSERT_TRUE(Connected());
    std::vector<uint8_t> junk(32);
    for (size_t i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<uint8_t>(i * 37 + 11);
    }
    ASSERT_EQ(lib_->SetWL_SSID(&ctx_, junk), 0);
    EXPECT_FALSE(Connected());
    clock_.Advance(5000);
    EXPECT_FALSE(Connected());
    SetSsid("Twin");
    clock_.Advance(1500);
    EXPECT_TRUE(Connected());
}

TEST_F(AssociationTest, BssidSetForOneCellIsReleasedWhenAnotherNetworkIsChosen) {
    Load(ScenarioWith(kRoom));
    Open();
    ASSERT_EQ(lib_->SetWL_BSSID(&ctx_, Mac(8)), 0);
    SetSsid("Twin");
    clock_.Advance(1500);
    ASSERT_EQ(lib_->Link("0007").bssid, Mac(8));
    // While the BSSID holds, the stronger cell of the same SSID is not taken, even when
    // the chosen one goes away.
    ASSERT_EQ(lib_->SetNetworkPresent(Mac(8), false), 0);
    clock_.Advance(5000);
    EXPECT_FALSE(Connected());
    SetSsid("Open-A");
    clock_.Advance(1500);
    EXPECT_EQ(lib_->Link("0007").bssid, Mac(1));
}

TEST_F(AssociationTest, LinkFollowsTheNetworkLeavingAndComingBack) {
    Load(ScenarioWith(kRoom));
    Open();
    SetSsid("Open-A");
    clock_.Advance(1500);
    ASSERT_TRUE(Connected());
    ASSERT_EQ(lib_->SetNetworkPresent(Mac(1), false), 0);
    EXPECT_FALSE(Connected());
    EXPECT_EQ(lib_->QueryWL_RSSI(&ctx_), -1);
    ASSERT_EQ(lib_->SetNetworkPresent(Mac(1), true), 0);
    clock_.Advance(1500);
    EXPECT_TRUE(Connected()) << "the adapter keeps looking for its SSID";
    ASSERT_EQ(lib_->SetNetworkRssi(Mac(1), -100), 0);
    EXPECT_FALSE(Connected()) << "a signal below the radio's sensitivity is lost";
}

TEST_F(AssociationTest, StatusFollowsTheSignal) {
    Load(ScenarioWith(kRoom));
    Open();
    SetSsid("Open-A");
    clock_.Advance(1500);
    ASSERT_TRUE(Connected());
    EXPECT_EQ(lib_->QueryWL_RSSI(&ctx_), -50);
    EXPECT_EQ(lib_->QueryWL_Channel(&ctx_), 1);
    EXPECT_EQ(lib_->QueryWL_CurrentLinkSpeed(&ctx_), 54000);
    int strong = lib_->QueryWL_CommQuality(&ctx_);
    uint8_t ssid[32];
    EXPECT_EQ(lib_->QueryWL_SSID(&ctx_, ssid), 6);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(ssid), 6), "Open-A");
    ASSERT_EQ(lib_->SetNetworkRssi(Mac(1), -84), 0);
    EXPECT_EQ(lib_->QueryWL_RSSI(&ctx_), -84);
    EXPECT_LT(lib_->QueryWL_CommQuality(&ctx_), strong);
    EXPECT_EQ(lib_->QueryWL_CurrentLinkSpeed(&ctx_), 6000);
    // A fixed rate is kept when the signal carries it.
    RateSet fixed{};
    fixed[0] = 22;
    ASSERT_EQ(lib_->SetWL_DesiredRate(&ctx_, fixed), 0);
    EXPECT_EQ(lib_->QueryWL_CurrentLinkSpeed(&ctx_), 11000);
    fixed[0] = 5;  // 2.5 Mbit/s: no such rate
    EXPECT_EQ(lib_->SetWL_DesiredRate(&ctx_, fixed), -1);
}

}  // namespace
}  // namespace airvane::sim::test
