#include "auth/supplicant_library.h"

#include <atomic>

namespace airvane {
namespace {
std::atomic<SupplicantLibrary*> installed{nullptr};
}  // namespace

SupplicantLibrary* InstalledSupplicantLibrary() {
    return installed.load();
}

void InstallSupplicantLibrary(SupplicantLibrary* library) {
    installed.store(library);
}

void ResetSupplicantLibrary() {
    installed.store(nullptr);
}

}  // namespace airvane
