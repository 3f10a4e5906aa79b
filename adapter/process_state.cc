#include "adapter/process_state.h"

namespace airvane {

namespace {
AdapterProcessState g_state;
}

AdapterProcessState& AdapterState() {
    return g_state;
}

void ResetAdapterState() {
    g_state = AdapterProcessState{};
}

}  // namespace airvane
