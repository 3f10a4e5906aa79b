#pragma once
#include <cstdint>

#include "adapter/adapter_context.h"

namespace airvane {

// Values of OperatingMode.
inline constexpr int kStationMode = 0;
inline constexpr int kAccessPointMode = 1;

// The process-wide adapter state shared by the adapter code, the settings store, the
// session and the main page. The main page sets device_kind; the appliers read it.
struct AdapterProcessState {
    AdapterContext context;
    int operating_mode = kStationMode;
    int current_network_type = 0;
    int band_mode = 0;
    bool band_set_ok = false;
    int device_kind = 0;
    bool was_disconnected = false;
};

AdapterProcessState& AdapterState();
void ResetAdapterState();

}  // namespace airvane
