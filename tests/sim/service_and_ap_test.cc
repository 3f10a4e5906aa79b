// The operating system's wireless service, the software access point with its stations
// and MAC filter, and calls from two threads at once.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "adapter/layouts.h"
#include "tests/sim/sim_fixture.h"

namespace airvane::sim::test {
namespace {

const char* kOpen = R"({"ssid": "Net", "bssid": "02:00:00:00:00:01", "channel": 1, "rssi": -50})";
const char* kStations = R"(, "stations": [
    {"name": "one", "mac": "02:6B:00:00:00:01", "join_after_ms": 1000},
    {"name": "two", "mac": "02:6B:00:00:00:02", "join_after_ms": 3000, "leave_after_ms": 8000},
    {"name": "three", "mac": "02:6B:00:00:00:03", "join_after_ms": 5000}])";

class ServiceTest : public SimFixture {};

TEST_F(ServiceTest, StatusFollowsTheServiceAndTheScenario) {
    struct Row {
        const char* name;
        const char* service;
        const char* event;
        bool start, stop;
        int32_t before_event, after_event;
    };
    const Row rows[] = {
        {"stopped", R"({"running": false})", "", false, false, 0, 0},
        {"running", R"({"running": true})", "", false, false, 1, 1},
        {"started by the program", R"({"running": false})", "", true, false, 1, 1},
        {"stopped by the program", R"({"running": true})", "", false, true, 0, 0},
        {"running, but leaves the adapter alone",
         R"({"running": true, "controls_adapters": false})", "", false, false, 0, 0},
        {"the third answer", R"({"running": true, "status_answer": 2})", "", false, false, 2, 2},
        {"takes over later", R"({"running": false})", "service_takes_over", false, false, 0, 1},
        {"stops later", R"({"running": true})", "service_stops", false, false, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string extra = std::string(", \"wireless_service\": ") + row.service;
        if (*row.event != '\0') {
            extra +=
                std::string(", \"events\": [{\"at_ms\": 5000, \"action\": \"") + row.event + "\"}]";
        }
        clock_.Set(1000);
        Load(ScenarioWith(kOpen, extra));
        Open();
        if (row.start) {
            EXPECT_EQ(lib_->QXStartWZCService(), 0);
        }
        if (row.stop) {
            EXPECT_EQ(lib_->QXStopWZCService(), 0);
        }
        EXPECT_EQ(lib_->QueryWL_CheckWZCStatus(&ctx_), row.before_event);
        clock_.Advance(5000);
        EXPECT_EQ(lib_->QueryWL_CheckWZCStatus(&ctx_), row.after_event);
    }
}

class AccessPointTest : public SimFixture {
protected:
    std::vector<uint8_t> Listed() {
        std::vector<uint8_t> buffer(kMacListSize);
        EXPECT_EQ(lib_->WL_RetrieveStationList(&ctx_, buffer), 0);
        std::vector<uint8_t> slots;
        for (size_t i = 0; i < kMacListEntries; ++i) {
            if (buffer[i * 7] != 0) {
                EXPECT_EQ(buffer[i * 7 + 6], i + 1) << "slot " << i;
                slots.push_back(static_cast<uint8_t>(i));
            }
        }
        return slots;
    }
};

TEST_F(AccessPointTest, StationsAssociateAndLeave) {
    Load(ScenarioWith(kOpen, kStations));
    Open();
    std::vector<uint8_t> buffer(kMacListSize);
    EXPECT_EQ(lib_->WL_RetrieveStationList(&ctx_, buffer), -1) << "station mode";
    ASSERT_EQ(lib_->SetWL_OperationMode_STA_AP(&ctx_, 1), 0);
    EXPECT_EQ(lib_->QueryWL_OperationMode_STA_AP(&ctx_), 1);
    SetSsid("WLAN_AP");
    EXPECT_TRUE(Listed().empty());
    clock_.Advance(1000);
    EXPECT_EQ(Listed(), std::vector<uint8_t>({0}));
    clock_.Advance(4000);
    EXPECT_EQ(Listed(), std::vector<uint8_t>({0, 1, 2}));
    uint32_t tx1 = 0, rx1 = 0, tx2 = 0, rx2 = 0;
    lib_->GetTxRxFrameCount(&ctx_, &tx1, &rx1);
    clock_.Advance(4000);
    EXPECT_EQ(Listed(), std::vector<uint8_t>({0, 2})) << "two left at 8 s";
    lib_->GetTxRxFrameCount(&ctx_, &tx2, &rx2);
    EXPECT_GT(rx2, rx1);
    uint8_t ssid[32];
    EXPECT_EQ(lib_->QueryWL_SSID(&ctx_, ssid), 7);
    ASSERT_EQ(lib_->SetWL_OperationMode_STA_AP(&ctx_, 0), 0);
    EXPECT_EQ(lib_->WL_RetrieveStationList(&ctx_, buffer), -1);
}

TEST_F(AccessPointTest, FilterDecidesWhoIsListed) {
    struct Row {
        const char* name;
        int32_t mode;
        std::vector<uint8_t> slots;
    };
    const Row rows[] = {
        {"filter off", 0, {0, 1, 2}},
        {"only the listed", 1, {1}},
        {"all but the listed", 2, {0, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clock_.Set(1000);
        Load(ScenarioWith(kOpen, kStations));
        Open();
        ASSERT_EQ(lib_->SetWL_OperationMode_STA_AP(&ctx_, 1), 0);
        SetSsid("WLAN_AP");
        MacList list{};
        list[4] = {true, {0x02, 0x6B, 0, 0, 0, 0x02}};
        std::vector<uint8_t> bytes(kMacListSize);
        WriteMacList(list, bytes);
        ASSERT_EQ(lib_->SetWLAP_FilterList(&ctx_, bytes), 0);
        ASSERT_EQ(lib_->SetWLAP_FilterMode(&ctx_, row.mode), 0);
        clock_.Advance(6000);
        EXPECT_EQ(Listed(), row.slots);
    }
    std::vector<uint8_t> wrong_size(111);
    EXPECT_EQ(lib_->SetWLAP_FilterList(&ctx_, wrong_size), -1);
    EXPECT_EQ(lib_->SetWLAP_FilterMode(&ctx_, 3), -1);
}

TEST_F(AccessPointTest, AdapterWithoutTheSwitchStaysAStation) {
    std::string json = ScenarioWith(kOpen);
    json.replace(json.find("\"access_point\": true"), 20, "\"access_point\": false");
    Load(json);
    Open();
    EXPECT_EQ(lib_->QueryWL_OperationMode_STA_AP(&ctx_), -1);
    EXPECT_EQ(lib_->SetWL_OperationMode_STA_AP(&ctx_, 1), -1);
}

// The main thread polls while the session thread reassociates and writes keys; under
// the sanitizers this finds races and lock mistakes.
TEST_F(ServiceTest, TwoThreadsCallAtOnce) {
    Load(ScenarioWith(R"({"ssid": "Net", "bssid": "02:00:00:00:00:01", "channel": 1, "rssi": -50,
       "security": {"kind": "wpa2", "ciphers": ["ccmp"], "passphrase": "two-threads"}})",
                      kStations));
    Open();
    lib_->SetWL_AuthenticationMode(&ctx_, 7);
    lib_->SetWL_WEPStatus(&ctx_, 6);
    std::atomic<bool> stop{false};
    std::thread session([&] {
        AdapterContext ctx = ctx_;
        std::vector<uint8_t> junk(32, 0x5A), ssid = {'N', 'e', 't'};
        KeyRecord key{0xC0000000u, {0x02, 0, 0, 0, 0, 1}, 0, std::vector<uint8_t>(16, 1)};
        for (int i = 0; i < 3000 && !stop; ++i) {
            lib_->SetWL_SSID(&ctx, (i % 3 == 0) ? junk : ssid);
            lib_->WriteOid(&ctx, kOidAddKey, BuildKeyRecord(key));
            std::vector<uint8_t> info(1000);
            lib_->ReadOid(&ctx, kOidAssociationInformation, info);
            EapolFrame f;
            lib_->ReceiveEapolFrame(&ctx, &f);
            clock_.Sleep(100);
        }
    });
    for (int i = 0; i < 3000; ++i) {
        uint32_t tx, rx;
        MacAddress bssid;
        lib_->QueryWL_ConnectState(&ctx_);
        lib_->QueryWL_RSSI(&ctx_);
        lib_->QueryWL_BSSID(&ctx_, &bssid);
        lib_->GetTxRxFrameCount(&ctx_, &tx, &rx);
        std::vector<uint8_t> buffer(12004);
        lib_->WL_SiteSurveyStart(&ctx_);
        lib_->WL_RetrieveSiteSurveyData(&ctx_, buffer);
        lib_->QueryWL_CheckWZCStatus(&ctx_);
        if (i == 1500) {
            lib_->Unplug("0007");
            lib_->Replug("0007");
            AdapterContext fresh = ctx_;
            lib_->QxOpenAdapter(&fresh);
        }
        clock_.Advance(50);
    }
    stop = true;
    session.join();
}

}  // namespace
}  // namespace airvane::sim::test
