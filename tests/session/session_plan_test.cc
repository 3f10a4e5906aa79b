// What the session thread prepares from the stored settings before it runs a worker:
// the kind, the texts and keys handed over, and the certificate files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/format.h"
#include "tests/session/session_fixture.h"

namespace airvane::test {
namespace {

TEST(SessionKindTest, ModeAndProtocolChooseTheWorker) {
    struct Row {
        int32_t mode;
        int32_t protocol;
        SessionKind kind;
    };
    const Row rows[] = {
        {0, 0, SessionKind::DOT1X_TLS},  {2, 1, SessionKind::DOT1X_PEAP},
        {0, 2, SessionKind::DOT1X_TTLS}, {3, 0, SessionKind::WPA_TLS},
        {3, 1, SessionKind::WPA_PEAP},   {3, 2, SessionKind::WPA_TTLS},
        {6, 0, SessionKind::WPA2_TLS},   {6, 1, SessionKind::WPA2_PEAP},
        {6, 2, SessionKind::WPA2_TTLS},  {4, -1, SessionKind::WPA_PSK},
        {5, 7, SessionKind::WPA_PSK},    {7, 3, SessionKind::WPA2_PSK},
        {1, 0, SessionKind::kNone},      {-1, 0, SessionKind::kNone},
        {8, 0, SessionKind::kNone},      {3, 3, SessionKind::kNone},
        {6, -1, SessionKind::kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Format("mode %d protocol %d", row.mode, row.protocol));
        EXPECT_EQ(ChooseSessionKind(row.mode, row.protocol), row.kind);
    }
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

using SessionPlanTest = SessionTest;

TEST_F(SessionPlanTest, PreSharedKeyArguments) {
    struct Row {
        const char* name;
        std::string passphrase;  // "": not stored
        std::string format;
        std::vector<uint8_t> secret;
        bool raw;
    };
    std::vector<uint8_t> hex_key(32, 0);
    hex_key[0] = 0x00;
    hex_key[1] = 0x11;
    hex_key[2] = 0xAB;
    const Row rows[] = {
        {"ascii as typed", "correct horse", "0", Bytes("correct horse"), false},
        {"three characters", "abc", "0", Bytes("90719071"), false},
        {"empty", "", "0", Bytes("90719071"), false},
        {"sixty-four characters", std::string(64, 'x'), "0", Bytes("90719071"), false},
        {"sixty-three characters", std::string(63, 'y'), "0", Bytes(std::string(63, 'y')), false},
        {"format absent", "abcdefgh", "", Bytes("abcdefgh"), false},
        {"hexadecimal, short", "00 11 ab", "1", hex_key, true},
        {"hexadecimal, empty", "", "1", std::vector<uint8_t>(32, 0), true},
        // A character above 255 keeps its low 8 bits: U+0141 gives 0x41.
        {"wide characters",
         "\xC5\x81\xC3\xA9"
         "bcdefg",
         "0", std::vector<uint8_t>{0x41, 0xE9, 'b', 'c', 'd', 'e', 'f', 'g'}, false},
    };
    Store("AuthenticationMode", "7");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Store("Dot1xPassphrase", row.passphrase);
        Store("Dot1xPassphraseFormat", row.format);
        const SessionPlan plan = PrepareSession();
        EXPECT_EQ(plan.kind, SessionKind::WPA2_PSK);
        EXPECT_EQ(plan.secret, row.secret);
        EXPECT_EQ(plan.raw, row.raw);
    }
}

TEST_F(SessionPlanTest, SsidAndValidateFlag) {
    Store("AuthenticationMode", "4");
    Store("Dot1xPassphrase", "abcdefgh");
    // 34 characters, the first two taking two bytes each: cut to 32 characters and then
    // to 32 bytes, never inside a character.
    Store("SSID", "\xC3\xA9\xC3\xA9" + std::string(32, 's'));
    SessionPlan plan = PrepareSession();
    EXPECT_EQ(plan.ssid, "\xC3\xA9\xC3\xA9" + std::string(28, 's'));
    EXPECT_EQ(plan.validate, 0xFF);  // not stored

    Store("Dot1xValidateServerCertificate", "257");
    EXPECT_EQ(PrepareSession().validate, 1);
    EXPECT_TRUE(supplicant_.Calls().empty());  // no certificate work for a pre-shared key
}

TEST_F(SessionPlanTest, EapArgumentsAndCertificateFiles) {
    struct Row {
        const char* name;
        const char* mode;
        const char* protocol;
        SessionKind kind;
        std::vector<std::string> calls;
        const char* password;  // expected
        const char* inner;
    };
    const Row rows[] = {
        {"TLS",
         "3",
         "0",
         SessionKind::WPA_TLS,
         {"genMyCertFile CN=Jo / CN=Root", "genMySSLFile"},
         "",
         ""},
        {"PEAP",
         "6",
         "1",
         SessionKind::WPA2_PEAP,
         {"genROOTCertFile CN=Jo / CN=Root", "genROOTSSLFile"},
         "s3cret",
         ""},
        {"TTLS",
         "2",
         "2",
         SessionKind::DOT1X_TTLS,
         {"genROOTCertFile CN=Jo / CN=Root", "genROOTSSLFile"},
         "s3cret",
         "MSCHAPv2"},
    };
    Store("Dot1xCertSubject", "CN=Jo");
    Store("Dot1xCertIssuer", "CN=Root");
    Store("Dot1xUsername", "j\xC3\xB6");  // "jö"
    Store("Dot1xPassword", "s3cret");
    Store("Dot1xPhase2Auth", "MSCHAPv2");
    Store("Dot1xValidateServerCertificate", "0");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CertificateSupplicant fresh;
        InstallSupplicantLibrary(&fresh);
        Store("AuthenticationMode", row.mode);
        Store("Dot1xProtocol", row.protocol);
        const SessionPlan plan = PrepareSession();
        EXPECT_EQ(plan.kind, row.kind);
        EXPECT_EQ(fresh.Calls(), row.calls);
        EXPECT_EQ(plan.user_name, "j\xF6");
        EXPECT_EQ(plan.password, row.password);
        EXPECT_EQ(plan.inner_method, row.inner);
        EXPECT_EQ(plan.validate, 0);
    }
    InstallSupplicantLibrary(&supplicant_);
}

TEST_F(SessionPlanTest, CertificateFailuresEndTheSession) {
    struct Row {
        const char* name;
        const char* protocol;
        int32_t CertificateSupplicant::*fail;
        bool message;
    };
    const Row rows[] = {
        {"client certificate not exportable", "0", &CertificateSupplicant::fail_my_cert, true},
        {"client key file", "0", &CertificateSupplicant::fail_my_ssl, false},
        {"CA certificate", "1", &CertificateSupplicant::fail_root_cert, false},
        {"CA file", "2", &CertificateSupplicant::fail_root_ssl, false},
    };
    Store("AuthenticationMode", "6");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CertificateSupplicant failing;
        failing.*row.fail = -1;
        InstallSupplicantLibrary(&failing);
        Store("Dot1xProtocol", row.protocol);
        EXPECT_EQ(PrepareSession().kind, SessionKind::kNone);
        const std::vector<PostedMessage> posted = TakePostedMessages();
        if (row.message) {
            ASSERT_EQ(posted.size(), 1u);
            EXPECT_EQ(posted[0].text,
                      "Can not Export Private Key!! Please make the private key of this "
                      "certifacate EXPORTABLE!");
            EXPECT_EQ(posted[0].buttons, MessageButtons::kOk);
        } else {
            EXPECT_TRUE(posted.empty());
        }
    }
    InstallSupplicantLibrary(&supplicant_);
}

TEST_F(SessionPlanTest, CertificateFolderIsPrivate) {
    const std::string folder = CertificateFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder, std::string(std::getenv("AIRVANE_HOME")) + "/certificates");
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A folder someone opened up is closed again.
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    EXPECT_EQ(CertificateFolder(), folder);
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

}  // namespace
}  // namespace airvane::test
