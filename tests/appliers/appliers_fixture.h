#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "adapter/adapter_library.h"
#include "adapter/process_state.h"
#include "adapter/settings_store.h"
#include "tests/adapter/store_fixture.h"
#include "tests/sim/sim_fixture.h"

namespace airvane::test {

// A memory store (adapter "0007" selected) and the simulator installed as the adapter
// library, with its one adapter open in the process's context.
class AppliersTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sim::Scenario scenario;
        std::string error;
        ASSERT_EQ(sim::ParseScenario(sim::test::ScenarioWith(""), "test.json", &scenario, &error),
                  0)
            << error;
        lib_ = std::make_unique<sim::SimulatedAdapterLibrary>(std::move(scenario), &clock_);
        InstallAdapterLibrary(lib_.get());
        ctx_ = &AdapterState().context;
        ctx_->device_name = "\\DEVICE\\{SIM-0007}";
        ASSERT_NE(lib_->QxOpenAdapter(ctx_), 0);
    }
    void TearDown() override {
        ResetAdapterLibrary();
        StoreTest::TearDown();
    }

    void Refuse(const char* call) { ASSERT_EQ(lib_->SetRefused("0007", call, true), 0) << call; }
    static std::string Stored(int mode, const std::string& name) {
        return SettingsStore::GetString(mode, name);
    }

    // Empties a value in both branches (an empty text reads as absent).
    static void Clear(const std::string& name) {
        SettingsStore::PutString(kStationMode, name, "");
        SettingsStore::PutString(kAccessPointMode, name, "");
    }

    VirtualClock clock_{1000};
    std::unique_ptr<sim::SimulatedAdapterLibrary> lib_;
    AdapterContext* ctx_ = nullptr;
};

}  // namespace airvane::test
