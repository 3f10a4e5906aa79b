#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "adapter/adapter_context.h"
#include "platform/fake/virtual_clock.h"
#include "sim/scenario.h"
#include "sim/simulated_adapter_library.h"

namespace airvane::sim::test {

// One adapter (driver key 0007, dual band, access point capable) with the networks and
// stations a test gives.
inline std::string ScenarioWith(const std::string& networks, const std::string& extra = "") {
    return R"({
      "seed": 5, "join_delay_ms": 1000, "rssi_drift_db": 0,
      "adapters": [{
        "device_name": "\\DEVICE\\{SIM-0007}", "description": "Test adapter",
        "driver_key": "0007", "hardware_id": "USB\\VID_F1A0&PID_7A21",
        "mac": "02:1A:7C:00:00:07", "driver_version": "1.2.163.5",
        "chip_kind": 4, "chip_sub_kind": 4, "dual_band": true, "access_point": true
      }],
      "networks": [)" +
           networks + "]" + extra + "}";
}

class SimFixture : public ::testing::Test {
protected:
    void Load(const std::string& json) {
        Scenario scenario;
        std::string error;
        ASSERT_EQ(ParseScenario(json, "test.json", &scenario, &error), 0) << error;
        lib_ = std::make_unique<SimulatedAdapterLibrary>(std::move(scenario), &clock_);
    }

    // Opens the adapter of driver key 0007 into ctx_.
    void Open() {
        ctx_ = AdapterContext{};
        ctx_.device_name = "\\DEVICE\\{SIM-0007}";
        ASSERT_NE(lib_->QxOpenAdapter(&ctx_), 0);
    }

    void SetSsid(const std::string& ssid) {
        std::vector<uint8_t> bytes(ssid.begin(), ssid.end());
        ASSERT_EQ(lib_->SetWL_SSID(&ctx_, bytes), 0);
    }

    bool Connected() { return lib_->QueryWL_ConnectState(&ctx_) == 0; }

    VirtualClock clock_{1000};
    std::unique_ptr<SimulatedAdapterLibrary> lib_;
    AdapterContext ctx_;
};

}  // namespace airvane::sim::test
