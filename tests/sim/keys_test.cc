// WPA/WPA2 after association: key writes through the OIDs, the access point's
// handshake timeout, the EAPOL port and the association information.
#include <gtest/gtest.h>

#include "adapter/layouts.h"
#include "tests/sim/sim_fixture.h"

namespace airvane::sim::test {
namespace {

const char* kWpa2 = R"(
  {"ssid": "Keyed", "bssid": "02:00:00:00:00:01", "channel": 6, "rssi": -50,
   "handshake_timeout_ms": 4000,
   "security": {"kind": "wpa2", "ciphers": ["ccmp"], "passphrase": "keyed-network"}}
)";

const MacAddress kBssid = {0x02, 0, 0, 0, 0, 1};
const std::vector<uint8_t> kTk(16, 0xA5);

// An access point that derives a fixed key once the station's first frame arrives.
class FixedKeyAuthenticator : public AccessPointAuthenticator {
public:
    void Start(const AssociationFacts& facts, std::vector<EapolFrame>* to_station) override {
        facts_ = facts;
        to_station->push_back({0x02, 0x03, 0x00, 0x01});  // "message 1"
    }
    void FromStation(std::span<const uint8_t>, std::vector<EapolFrame>* to_station) override {
        derived_ = kTk;
        to_station->push_back({0x02, 0x03, 0x00, 0x03});
    }
    std::vector<uint8_t> DerivedPairwiseKey() const override { return derived_; }

    static AssociationFacts facts_;

private:
    std::vector<uint8_t> derived_;
};
AssociationFacts FixedKeyAuthenticator::facts_;

class KeysTest : public SimFixture {
protected:
    void Associate() {
        Load(ScenarioWith(kWpa2));
        lib_->SetAuthenticatorFactory([] { return std::make_unique<FixedKeyAuthenticator>(); });
        Open();
        ASSERT_EQ(lib_->SetWL_AuthenticationMode(&ctx_, 7), 0);
        ASSERT_EQ(lib_->SetWL_WEPStatus(&ctx_, 6), 0);
        SetSsid("Keyed");
        clock_.Advance(1000);
        ASSERT_TRUE(Connected());
    }

    int32_t InstallPairwise(const std::vector<uint8_t>& key, const MacAddress& bssid = kBssid) {
        KeyRecord r{0xC0000000u | kKeyRscValid, bssid, 0, key};
        return lib_->WriteOid(&ctx_, kOidAddKey, BuildKeyRecord(r));
    }
};

TEST_F(KeysTest, DataPassesOnlyWithTheKeyTheAccessPointDerived) {
    Associate();
    EXPECT_EQ(lib_->QueryWL_WEPStatus(&ctx_), 7) << "AES, key absent";
    EXPECT_EQ(lib_->HandshakeTimeoutMs(&ctx_), 4000);
    EapolFrame frame;
    ASSERT_EQ(lib_->ReceiveEapolFrame(&ctx_, &frame), 0);
    EXPECT_EQ(frame, EapolFrame({0x02, 0x03, 0x00, 0x01}));
    EXPECT_EQ(lib_->ReceiveEapolFrame(&ctx_, &frame), -1);
    ASSERT_EQ(lib_->SendEapolFrame(&ctx_, std::vector<uint8_t>{0x02, 0x03, 0x00, 0x02}), 0);
    ASSERT_EQ(lib_->ReceiveEapolFrame(&ctx_, &frame), 0);

    EXPECT_EQ(InstallPairwise(std::vector<uint8_t>(16, 0x11)), 0);
    EXPECT_FALSE(lib_->Link("0007").passes_data) << "a key the access point does not hold";
    EXPECT_EQ(InstallPairwise(kTk), 0);
    EXPECT_TRUE(lib_->Link("0007").passes_data);
    EXPECT_EQ(lib_->QueryWL_WEPStatus(&ctx_), 6);
    clock_.Advance(60000);
    EXPECT_TRUE(Connected()) << "a valid key ends the handshake timeout";

    // The station's own element as it was sent in the association request.
    EXPECT_EQ(FixedKeyAuthenticator::facts_.station_element,
              std::vector<uint8_t>({48,   20,   1, 0, 0x00, 0x0F, 0xAC, 4,    1, 0, 0x00,
                                    0x0F, 0xAC, 4, 1, 0,    0x00, 0x0F, 0xAC, 2, 0, 0}));
    std::vector<uint8_t> info(1000);
    ASSERT_EQ(lib_->ReadOid(&ctx_, kOidAssociationInformation, info), 0);
    uint32_t request = info[20] | (info[21] << 8), response = info[36] | (info[37] << 8);
    ASSERT_LT(request, response);
    std::vector<uint8_t> rsn;
    for (size_t at = request; at + 2 <= response; at += 2 + info[at + 1]) {
        if (info[at] == 48) {
            rsn.assign(info.begin() + at, info.begin() + at + 2 + info[at + 1]);
        }
    }
    EXPECT_EQ(rsn, FixedKeyAuthenticator::facts_.station_element);
}

TEST_F(KeysTest, AccessPointDropsAStationWithoutAValidKeyAndItTriesAgain) {
    Associate();
    clock_.Advance(3900);
    EXPECT_TRUE(Connected());
    clock_.Advance(200);
    EXPECT_FALSE(Connected()) << "handshake timeout";
    EXPECT_EQ(lib_->HandshakeTimeoutMs(&ctx_), -1);
    clock_.Advance(1000);
    EXPECT_TRUE(Connected()) << "the adapter associates again after its join delay";
    EXPECT_TRUE(lib_->Link("0007").pairwise_key.empty()) << "a new association has no keys";
}

TEST_F(KeysTest, OidWritesAreCheckedAgainstTheirLayouts) {
    Associate();
    struct Row {
        const char* name;
        uint32_t oid;
        std::vector<uint8_t> record;
        int32_t result;
    };
    std::vector<uint8_t> short_length = BuildKeyRecord({0xC0000000u, kBssid, 0, kTk});
    short_length[0] -= 1;
    std::vector<uint8_t> wep = BuildWepKeyRecord({0x80000001u, {1, 2, 3, 4, 5}});
    std::vector<uint8_t> bad_wep = BuildWepKeyRecord({0x80000001u, {1, 2, 3}});
    const Row rows[] = {
        {"pairwise key", kOidAddKey, BuildKeyRecord({0xE0000000u, kBssid, 0, kTk}), 0},
        {"group key", kOidAddKey, BuildKeyRecord({0x20000001u, kBssid, 7, kTk}), 0},
        {"length word wrong", kOidAddKey, short_length, -1},
        {"pairwise key for another BSSID", kOidAddKey,
         BuildKeyRecord({0xC0000000u, {2, 0, 0, 0, 0, 9}, 0, kTk}), -1},
        {"key of 7 bytes", kOidAddKey,
         BuildKeyRecord({0x20000001u, kBssid, 0, {1, 2, 3, 4, 5, 6, 7}}), -1},
        {"WEP key", kOidAddWepKey, wep, 0},
        {"WEP key of 3 bytes", kOidAddWepKey, bad_wep, -1},
        {"PMKID list", kOidPmkidList, BuildPmkidList({{kBssid, {}}}), 0},
        {"PMKID list cut short", kOidPmkidList, std::vector<uint8_t>{32, 0, 0, 0, 1, 0, 0, 0}, -1},
        {"unknown OID", 0xFF12FF99, std::vector<uint8_t>(8), -1},
    };
    size_t accepted = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(lib_->WriteOid(&ctx_, row.oid, row.record), row.result);
        accepted += row.result == 0 ? 1 : 0;
    }
    std::vector<OidWrite> writes = lib_->OidWrites("0007");
    ASSERT_EQ(writes.size(), accepted);
    EXPECT_EQ(writes.back().oid, kOidPmkidList);
    EXPECT_EQ(writes.back().record.size(), 32u);
}

TEST_F(KeysTest, NotAssociatedRefusesPairwiseKeysAndHasNoAssociationInformation) {
    Load(ScenarioWith(kWpa2));
    Open();
    std::vector<uint8_t> info(1000);
    EXPECT_EQ(lib_->ReadOid(&ctx_, kOidAssociationInformation, info), -1);
    EXPECT_EQ(InstallPairwise(kTk), -1);
    EXPECT_EQ(lib_->SendEapolFrame(&ctx_, std::vector<uint8_t>{1}), -1);
}

}  // namespace
}  // namespace airvane::sim::test
