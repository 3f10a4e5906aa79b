#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "adapter/adapter_context.h"
#include "adapter/adapter_library.h"
#include "auth/session_records.h"

namespace airvane {

// The supplicant library: EAP-TLS, PEAP and TTLS, the IEEE 802.11i pass-phrase mapping,
// the PMKID, the key handshakes and the certificate files. One session thread drives it
// at a time; the main thread uses only the certificate calls, while no session runs.
// Wide texts are UTF-8 here; 8-bit texts are byte strings.
//
// Certificate files ("caroot.pem", "Varnex.pem", "Varnex_key.pem", ".rand") are written
// into, and their names in the EAP configuration block are resolved against, the
// folder named with SetCertificateFolder: a private folder of the user, never the
// program's folder and never through the process's current directory.
class SupplicantLibrary {
public:
    virtual ~SupplicantLibrary() = default;

    virtual void SetCertificateFolder(const std::string& folder) = 0;

    // Certificates.
    // Fills list (zeroed first by the caller) and returns the number of entries.
    virtual int32_t getMyCertList(CertificateList* list) = 0;
    // The certificate's alternative subject name, at most 100 characters.
    virtual int32_t getMyCertSubjectAltName(const std::string& subject, const std::string& issuer,
                                            std::string* out) = 0;
    // 0 on success.
    virtual int32_t genMyCertFile(const std::string& subject, const std::string& issuer) = 0;
    virtual int32_t genMySSLFile() = 0;
    virtual int32_t genROOTCertFile(const std::string& subject, const std::string& issuer) = 0;
    virtual int32_t genROOTSSLFile() = 0;

    // EAP.
    virtual int32_t do_eapol_init(AdapterContext* ctx, int32_t reserved, const MacAddress& own_mac,
                                  const MacAddress& bssid, const EapConfigBlock* block) = 0;
    // One step; non-zero once authenticated. Paces itself (waits a bounded time for a
    // frame), so callers run it back to back.
    virtual int32_t do_eapol_run() = 0;
    virtual int32_t do_eapol_halt() = 0;
    // The keying material of the last success; bytes 0..31 are the PMK.
    virtual int32_t Get_EAP_Derived_Key(std::span<uint8_t, 128> out) = 0;

    // Keys.
    virtual int32_t Get_PSK_Key_32byte(const std::string& passphrase, std::span<const uint8_t> ssid,
                                       int32_t iterations, std::span<uint8_t> out) = 0;
    virtual int32_t Get_PMKID(std::span<const uint8_t, 32> pmk, const MacAddress& bssid,
                              const MacAddress& own_mac, std::span<uint8_t, 16> out) = 0;
    virtual int32_t do_key_negotiation_init(AdapterContext* ctx,
                                            KeyNegotiationContext* context) = 0;
    virtual int32_t do_eapol_start(const MacAddress& bssid, const MacAddress& own_mac) = 0;
    // One step of the 4-way and group handshakes; paces itself like do_eapol_run.
    virtual int32_t do_key_negotiation_run(KeyNegotiationContext* context) = 0;
    virtual int32_t Shutdown_Dot1x_Module() = 0;
};

// The process-wide record naming the installed supplicant; nothing is installed at
// start and the record never owns the library.
SupplicantLibrary* InstalledSupplicantLibrary();
void InstallSupplicantLibrary(SupplicantLibrary* library);
void ResetSupplicantLibrary();

}  // namespace airvane
