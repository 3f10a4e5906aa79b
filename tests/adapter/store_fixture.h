#pragma once
#include <gtest/gtest.h>

#include "adapter/process_state.h"
#include "adapter/settings_store.h"
#include "app/program_config.h"
#include "platform/fake/memory_machine_registry.h"
#include "platform/fake/memory_user_registry.h"
#include "platform/services.h"

namespace airvane::test {

// A memory store and machine registry installed as the platform's, adapter "0007"
// selected, the application key Software\Varnex\airvane.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramConfig();
        ResetAdapterState();
        ResetApplicationKey();
        PlatformServices services;
        services.user_registry = &registry_;
        services.machine_registry = &machine_;
        InstallServices(services);
        SetApplicationKey("Software\\Varnex\\airvane");
        AdapterState().context.adapter_key = "0007";
    }
    void TearDown() override {
        ResetServices();
        ResetApplicationKey();
        ResetAdapterState();
        ResetProgramConfig();
    }

    MemoryUserRegistry registry_;
    MemoryMachineRegistry machine_;
};

}  // namespace airvane::test
