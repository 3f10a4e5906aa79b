#pragma once
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "adapter/process_state.h"
#include "adapter/settings_store.h"
#include "auth/session.h"
#include "auth/supplicant_library.h"
#include "platform/linux/home_private_folders.h"
#include "platform/linux/linux_random.h"
#include "platform/linux/utf8_code_page.h"
#include "sim/simulated_adapter_library.h"
#include "tests/adapter/store_fixture.h"
#include "tests/sim/sim_fixture.h"
#include "ui/posted_messages.h"

namespace airvane::test {

// The simulator, counting the calls that the session's service rules are about and
// keeping every SSID the adapter was given.
class CountingLibrary : public sim::SimulatedAdapterLibrary {
public:
    using SimulatedAdapterLibrary::SimulatedAdapterLibrary;
    int32_t QXStopWZCService() override {
        ++stops;
        return SimulatedAdapterLibrary::QXStopWZCService();
    }
    int32_t QXStartWZCService() override {
        ++starts;
        return SimulatedAdapterLibrary::QXStartWZCService();
    }
    int32_t SetWL_SSID(AdapterContext* ctx, std::span<const uint8_t> ssid) override {
        {
            std::lock_guard<std::mutex> lock(ssids_mutex);
            ssids.emplace_back(ssid.begin(), ssid.end());
        }
        return SimulatedAdapterLibrary::SetWL_SSID(ctx, ssid);
    }
    std::atomic<int> stops{0};
    std::atomic<int> starts{0};
    std::mutex ssids_mutex;
    std::vector<std::string> ssids;
};

// A supplicant that only answers the certificate calls, each of which can be made to
// fail, and remembers the folder it was given.
class CertificateSupplicant : public SupplicantLibrary {
public:
    void SetCertificateFolder(const std::string& folder) override {
        std::lock_guard<std::mutex> lock(mutex);
        this->folder = folder;
    }
    int32_t getMyCertList(CertificateList*) override { return 0; }
    int32_t getMyCertSubjectAltName(const std::string&, const std::string&, std::string*) override {
        return 0;
    }
    int32_t genMyCertFile(const std::string& subject, const std::string& issuer) override {
        Note("genMyCertFile " + subject + " / " + issuer);
        return fail_my_cert;
    }
    int32_t genMySSLFile() override {
        Note("genMySSLFile");
        return fail_my_ssl;
    }
    int32_t genROOTCertFile(const std::string& subject, const std::string& issuer) override {
        Note("genROOTCertFile " + subject + " / " + issuer);
        return fail_root_cert;
    }
    int32_t genROOTSSLFile() override {
        Note("genROOTSSLFile");
        return fail_root_ssl;
    }
    int32_t do_eapol_init(AdapterContext*, int32_t, const MacAddress&, const MacAddress&,
                          const EapConfigBlock*) override {
        return 0;
    }
    int32_t do_eapol_run() override { return 0; }
    int32_t do_eapol_halt() override { return 0; }
    int32_t Get_EAP_Derived_Key(std::span<uint8_t, 128>) override { return 0; }
    int32_t Get_PSK_Key_32byte(const std::string&, std::span<const uint8_t>, int32_t,
                               std::span<uint8_t>) override {
        return 0;
    }
    int32_t Get_PMKID(std::span<const uint8_t, 32>, const MacAddress&, const MacAddress&,
                      std::span<uint8_t, 16>) override {
        return 0;
    }
    int32_t do_key_negotiation_init(AdapterContext*, KeyNegotiationContext*) override { return 0; }
    int32_t do_eapol_start(const MacAddress&, const MacAddress&) override { return 0; }
    int32_t do_key_negotiation_run(KeyNegotiationContext*) override { return 0; }
    int32_t Shutdown_Dot1x_Module() override { return 0; }

    std::vector<std::string> Calls() {
        std::lock_guard<std::mutex> lock(mutex);
        return calls;
    }
    std::string Folder() {
        std::lock_guard<std::mutex> lock(mutex);
        return folder;
    }

    int32_t fail_my_cert = 0;
    int32_t fail_my_ssl = 0;
    int32_t fail_root_cert = 0;
    int32_t fail_root_ssl = 0;

private:
    void Note(const std::string& call) {
        std::lock_guard<std::mutex> lock(mutex);
        calls.push_back(call);
    }
    std::mutex mutex;
    std::vector<std::string> calls;
    std::string folder;
};

// Store, simulator (one open adapter, networks as given), the certificate supplicant,
// a virtual clock, the Linux random generator, code page and private folders (below the
// test's own AIRVANE_HOME).
class SessionTest : public StoreTest {
protected:
    void Load(const std::string& networks, const std::string& extra = "") {
        sim::Scenario scenario;
        std::string error;
        ASSERT_EQ(sim::ParseScenario(sim::test::ScenarioWith(networks, extra), "test.json",
                                     &scenario, &error),
                  0)
            << error;
        lib_ = std::make_unique<CountingLibrary>(std::move(scenario), &clock_);
        InstallAdapterLibrary(lib_.get());
        ctx_ = &AdapterState().context;
        ctx_->device_name = "\\DEVICE\\{SIM-0007}";
        ASSERT_NE(lib_->QxOpenAdapter(ctx_), 0);
    }
    void SetUp() override {
        StoreTest::SetUp();
        PlatformServices services = Services();
        services.clock = &clock_;
        services.random = &random_;
        services.code_page = &code_page_;
        services.private_folders = &folders_;
        InstallServices(services);
        InstallSupplicantLibrary(&supplicant_);
        ResetPostedMessages();
        Load("");
    }
    void TearDown() override {
        ResetAuthSession();
        ResetSupplicantLibrary();
        ResetAdapterLibrary();
        ResetPostedMessages();
        StoreTest::TearDown();
    }
    static void Store(const std::string& name, const std::string& text) {
        SettingsStore::PutString(kStationMode, name, text);
    }

    VirtualClock clock_{5000};
    LinuxRandom random_;
    Utf8CodePage code_page_;
    HomePrivateFolders folders_;
    CertificateSupplicant supplicant_;
    std::unique_ptr<CountingLibrary> lib_;
    AdapterContext* ctx_ = nullptr;
};

}  // namespace airvane::test
