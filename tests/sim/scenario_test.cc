// Scenario files: the built-in default and the errors a bad file gives.
#include <gtest/gtest.h>

#include "sim/scenario.h"
#include "tests/sim/sim_fixture.h"
#include "tests/support/scratch.h"

namespace airvane::sim::test {
namespace {

TEST(ScenarioTest, DefaultScenarioHoldsEveryKindOfNetwork) {
    Scenario s;
    std::string error;
    ASSERT_EQ(LoadStartupScenario("", &s, &error), 0) << error;
    ASSERT_GE(s.adapters.size(), 2u);
    EXPECT_TRUE(s.adapters[0].dual_band);
    EXPECT_TRUE(s.adapters[0].access_point);
    EXPECT_NE(s.adapters[0].chip_kind, s.adapters[1].chip_kind);
    bool open = false, wep = false, tkip = false, ccmp = false, mixed = false, peap = false,
         adhoc = false, five = false;
    for (const ScenarioNetwork& n : s.networks) {
        const ScenarioSecurity& sec = n.security;
        open = open || (sec.kind == SecurityKind::kOpen && !n.adhoc);
        wep = wep || sec.kind == SecurityKind::kWep;
        tkip =
            tkip || (sec.kind == SecurityKind::kWpa && sec.key_management == KeyManagement::kPsk);
        ccmp =
            ccmp || (sec.kind == SecurityKind::kWpa2 && sec.key_management == KeyManagement::kPsk);
        mixed = mixed || sec.kind == SecurityKind::kWpaWpa2;
        peap = peap || sec.eap.method == "peap";
        adhoc = adhoc || n.adhoc;
        five = five || n.band_5ghz;
        for (uint8_t b : {n.bssid[0]}) {
            EXPECT_EQ(b & 0x03, 0x02) << n.ssid << ": locally administered, unicast";
        }
    }
    EXPECT_TRUE(open && wep && tkip && ccmp && mixed && peap && adhoc && five);
    EXPECT_GE(s.networks.size(), 8u);
    EXPECT_EQ(s.stations.size(), 2u);
    for (const ScenarioAdapter& a : s.adapters) {
        EXPECT_NE(a.hardware_id.find("F1A0"), std::string::npos) << a.description;
    }
}

TEST(ScenarioTest, DefaultScenarioJoinsItsOpenNetwork) {
    Scenario s;
    std::string error;
    ASSERT_EQ(LoadStartupScenario("", &s, &error), 0) << error;
    VirtualClock clock;
    SimulatedAdapterLibrary lib(s, &clock);
    AdapterContext ctx;
    ctx.device_name = s.adapters[0].device_name;
    ASSERT_NE(lib.QxOpenAdapter(&ctx), 0);
    std::string ssid = "Harbor-Lounge";
    ASSERT_EQ(lib.SetWL_SSID(&ctx, std::vector<uint8_t>(ssid.begin(), ssid.end())), 0);
    clock.Advance(s.join_delay_ms);
    EXPECT_EQ(lib.QueryWL_ConnectState(&ctx), 0);
}

TEST(ScenarioTest, BadScenariosGiveOneErrorWithFileAndPath) {
    const std::string adapter = R"({"device_name": "d", "description": "x", "driver_key": "0007",
        "hardware_id": "USB\\VID_F1A0&PID_0001", "mac": "02:00:00:00:00:07"})";
    struct Row {
        const char* name;
        std::string text;
        const char* error;
    };
    const Row rows[] = {
        {"not JSON", "{\"adapters\": [", "bad.json: $ (byte"},
        {"top level not an object", "[]", "bad.json: $: expected an object"},
        {"unknown key", R"({"adapter": []})", "bad.json: $.adapter: unknown key"},
        {"missing field", R"({"adapters": [{"device_name": "d"}]})",
         "$.adapters[0].description: missing"},
        {"flag not true or false",
         R"({"adapters": [)" + adapter.substr(0, adapter.size() - 1) + R"(, "plugged": 1}]})",
         "$.adapters[0].plugged: expected true or false"},
        {"channel out of range",
         R"({"networks": [{"ssid": "a", "bssid": "02:00:00:00:00:01", "channel": 0}]})",
         "$.networks[0].channel: 0 is outside 1 to 196"},
        {"SSID too long",
         R"({"networks": [{"ssid": "123456789012345678901234567890123", "bssid": "02:00:00:00:00:01", "channel": 1}]})",
         "$.networks[0].ssid: longer than 32 bytes"},
        {"bad security kind",
         R"({"networks": [{"ssid": "a", "bssid": "02:00:00:00:00:01", "channel": 1, "security": {"kind": "wpa3"}}]})",
         "$.networks[0].security.kind: \"wpa3\" is not one of open, wep, wpa, wpa2, wpa-wpa2"},
        {"WEP key of a wrong size",
         R"({"networks": [{"ssid": "a", "bssid": "02:00:00:00:00:01", "channel": 1, "security": {"kind": "wep", "wep_key": "0102"}}]})",
         "$.networks[0].security.wep_key: a WEP key has 5, 13 or 29 bytes"},
        {"short pass-phrase",
         R"({"networks": [{"ssid": "a", "bssid": "02:00:00:00:00:01", "channel": 1, "security": {"kind": "wpa2", "passphrase": "short"}}]})",
         "$.networks[0].security.passphrase: a pass-phrase has 8 to 63"},
        {"enterprise without credentials",
         R"({"networks": [{"ssid": "a", "bssid": "02:00:00:00:00:01", "channel": 1, "security": {"kind": "wpa2", "key_management": "eap"}}]})",
         "$.networks[0].security.eap: missing"},
        {"duplicate BSSID",
         R"({"networks": [{"ssid": "a", "bssid": "02:00:00:00:00:01", "channel": 1}, {"ssid": "b", "bssid": "02:00:00:00:00:01", "channel": 2}]})",
         "$.networks[1].bssid: another network has this BSSID"},
        {"MAC address malformed",
         R"({"networks": [{"ssid": "a", "bssid": "02:00:00:00:01", "channel": 1}]})",
         "$.networks[0].bssid: expected a MAC address"},
        {"refusal of no such call",
         R"({"adapters": [)" + adapter.substr(0, adapter.size() - 1) +
             R"(, "refuse": ["SetWL_Nothing"]}]})",
         "$.adapters[0].refuse[0]: not a library call that can be refused"},
        {"event for an unknown adapter",
         R"({"events": [{"at_ms": 5, "action": "unplug", "adapter": "0099"}]})",
         "$.events[0].adapter: no adapter has this driver key"},
        {"station leaves before it joins",
         R"({"stations": [{"mac": "02:00:00:00:00:05", "join_after_ms": 10, "leave_after_ms": 5}]})",
         "$.stations[0].leave_after_ms: must come after join_after_ms"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scenario s;
        std::string error;
        EXPECT_EQ(ParseScenario(row.text, "bad.json", &s, &error), -1);
        EXPECT_NE(error.find(row.error), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << "one line";
    }
}

TEST(ScenarioTest, FilesAreReadByPath) {
    std::string dir = airvane::test::NewScratchDir("scenario");
    std::string path = airvane::test::WriteFile(dir + "/room.json", ScenarioWith(""));
    Scenario s;
    std::string error;
    ASSERT_EQ(LoadStartupScenario(path, &s, &error), 0) << error;
    EXPECT_EQ(s.adapters.at(0).driver_key, "0007");
    EXPECT_EQ(LoadStartupScenario(dir + "/missing.json", &s, &error), -1);
    EXPECT_EQ(error, dir + "/missing.json: cannot be read");
    airvane::test::WriteFile(dir + "/broken.json", "{\"seed\": \"x\"}");
    EXPECT_EQ(LoadScenarioFile(dir + "/broken.json", &s, &error), -1);
    EXPECT_EQ(error, dir + "/broken.json: $.seed: expected an integer");
}

}  // namespace
}  // namespace airvane::sim::test
