// The in-memory window system: the user's actions, message boxes, timers, posted
// commands and the main window's frame rules.
#include "ui/headless/headless_window_system.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/ui/test_dialogs.h"
#include "ui/dialog_chain.h"

namespace airvane {
namespace {

using test::RecordingDialog;

// A basic setting dialog that asks a question when Change is pressed and restarts a
// timer on every tick.
class AskingDialog : public RecordingDialog {
public:
    using RecordingDialog::RecordingDialog;
    void OnInitDialog() override {
        if (ResourceId() != kIddBasicSetting) {
            return;
        }
        Host().EditSetLimit(1016, 4);
        Host().Enable(1005, false);
    }
    void OnCommand(int id, ControlEvent event) override {
        events.push_back(std::to_string(id) +
                         (event == ControlEvent::kClicked ? " click" : " other"));
        if (id == 1020) {
            answer =
                Host().MessageBox("Sure?", "Title", MessageButtons::kYesNo, MessageIcon::kQuestion);
        }
    }
    void OnScroll(int id, ScrollCode code, int pos) override {
        if (code == ScrollCode::kEnd) {
            events.push_back(std::to_string(id) + " end " + std::to_string(pos));
        }
    }
    std::vector<std::string> events;
    int answer = -1;
};

class HeadlessHostTest : public ::testing::Test {
protected:
    void SetUp() override { ResetDialogChain(); }
    void TearDown() override { ResetDialogChain(); }
    VirtualClock clock_;
    std::vector<std::string> log_;
};

TEST_F(HeadlessHostTest, ControlsStartAsTheTemplateSays) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog main_page(kIddMainPage, kDialogMainPage, &log_);
    HeadlessDialogHost& host = ws.Open(main_page);
    EXPECT_EQ(host.GetText(1430), "Network Adapter:");
    EXPECT_FALSE(host.IsVisible(1180));
    EXPECT_FALSE(host.IsEnabled(1243));
    EXPECT_TRUE(host.IsVisible(1179));
    EXPECT_EQ(host.GetTitle(), "Airvane Plus");
    EXPECT_NONFATAL_FAILURE(host.SetText(4242, "x"), "has no control 4242");
}

TEST_F(HeadlessHostTest, UserActionsReachTheDialogWithinLimits) {
    HeadlessWindowSystem ws(clock_);
    AskingDialog dialog(kIddBasicSetting, kDialogBasicSetting, &log_);
    HeadlessDialogHost& host = ws.Open(dialog);

    host.Type(1016, "abcdef");
    EXPECT_EQ(host.GetText(1016), "abcd");
    host.Click(1235);
    EXPECT_EQ(host.GetCheck(1235), 1);
    host.ComboAdd(1017, "Ad Hoc");
    host.ComboAdd(1017, "Infrastructure");
    host.SelectText(1017, "Infrastructure");
    EXPECT_EQ(host.ComboSelection(1017), 1);
    EXPECT_EQ(host.GetText(1017), "Infrastructure");
    EXPECT_NONFATAL_FAILURE(host.Click(1005), "disabled");
    EXPECT_NONFATAL_FAILURE(host.Click(1465), "hidden");
    EXPECT_NONFATAL_FAILURE(host.Select(1017, 5), "entry 5");
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"1016 other", "1235 click", "1017 other"}));
}

TEST_F(HeadlessHostTest, RadioGroupsAndSliders) {
    HeadlessWindowSystem ws(clock_);
    AskingDialog dialog(kIddAdvancedSetting, kDialogAdvancedSetting, &log_);
    HeadlessDialogHost& host = ws.Open(dialog);
    host.SetCheck(1094, 1);
    host.Click(1095);
    EXPECT_EQ(host.GetCheck(1094), 0);
    EXPECT_EQ(host.GetCheck(1097), 0);
    EXPECT_EQ(host.GetCheck(1095), 1);

    host.SliderSetRange(1224, 256, 2346);
    host.DragSlider(1224, 5000);
    EXPECT_EQ(host.SliderPos(1224), 2346);
    EXPECT_EQ(dialog.events.back(), "1224 end 2346");
}

TEST_F(HeadlessHostTest, MessageBoxesAreAnsweredFromTheQueue) {
    HeadlessWindowSystem ws(clock_);
    AskingDialog dialog(kIddBasicSetting, kDialogBasicSetting, &log_);
    HeadlessDialogHost& host = ws.Open(dialog);
    ws.AnswerMessageBox(kIdNo);
    host.Click(1020);
    EXPECT_EQ(dialog.answer, kIdNo);
    ASSERT_EQ(ws.MessageBoxes().size(), 1u);
    EXPECT_EQ(ws.MessageBoxes()[0].text, "Sure?");
    EXPECT_EQ(ws.MessageBoxes()[0].icon, MessageIcon::kQuestion);

    EXPECT_NONFATAL_FAILURE(host.Click(1020), "unscripted message box \"Title\": Sure?");
    ws.AnswerMessageBox(kIdOk);
    EXPECT_NONFATAL_FAILURE(host.Click(1020), "does not fit");
}

TEST_F(HeadlessHostTest, TimersFireOnTheVirtualClockInOrder) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog dialog(kIddMainPage, kDialogMainPage, &log_);
    HeadlessDialogHost& host = ws.Open(dialog);
    EXPECT_EQ(host.SetTimer(1, 1000), 1);
    EXPECT_EQ(host.SetTimer(2, 1500), 2);
    ws.AdvanceTime(999);
    EXPECT_TRUE(log_.empty());
    ws.AdvanceTime(2001);  // t = 3000
    EXPECT_EQ(log_, (std::vector<std::string>{"0 timer 1", "0 timer 2", "0 timer 1", "0 timer 1",
                                              "0 timer 2"}));
    host.KillTimer(1);
    log_.clear();
    ws.AdvanceTime(1500);
    EXPECT_EQ(log_, (std::vector<std::string>{"0 timer 2"}));
    EXPECT_EQ(clock_.NowMs(), 4500);
}

TEST_F(HeadlessHostTest, PostedCommandsArriveAfterTheHandler) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog dialog(kIddMainPage, kDialogMainPage, &log_);
    HeadlessDialogHost& host = ws.Open(dialog);
    host.PostCommand(32773);
    EXPECT_TRUE(log_.empty());
    ws.RunPending();
    EXPECT_EQ(log_, (std::vector<std::string>{"0 command 32773"}));
}

TEST_F(HeadlessHostTest, ModalRunsPlayTheirScriptAndReturnTheResult) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog basic(kIddBasicSetting, kDialogBasicSetting, &log_);
    RecordingDialog info(kIddInformation, kDialogInformation, &log_);
    ws.Open(basic);
    ws.ScriptModal(kIddInformation, [](HeadlessDialogHost& host) { host.PressKey(Key::kEnter); });
    EXPECT_EQ(basic.RunChild(info), kIdOk);
    ws.ScriptModal(kIddInformation, nullptr);  // the user closes it with the close box
    EXPECT_EQ(basic.RunChild(info), kIdCancel);
    EXPECT_EQ(log_, (std::vector<std::string>{"4 destroy", "4 destroy"}));
    EXPECT_NONFATAL_FAILURE(basic.RunChild(info), "unscripted modal run of dialog 161");
}

TEST_F(HeadlessHostTest, MainWindowFrameHidesOrRaisesInsteadOfClosing) {
    HeadlessWindowSystem ws(clock_);
    RecordingDialog main_page(kIddMainPage, kDialogMainPage, &log_);
    main_page.UseMainWindowFrame();
    HeadlessDialogHost& host = ws.Open(main_page);
    struct Row {
        const char* name;
        int code;
        bool mouse;
        bool visible_after;
        int raises;
    } rows[] = {
        {"close box", kScClose, true, false, 0},
        {"minimise button", kScMinimize, true, false, 0},
        {"Alt+F4", kScClose, false, true, 1},
        {"minimise from the keyboard", kScMinimize | 0x2, false, true, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host.ShowWindow(true);
        int before = host.ForegroundCount();
        host.SystemCommand(row.code, row.mouse);
        EXPECT_FALSE(host.Ended());
        EXPECT_EQ(host.IsWindowVisible(), row.visible_after);
        EXPECT_EQ(host.ForegroundCount() - before, row.raises);
    }
    host.PressKey(Key::kEnter);
    host.PressKey(Key::kEscape);
    EXPECT_FALSE(host.Ended());

    // A plain dialog ends on Escape and on its close box.
    RecordingDialog info(kIddInformation, kDialogInformation, &log_);
    HeadlessDialogHost& info_host = ws.Open(info);
    info_host.PressKey(Key::kEscape);
    EXPECT_TRUE(info_host.Ended());
    EXPECT_EQ(info_host.Result(), kIdCancel);
}

}  // namespace
}  // namespace airvane
