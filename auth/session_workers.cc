#include "auth/session_workers.h"

// The workers arrive with the supplicant; until then each entry returns at once.

namespace airvane {

void DOT1X_TLS(const std::string&, uint8_t) {}
void WPA_TLS(const std::string&, uint8_t) {}
void WPA2_TLS(const std::string&, uint8_t) {}
void DOT1X_PEAP(const std::string&, const std::string&, uint8_t) {}
void WPA_PEAP(const std::string&, const std::string&, uint8_t) {}
void WPA2_PEAP(const std::string&, const std::string&, uint8_t) {}
void DOT1X_TTLS(const std::string&, const std::string&, const std::string&, uint8_t) {}
void WPA_TTLS(const std::string&, const std::string&, const std::string&, uint8_t) {}
void WPA2_TTLS(const std::string&, const std::string&, const std::string&, uint8_t) {}
void WPA_PSK(const std::string&, std::span<const uint8_t>, int32_t) {}
void WPA2_PSK(const std::string&, std::span<const uint8_t>, int32_t) {}

}  // namespace airvane
