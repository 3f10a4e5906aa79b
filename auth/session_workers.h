#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace airvane {

// The workers of the authentication session, one entry per kind. Each runs on the
// session thread and returns when SessionRunning is cleared. Texts are 8-bit.
void DOT1X_TLS(const std::string& user_name, uint8_t validate);
void WPA_TLS(const std::string& user_name, uint8_t validate);
void WPA2_TLS(const std::string& user_name, uint8_t validate);
void DOT1X_PEAP(const std::string& user_name, const std::string& password, uint8_t validate);
void WPA_PEAP(const std::string& user_name, const std::string& password, uint8_t validate);
void WPA2_PEAP(const std::string& user_name, const std::string& password, uint8_t validate);
void DOT1X_TTLS(const std::string& user_name, const std::string& password,
                const std::string& inner_method, uint8_t validate);
void WPA_TTLS(const std::string& user_name, const std::string& password,
              const std::string& inner_method, uint8_t validate);
void WPA2_TTLS(const std::string& user_name, const std::string& password,
               const std::string& inner_method, uint8_t validate);
// secret: the pass-phrase bytes, or the 32-byte key when raw is 1.
void WPA_PSK(const std::string& ssid, std::span<const uint8_t> secret, int32_t raw);
void WPA2_PSK(const std::string& ssid, std::span<const uint8_t> secret, int32_t raw);

}  // namespace airvane
