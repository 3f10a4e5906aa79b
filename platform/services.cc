#include "platform/services.h"

namespace airvane {

namespace {
PlatformServices g_services;
}

PlatformServices& Services() {
    return g_services;
}

void InstallServices(const PlatformServices& services) {
    g_services = services;
}

void ResetServices() {
    g_services = PlatformServices{};
}

}  // namespace airvane
