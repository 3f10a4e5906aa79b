// Starting and stopping the session thread, the wireless service rules around it, and
// the two ways the session makes the adapter associate afresh.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "adapter/appliers.h"
#include "tests/session/session_fixture.h"

namespace airvane::test {
namespace {

const char kOpenNetwork[] =
    R"({"ssid": "Open-A", "bssid": "02:00:00:00:00:01", "channel": 1, "rssi": -50})";

using SessionLifecycleTest = SessionTest;

TEST_F(SessionLifecycleTest, SecondStartReplacesTheFirstAndTheServiceReturnsOnlyAtStop) {
    Store("AuthenticationMode", "7");
    StartAuthSession();
    EXPECT_TRUE(SessionRunning());
    StartAuthSession();
    EXPECT_TRUE(SessionRunning());
    EXPECT_TRUE(AuthSession().thread.joinable());
    EXPECT_EQ(lib_->stops, 2);  // stopped at both starts
    EXPECT_EQ(lib_->starts, 0);

    StopAuthSession();
    EXPECT_FALSE(SessionRunning());
    EXPECT_FALSE(AuthSession().thread.joinable());
    EXPECT_EQ(lib_->starts, 1);
    EXPECT_FALSE(AuthSession().wzc_stopped_by_session);

    StopAuthSession();  // nothing runs: nothing happens
    EXPECT_EQ(lib_->starts, 1);
}

TEST_F(SessionLifecycleTest, StopWithoutSessionDoesNothing) {
    StopAuthSession();
    EXPECT_EQ(lib_->starts, 0);
    EXPECT_EQ(lib_->stops, 0);
}

TEST_F(SessionLifecycleTest, ServiceInItsThirdStateIsLeftAlone) {
    Load("", R"(, "wireless_service": {"running": true, "status_answer": 2})");
    Store("AuthenticationMode", "4");
    StartAuthSession();
    StopAuthSession();
    EXPECT_EQ(lib_->stops, 0);
    EXPECT_EQ(lib_->starts, 0);
}

TEST_F(SessionLifecycleTest, SessionWithoutWorkerEndsAtOnceButKeepsTheServiceStopped) {
    Store("AuthenticationMode", "1");  // shared key: no worker
    StartAuthSession();
    AuthSession().thread.join();  // the thread ends by itself
    AuthSession().thread = std::thread();
    EXPECT_TRUE(SessionRunning());
    EXPECT_EQ(lib_->starts, 0);
    StopAuthSession();
    EXPECT_EQ(lib_->starts, 1);
}

TEST_F(SessionLifecycleTest, SessionNamesTheCertificateFolderAndKeepsTheCurrentDirectory) {
    char before[4096];
    ASSERT_NE(::getcwd(before, sizeof before), nullptr);
    Store("AuthenticationMode", "6");
    Store("Dot1xProtocol", "1");
    RunAuthSession();
    char after[4096];
    ASSERT_NE(::getcwd(after, sizeof after), nullptr);
    EXPECT_STREQ(after, before);
    EXPECT_EQ(supplicant_.Folder(), CertificateFolder());
    EXPECT_FALSE(supplicant_.Folder().empty());
}

class ReassociationTest : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        Load(std::string(kOpenNetwork));
        Store("AuthenticationMode", "0");
        Store("WEPStatus", "1");
        Store("SSID", "Open-A");
        const std::string ssid = "Open-A";
        ApplySSID(ctx_, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(ssid.data()),
                                                 ssid.size()));
        clock_.Advance(2000);
        ASSERT_EQ(lib_->QueryWL_ConnectState(ctx_), 0);
        lib_->ssids.clear();
        // Different from the stored values, so that re-applying them shows.
        ASSERT_EQ(lib_->SetWL_AuthenticationMode(ctx_, 2), 0);
        ASSERT_EQ(lib_->SetWL_WEPStatus(ctx_, 0), 0);
    }
    void ExpectStoredAssociationApplied() {
        EXPECT_EQ(lib_->QueryWL_AuthenticationMode(ctx_), 0);
        EXPECT_EQ(lib_->QueryWL_WEPStatus(ctx_), 1);
        ASSERT_FALSE(lib_->ssids.empty());
        EXPECT_EQ(lib_->ssids.back(), "Open-A");
    }
};

TEST_F(ReassociationTest, ForceDropsTheAssociationThenAppliesTheStoredSettings) {
    ForceReassociation();
    ASSERT_EQ(lib_->ssids.size(), 2u);
    EXPECT_EQ(lib_->ssids[0].size(), 32u);  // an SSID nobody serves
    EXPECT_NE(lib_->ssids[0], "Open-A");
    ExpectStoredAssociationApplied();
    clock_.Advance(2000);
    EXPECT_EQ(lib_->QueryWL_ConnectState(ctx_), 0);  // back on its network
}

TEST_F(ReassociationTest, ReapplyKeepsTheAssociation) {
    ReapplyAssociation();
    ASSERT_EQ(lib_->ssids.size(), 1u);
    ExpectStoredAssociationApplied();
}

TEST_F(ReassociationTest, SessionOfAnUnassociatedAdapterReassociatesFirst) {
    const std::string other = "Elsewhere";
    lib_->SetWL_SSID(ctx_, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(other.data()),
                                                    other.size()));
    ASSERT_NE(lib_->QueryWL_ConnectState(ctx_), 0);
    lib_->ssids.clear();
    RunAuthSession();
    ASSERT_EQ(lib_->ssids.size(), 2u);
    EXPECT_EQ(lib_->ssids[1], "Open-A");
}

}  // namespace
}  // namespace airvane::test
