#include "adapter/adapter_library.h"

#include <atomic>

namespace airvane {

namespace {
// Read by the session thread while the main thread may install; hence atomic.
std::atomic<AdapterLibrary*> g_library{nullptr};
}  // namespace

AdapterLibrary* InstalledAdapterLibrary() {
    return g_library.load();
}

void InstallAdapterLibrary(AdapterLibrary* library) {
    g_library.store(library);
}

void ResetAdapterLibrary() {
    g_library.store(nullptr);
}

}  // namespace airvane
