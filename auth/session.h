#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace airvane {

// The eleven kinds of authentication session worker; kNone runs nothing.
enum class SessionKind {
    kNone,
    DOT1X_TLS,
    DOT1X_PEAP,
    DOT1X_TTLS,
    WPA_TLS,
    WPA_PEAP,
    WPA_TTLS,
    WPA2_TLS,
    WPA2_PEAP,
    WPA2_TTLS,
    WPA_PSK,
    WPA2_PSK,
};

// The process-wide session state. At most one session thread exists; running is the
// only signal between it and the main thread and is read at every step of the worker.
struct AuthSessionState {
    std::atomic<bool> running{false};
    std::thread thread;
    bool wzc_stopped_by_session = false;
};
AuthSessionState& AuthSession();
// Stops and joins a session left by a test, then clears the state.
void ResetAuthSession();

inline bool SessionRunning() {
    return AuthSession().running.load();
}

// The worker kind of a stored authentication mode and EAP protocol (0 TLS, 1 PEAP,
// 2 TTLS; not read for the pre-shared-key modes).
SessionKind ChooseSessionKind(int32_t authentication_mode, int32_t dot1x_protocol);

// What the session thread hands to its worker, prepared from the stored settings.
struct SessionPlan {
    SessionKind kind = SessionKind::kNone;
    // EAP kinds: 8-bit texts keeping the low 8 bits of each character.
    std::string user_name;
    std::string password;
    std::string inner_method;
    uint8_t validate = 0;
    // Pre-shared-key kinds: the SSID in the system code page (at most 32 bytes), the
    // pass-phrase bytes or, when raw, the 32-byte key.
    std::string ssid;
    std::vector<uint8_t> secret;
    bool raw = false;
};

// The pass-phrase that replaces an ASCII one shorter than 8 or longer than 63 bytes.
inline constexpr const char* kFallbackPassphrase = "90719071";

// The private folder of the certificate files, $AIRVANE_HOME/certificates (the store's
// folder rule), created with mode 0700 on first use; "" when it cannot be made.
std::string CertificateFolder();

// Reads the stored settings, prepares the certificate files through the supplicant and
// returns the plan; kNone when nothing can run (the certificate export failure posts
// its message to the main thread first).
SessionPlan PrepareSession();

// Stops any session, stops the system's wireless service unless the adapter library
// reports its third state, and starts a new session thread. Main thread.
void StartAuthSession();
// Ends the session and waits for its thread; starts the wireless service again when a
// session stopped it. Nothing happens when no session runs. Main thread.
void StopAuthSession();
// The session thread's procedure.
void RunAuthSession();
// Makes the adapter drop its association, then re-applies the stored association
// settings.
void ForceReassociation();
// Re-applies the stored association settings without dropping the association.
void ReapplyAssociation();

}  // namespace airvane
