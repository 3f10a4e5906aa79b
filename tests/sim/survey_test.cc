// The site survey buffer, read back here byte by byte without the program's own reader.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "tests/sim/sim_fixture.h"

namespace airvane::sim::test {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b.at(at) | (b.at(at + 1) << 8) | (b.at(at + 2) << 16) |
           (static_cast<uint32_t>(b.at(at + 3)) << 24);
}

struct Heard {
    std::string ssid;
    uint32_t privacy, frequency, mode, type_in_use;
    int32_t rssi;
    std::map<uint8_t, std::vector<std::vector<uint8_t>>> elements;  // id -> bodies
};

// Walks the buffer by the entry lengths and the element area length only.
std::vector<Heard> Walk(const std::vector<uint8_t>& buffer) {
    std::vector<Heard> out;
    size_t at = 4;
    for (uint32_t i = 0; i < Le32(buffer, 0); ++i) {
        uint32_t length = Le32(buffer, at);
        EXPECT_EQ(length % 4, 0u);
        Heard h;
        h.ssid.assign(reinterpret_cast<const char*>(&buffer[at + 16]), Le32(buffer, at + 12));
        h.privacy = Le32(buffer, at + 48);
        h.rssi = static_cast<int32_t>(Le32(buffer, at + 52));
        h.type_in_use = Le32(buffer, at + 56);
        h.frequency = Le32(buffer, at + 72);
        h.mode = Le32(buffer, at + 92);
        uint32_t area = Le32(buffer, at + 112);
        EXPECT_LE(116 + area, length);
        size_t e = at + 128, end = at + 116 + area;
        while (e + 2 <= end) {
            uint8_t id = buffer[e], len = buffer[e + 1];
            EXPECT_LE(e + 2 + len, end);
            h.elements[id].emplace_back(buffer.begin() + e + 2, buffer.begin() + e + 2 + len);
            e += 2 + len;
        }
        EXPECT_EQ(e, end) << "elements end exactly at the element area's end";
        out.push_back(h);
        at += length;
    }
    return out;
}

const char* kNetworks = R"(
  {"ssid": "Plain", "bssid": "02:00:00:00:00:01", "channel": 1, "rssi": -50},
  {"ssid": "Both", "bssid": "02:00:00:00:00:02", "channel": 6, "rssi": -60,
   "security": {"kind": "wpa-wpa2", "ciphers": ["tkip", "ccmp"], "passphrase": "both-ways-1"}},
  {"ssid": "Cell", "bssid": "02:00:00:00:00:03", "channel": 14, "rssi": -70, "type": "adhoc"},
  {"ssid": "High", "bssid": "02:00:00:00:00:04", "channel": 36, "rssi": -55,
   "security": {"kind": "wpa2", "key_management": "eap", "ciphers": ["ccmp"],
                "eap": {"method": "tls", "identity": "me"}}},
  {"ssid": "Gone", "bssid": "02:00:00:00:00:05", "channel": 11, "present": false}
)";

class SurveyTest : public SimFixture {};

TEST_F(SurveyTest, EntriesCarryRealInformationElements) {
    Load(ScenarioWith(kNetworks));
    Open();
    ASSERT_EQ(lib_->WL_SiteSurveyStart(&ctx_), 0);
    std::vector<uint8_t> buffer(12004);
    ASSERT_EQ(lib_->WL_RetrieveSiteSurveyData(&ctx_, buffer), 0);
    std::vector<Heard> heard = Walk(buffer);
    ASSERT_EQ(heard.size(), 3u) << "channel 14 is outside this adapter; Gone is not on air";

    const Heard& plain = heard[0];
    EXPECT_EQ(plain.ssid, "Plain");
    EXPECT_EQ(plain.privacy, 0u);
    EXPECT_EQ(plain.rssi, -50);
    EXPECT_EQ(plain.frequency, 2412000u);
    EXPECT_EQ(plain.mode, 1u);
    EXPECT_EQ(plain.type_in_use, 3u);
    EXPECT_EQ(plain.elements.at(0)[0], std::vector<uint8_t>({'P', 'l', 'a', 'i', 'n'}));
    EXPECT_EQ(plain.elements.at(1)[0],
              std::vector<uint8_t>({0x82, 0x84, 0x8B, 0x96, 12, 18, 24, 36}));
    EXPECT_EQ(plain.elements.at(50)[0], std::vector<uint8_t>({48, 72, 96, 108}));
    EXPECT_EQ(plain.elements.at(3)[0], std::vector<uint8_t>({1}));
    EXPECT_EQ(plain.elements.count(48), 0u);
    EXPECT_EQ(plain.elements.at(221).size(), 1u) << "only the WMM element";
    EXPECT_EQ(plain.elements.at(221)[0],
              std::vector<uint8_t>({0x00, 0x50, 0xF2, 0x02, 0x00, 0x01, 0x00}));

    const Heard& both = heard[1];
    EXPECT_EQ(both.privacy, 1u);
    EXPECT_EQ(both.frequency, 2437000u);
    // RSN: version 1, group TKIP, two pairwise suites (TKIP, CCMP), PSK, capabilities.
    EXPECT_EQ(
        both.elements.at(48)[0],
        std::vector<uint8_t>({1,    0,    0x00, 0x0F, 0xAC, 2, 2,    0,    0x00, 0x0F, 0xAC, 2,
                              0x00, 0x0F, 0xAC, 4,    1,    0, 0x00, 0x0F, 0xAC, 2,    0,    0}));
    // WPA: OUI 00:50:F2 type 1, version 1, the same suites with the WPA OUI.
    const std::vector<uint8_t>& wpa = both.elements.at(221).back();
    EXPECT_EQ(wpa, std::vector<uint8_t>({0x00, 0x50, 0xF2, 1,    1,    0,    0x00, 0x50, 0xF2,
                                         2,    2,    0,    0x00, 0x50, 0xF2, 2,    0x00, 0x50,
                                         0xF2, 4,    1,    0,    0x00, 0x50, 0xF2, 2}));

    const Heard& high = heard[2];
    EXPECT_EQ(high.ssid, "High");
    EXPECT_EQ(high.frequency, 5180000u);
    EXPECT_EQ(high.type_in_use, 2u);
    EXPECT_EQ(high.elements.at(48)[0][17], 1) << "802.1X key management (element offset 19)";
    EXPECT_EQ(high.elements.at(1)[0],
              std::vector<uint8_t>({0x8C, 18, 0x98, 36, 0xB0, 72, 96, 108}));
}

TEST_F(SurveyTest, TooSmallABufferFailsAndAccessPointModeHasNoSurvey) {
    Load(ScenarioWith(kNetworks));
    Open();
    std::vector<uint8_t> buffer(12004);
    ASSERT_EQ(lib_->WL_RetrieveSiteSurveyData(&ctx_, buffer), 0);
    EXPECT_EQ(Le32(buffer, 0), 0u) << "nothing known before the first scan";
    ASSERT_EQ(lib_->WL_SiteSurveyStart(&ctx_), 0);
    std::vector<uint8_t> small(200);
    EXPECT_EQ(lib_->WL_RetrieveSiteSurveyData(&ctx_, small), -1);
    ASSERT_EQ(lib_->SetWL_OperationMode_STA_AP(&ctx_, 1), 0);
    EXPECT_EQ(lib_->WL_SiteSurveyStart(&ctx_), -1);
    EXPECT_EQ(lib_->WL_RetrieveSiteSurveyData(&ctx_, buffer), -1);
}

TEST_F(SurveyTest, SignalDriftsWithinItsRangeAndRepeatsForTheSameSeed) {
    std::string room =
        R"({"ssid": "Plain", "bssid": "02:00:00:00:00:01", "channel": 1, "rssi": -60})";
    std::string json = ScenarioWith(room);
    json.replace(json.find("\"rssi_drift_db\": 0"), 18, "\"rssi_drift_db\": 4");
    std::vector<int32_t> first;
    for (int run = 0; run < 2; ++run) {
        clock_.Set(1000);
        Load(json);
        Open();
        lib_->WL_SiteSurveyStart(&ctx_);
        std::vector<int32_t> seen;
        for (int i = 0; i < 40; ++i) {
            std::vector<uint8_t> buffer(12004);
            ASSERT_EQ(lib_->WL_RetrieveSiteSurveyData(&ctx_, buffer), 0);
            seen.push_back(Walk(buffer).at(0).rssi);
            clock_.Advance(1000);
        }
        for (int32_t r : seen) {
            EXPECT_GE(r, -64);
            EXPECT_LE(r, -56);
        }
        EXPECT_NE(*std::min_element(seen.begin(), seen.end()),
                  *std::max_element(seen.begin(), seen.end()));
        if (run == 0) {
            first = seen;
        } else {
            EXPECT_EQ(seen, first);
        }
    }
}

}  // namespace
}  // namespace airvane::sim::test
