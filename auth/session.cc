#include "auth/session.h"

#include <array>
#include <string_view>

#include "adapter/adapter_library.h"
#include "adapter/appliers.h"
#include "adapter/hex_text.h"
#include "adapter/process_state.h"
#include "adapter/settings_store.h"
#include "auth/session_workers.h"
#include "auth/supplicant_library.h"
#include "platform/services.h"
#include "platform/utf8.h"
#include "ui/posted_messages.h"

namespace airvane {
namespace {

constexpr size_t kMaxSsidChars = 32;
constexpr size_t kMinPassphraseBytes = 8;
constexpr size_t kMaxPassphraseBytes = 63;
constexpr size_t kRawKeyBytes = 32;
constexpr const char* kExportFailedMessage =
    "Can not Export Private Key!! Please make the private key of this certifacate "
    "EXPORTABLE!";

AdapterContext* Context() {
    return &AdapterState().context;
}

std::string Stored(const std::string& name) {
    return SettingsStore::GetString(AdapterState().operating_mode, name);
}

// The stored SSID in the system code page: at most 32 characters and 32 bytes.
std::string StoredSsidBytes() {
    std::string ssid = utf8::CutToChars(Stored("SSID"), kMaxSsidChars);
    CodePage* code_page = Services().code_page;
    return code_page != nullptr ? code_page->ToNarrow(ssid, kMaxSsidBytes)
                                : utf8::CutToBytes(ssid, kMaxSsidBytes);
}

// An 8-bit text that keeps the low 8 bits of every character, the form in which the
// supplicant takes user names, passwords and pass-phrases.
std::string LowBytesOf(std::string_view text) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        const uint8_t lead = static_cast<uint8_t>(text[i]);
        size_t length = lead < 0x80    ? 1
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC0 ? 2
                                       : 1;
        if (i + length > text.size()) {
            length = 1;
        }
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            code = code << 6 | (static_cast<uint8_t>(text[i + k]) & 0x3F);
        }
        out.push_back(static_cast<char>(code & 0xFF));
        i += length;
    }
    return out;
}

bool IsTls(SessionKind kind) {
    return kind == SessionKind::DOT1X_TLS || kind == SessionKind::WPA_TLS ||
           kind == SessionKind::WPA2_TLS;
}
bool IsTtls(SessionKind kind) {
    return kind == SessionKind::DOT1X_TTLS || kind == SessionKind::WPA_TTLS ||
           kind == SessionKind::WPA2_TTLS;
}
bool IsPsk(SessionKind kind) {
    return kind == SessionKind::WPA_PSK || kind == SessionKind::WPA2_PSK;
}

// The client certificate and key files of the EAP-TLS kinds. A certificate whose key
// cannot be exported is the one failure the user is told about; the message goes to
// the main thread and the session never waits for it.
bool PrepareClientCertificate(SupplicantLibrary* supplicant) {
    const std::string subject = Stored("Dot1xCertSubject");
    const std::string issuer = Stored("Dot1xCertIssuer");
    if (supplicant->genMyCertFile(subject, issuer) != 0) {
        PostMessageBox(PostedMessage{kExportFailedMessage, "", MessageButtons::kOk,
                                     MessageIcon::kExclamation});
        return false;
    }
    return supplicant->genMySSLFile() == 0;
}

bool PrepareCaCertificate(SupplicantLibrary* supplicant) {
    return supplicant->genROOTCertFile(Stored("Dot1xCertSubject"), Stored("Dot1xCertIssuer")) ==
               0 &&
           supplicant->genROOTSSLFile() == 0;
}

void PreparePreSharedKey(SessionPlan* plan) {
    const std::string passphrase = Stored("Dot1xPassphrase");
    if (SettingsStore::GetInt("Dot1xPassphraseFormat") == 1) {
        std::array<uint8_t, kRawKeyBytes> key{};
        HexTextToBytes(passphrase, key.data(), key.size());
        plan->secret.assign(key.begin(), key.end());
        plan->raw = true;
        return;
    }
    std::string bytes = LowBytesOf(passphrase);
    if (bytes.size() < kMinPassphraseBytes || bytes.size() > kMaxPassphraseBytes) {
        bytes = kFallbackPassphrase;
    }
    plan->secret.assign(bytes.begin(), bytes.end());
    plan->raw = false;
}

void RunWorker(const SessionPlan& plan) {
    const std::string& user = plan.user_name;
    const std::string& password = plan.password;
    const std::string& inner = plan.inner_method;
    const int32_t raw = plan.raw ? 1 : 0;
    switch (plan.kind) {
        case SessionKind::kNone:
            return;
        case SessionKind::DOT1X_TLS:
            return DOT1X_TLS(user, plan.validate);
        case SessionKind::WPA_TLS:
            return WPA_TLS(user, plan.validate);
        case SessionKind::WPA2_TLS:
            return WPA2_TLS(user, plan.validate);
        case SessionKind::DOT1X_PEAP:
            return DOT1X_PEAP(user, password, plan.validate);
        case SessionKind::WPA_PEAP:
            return WPA_PEAP(user, password, plan.validate);
        case SessionKind::WPA2_PEAP:
            return WPA2_PEAP(user, password, plan.validate);
        case SessionKind::DOT1X_TTLS:
            return DOT1X_TTLS(user, password, inner, plan.validate);
        case SessionKind::WPA_TTLS:
            return WPA_TTLS(user, password, inner, plan.validate);
        case SessionKind::WPA2_TTLS:
            return WPA2_TTLS(user, password, inner, plan.validate);
        case SessionKind::WPA_PSK:
            return WPA_PSK(plan.ssid, plan.secret, raw);
        case SessionKind::WPA2_PSK:
            return WPA2_PSK(plan.ssid, plan.secret, raw);
    }
}

void JoinSessionThread() {
    AuthSessionState& session = AuthSession();
    if (session.thread.joinable()) {
        session.thread.join();
    }
    session.thread = std::thread();
}

// The association settings as stored, applied again; the SSID last, so that the
// adapter looks for its network with everything else in place.
void ApplyStoredAssociation(const std::string& ssid) {
    AdapterContext* ctx = Context();
    ApplyAuthenticationMode(ctx, SettingsStore::GetInt("AuthenticationMode"));
    ApplyWEPStatus(ctx, SettingsStore::GetInt("WEPStatus"));
    ApplySSID(ctx,
              std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(ssid.data()), ssid.size()));
}

}  // namespace

AuthSessionState& AuthSession() {
    static AuthSessionState state;
    return state;
}

void ResetAuthSession() {
    AuthSessionState& session = AuthSession();
    session.running.store(false);
    JoinSessionThread();
    session.wzc_stopped_by_session = false;
}

SessionKind ChooseSessionKind(int32_t authentication_mode, int32_t dot1x_protocol) {
    static constexpr SessionKind kEapKinds[3][3] = {
        {SessionKind::DOT1X_TLS, SessionKind::DOT1X_PEAP, SessionKind::DOT1X_TTLS},
        {SessionKind::WPA_TLS, SessionKind::WPA_PEAP, SessionKind::WPA_TTLS},
        {SessionKind::WPA2_TLS, SessionKind::WPA2_PEAP, SessionKind::WPA2_TTLS},
    };
    int row = -1;
    switch (authentication_mode) {
        case ndis::kAuthWpaPsk:
        case ndis::kAuthWpaNone:
            return SessionKind::WPA_PSK;
        case ndis::kAuthWpa2Psk:
            return SessionKind::WPA2_PSK;
        case ndis::kAuthOpen:
        case ndis::kAuthAutoSwitch:
            row = 0;
            break;
        case ndis::kAuthWpa:
            row = 1;
            break;
        case ndis::kAuthWpa2:
            row = 2;
            break;
        default:
            return SessionKind::kNone;
    }
    if (dot1x_protocol < 0 || dot1x_protocol > 2) {
        return SessionKind::kNone;
    }
    return kEapKinds[row][dot1x_protocol];
}

std::string CertificateFolder() {
    PrivateFolders* folders = Services().private_folders;
    return folders != nullptr ? folders->Get("certificates") : "";
}

SessionPlan PrepareSession() {
    SessionPlan plan;
    plan.ssid = StoredSsidBytes();
    plan.validate =
        static_cast<uint8_t>(SettingsStore::GetInt("Dot1xValidateServerCertificate") & 0xFF);
    const int32_t mode = SettingsStore::GetInt("AuthenticationMode");
    const bool eap_mode = mode == ndis::kAuthOpen || mode == ndis::kAuthAutoSwitch ||
                          mode == ndis::kAuthWpa || mode == ndis::kAuthWpa2;
    const SessionKind kind =
        ChooseSessionKind(mode, eap_mode ? SettingsStore::GetInt("Dot1xProtocol") : -1);
    if (kind == SessionKind::kNone) {
        return plan;
    }
    if (IsPsk(kind)) {
        PreparePreSharedKey(&plan);
        plan.kind = kind;
        return plan;
    }
    SupplicantLibrary* supplicant = InstalledSupplicantLibrary();
    if (supplicant == nullptr) {
        return plan;
    }
    if (IsTls(kind) ? !PrepareClientCertificate(supplicant) : !PrepareCaCertificate(supplicant)) {
        return plan;
    }
    plan.user_name = LowBytesOf(Stored("Dot1xUsername"));
    if (!IsTls(kind)) {
        plan.password = LowBytesOf(Stored("Dot1xPassword"));
    }
    if (IsTtls(kind)) {
        plan.inner_method = LowBytesOf(Stored("Dot1xPhase2Auth"));
    }
    plan.kind = kind;
    return plan;
}

void StartAuthSession() {
    AuthSessionState& session = AuthSession();
    // Stops a running session; a session that ended on its own left its finished
    // thread behind, which is joined the same way.
    session.running.store(false);
    JoinSessionThread();
    session.running.store(true);
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library != nullptr && library->QueryWL_CheckWZCStatus(Context()) != 2) {
        session.wzc_stopped_by_session = true;
        library->QXStopWZCService();
    }
    session.thread = std::thread(RunAuthSession);
}

void StopAuthSession() {
    AuthSessionState& session = AuthSession();
    if (!session.running.exchange(false)) {
        return;
    }
    JoinSessionThread();
    if (session.wzc_stopped_by_session) {
        session.wzc_stopped_by_session = false;
        if (AdapterLibrary* library = InstalledAdapterLibrary(); library != nullptr) {
            library->QXStartWZCService();
        }
    }
}

void RunAuthSession() {
    AdapterLibrary* library = InstalledAdapterLibrary();
    if (library != nullptr && library->QueryWL_ConnectState(Context()) != 0) {
        ForceReassociation();
    }
    // The certificate files live in the user's private folder, named to the supplicant;
    // the process's current directory is shared by every thread and stays as it is.
    if (SupplicantLibrary* supplicant = InstalledSupplicantLibrary(); supplicant != nullptr) {
        supplicant->SetCertificateFolder(CertificateFolder());
    }
    RunWorker(PrepareSession());
}

void ForceReassociation() {
    const std::string ssid = StoredSsidBytes();
    if (AdapterLibrary* library = InstalledAdapterLibrary(); library != nullptr) {
        Random* random = Services().random;
        Clock* clock = Services().clock;
        std::array<uint8_t, kMaxSsidBytes> bytes{};
        if (random != nullptr) {
            random->Seed(static_cast<uint32_t>((clock != nullptr ? clock->NowMs() : 0) / 1000));
            for (uint8_t& b : bytes) {
                b = static_cast<uint8_t>(random->Draw() & 0xFF);
            }
        }
        // An SSID nobody serves makes the adapter drop its association.
        library->SetWL_SSID(Context(), bytes);
    }
    ApplyStoredAssociation(ssid);
}

void ReapplyAssociation() {
    ApplyStoredAssociation(StoredSsidBytes());
}

}  // namespace airvane
