// The open-dialog chain: registration through modal runs and both walks.
#include "ui/dialog_chain.h"

#include <gtest/gtest.h>

#include "tests/ui/test_dialogs.h"
#include "ui/headless/headless_window_system.h"

namespace airvane {
namespace {

using test::RecordingDialog;

class DialogChainTest : public ::testing::Test {
protected:
    void SetUp() override { ResetDialogChain(); }
    void TearDown() override { ResetDialogChain(); }
    VirtualClock clock_;
    std::vector<std::string> log_;
};

TEST_F(DialogChainTest, ModalRunsKeepActiveIdAndRegistry) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog main_page(kIddMainPage, kDialogMainPage, &log_);
    RecordingDialog basic(kIddBasicSetting, kDialogBasicSetting, &log_);
    RecordingDialog dot1x(kIddDot1xSetting, kDialogDot1xSetting, &log_);
    ws.Open(main_page);
    EXPECT_EQ(ActiveDialogId(), 0);

    ws.ScriptModal(kIddBasicSetting, [&](HeadlessDialogHost&) {
        EXPECT_EQ(ActiveDialogId(), 1);
        EXPECT_EQ(FindOpenDialog(1), &basic);
        EXPECT_EQ(basic.m_nOpenerId, 0);
        ws.ScriptModal(kIddDot1xSetting, [&](HeadlessDialogHost&) {
            // The WPA / 802.1X dialog never joins the chain.
            EXPECT_EQ(ActiveDialogId(), 1);
            EXPECT_EQ(FindOpenDialog(7), nullptr);
        });
        basic.RunChild(dot1x);
        EXPECT_EQ(ActiveDialogId(), 1);
    });
    main_page.RunChild(basic);
    EXPECT_EQ(ActiveDialogId(), 0);
    EXPECT_EQ(FindOpenDialog(1), nullptr);
    EXPECT_EQ(FindOpenDialog(0), &main_page);
}

TEST_F(DialogChainTest, TextWalkRefreshesAdvancedBasicAndMainInOrder) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog main_page(kIddMainPage, kDialogMainPage, &log_);
    RecordingDialog basic(kIddBasicSetting, kDialogBasicSetting, &log_);
    RecordingDialog advanced(kIddAdvancedSetting, kDialogAdvancedSetting, &log_);
    RecordingDialog info(kIddInformation, kDialogInformation, &log_);
    ws.Open(main_page);
    // An information dialog opened and closed before must not be visited.
    ws.ScriptModal(kIddInformation, nullptr);
    ws.ScriptModal(kIddBasicSetting, [&](HeadlessDialogHost&) {
        basic.RunChild(info);
        ws.ScriptModal(kIddAdvancedSetting, [&](HeadlessDialogHost&) {
            log_.clear();
            RefreshOpenDialogTexts(kDialogAdvancedSetting);
            EXPECT_EQ(log_, (std::vector<std::string>{"2 refresh", "1 refresh", "0 refresh"}));
        });
        basic.RunChild(advanced);
    });
    main_page.RunChild(basic);
}

TEST_F(DialogChainTest, TextWalkStopsAtWpaDialogAndUnknownIds) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog main_page(kIddMainPage, kDialogMainPage, &log_);
    RecordingDialog wep(kIddWepSetting, kDialogWepSetting, &log_);
    RecordingDialog basic(kIddBasicSetting, kDialogBasicSetting, &log_);
    ws.Open(main_page);
    ws.Open(wep);
    ws.Open(basic);
    struct Row {
        const char* name;
        int opener_of_basic;
        std::vector<std::string> expected;
    } rows[] = {
        {"reaches id 7", kDialogDot1xSetting, {"1 refresh"}},
        {"id outside the table", 42, {"1 refresh"}},
        {"negative id", -1, {"1 refresh"}},
        {"through WEP to the main page",
         kDialogWepSetting,
         {"1 refresh", "3 refresh", "0 refresh"}},
    };
    wep.m_nOpenerId = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        basic.m_nOpenerId = row.opener_of_basic;
        log_.clear();
        RefreshOpenDialogTexts(kDialogBasicSetting);
        EXPECT_EQ(log_, row.expected);
    }
}

TEST_F(DialogChainTest, TextWalkSurvivesALoopInTheLinks) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog basic(kIddBasicSetting, kDialogBasicSetting, &log_);
    RecordingDialog advanced(kIddAdvancedSetting, kDialogAdvancedSetting, &log_);
    ws.Open(basic);
    ws.Open(advanced);
    basic.m_nOpenerId = 2;
    advanced.m_nOpenerId = 1;
    RefreshOpenDialogTexts(kDialogAdvancedSetting);
    EXPECT_LE(log_.size(), 9u);
}

TEST_F(DialogChainTest, ClosingWalkEndsEveryDialogDownToTheMainPage) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog main_page(kIddMainPage, kDialogMainPage, &log_);
    RecordingDialog basic(kIddBasicSetting, kDialogBasicSetting, &log_);
    RecordingDialog wep(kIddWepSetting, kDialogWepSetting, &log_);
    RecordingDialog wep_info(kIddWepInfo, kDialogWepInfo, &log_);
    HeadlessDialogHost& main_host = ws.Open(main_page);
    int basic_result = -5;
    ws.ScriptModal(kIddBasicSetting, [&](HeadlessDialogHost&) {
        ws.ScriptModal(kIddWepSetting, [&](HeadlessDialogHost&) {
            ws.ScriptModal(kIddWepInfo, [&](HeadlessDialogHost& info) {
                int main_calls = 0;
                CloseOpenDialogs(0, [&](Dialog& d) {
                    EXPECT_EQ(&d, &main_page);
                    ++main_calls;
                });
                EXPECT_EQ(main_calls, 1);
                EXPECT_TRUE(info.Ended());
                EXPECT_EQ(info.Result(), 0);
            });
            wep.RunChild(wep_info);
        });
        basic.RunChild(wep);
    });
    basic_result = main_page.RunChild(basic);
    EXPECT_EQ(basic_result, 0);
    EXPECT_FALSE(main_host.Ended());
    EXPECT_EQ(FindOpenDialog(1), nullptr);
    EXPECT_EQ(FindOpenDialog(3), nullptr);
}

}  // namespace
}  // namespace airvane
