// CTrayIcon's icon calls and its mouse rules.
#include "app/tray_icon.h"

#include <gtest/gtest.h>

#include "platform/services.h"
#include "resources/resource_ids.h"
#include "tests/ui/test_dialogs.h"
#include "ui/dialog_chain.h"
#include "ui/headless/headless_notification_area.h"
#include "ui/headless/headless_window_system.h"

namespace airvane {
namespace {

class FakeOs : public OsInfo {
public:
    OsVersion Version() override { return version; }
    bool IsNtFamily() override { return true; }
    bool Is95Family() override { return false; }
    bool IsAdmin() override { return false; }
    OsVersion version{5, 1, 2600};
};

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDialogChain();
        PlatformServices services;
        services.os_info = &os_;
        services.clock = &clock_;
        InstallServices(services);
        main_host_ = &ws_.Open(main_page_);
        log_.clear();
    }
    void TearDown() override {
        ResetServices();
        ResetDialogChain();
    }
    void CreateTray() {
        tray_.Create("RUDiza -- Airvane Plus", kIconTraffic1, kMenuTray, kIdmTrayOpen, false);
        tray_.m_strMenuText[0] = "Open Utility Window";
        tray_.m_strMenuText[1] = "Use Microsoft Wireless Zero Configuration";
        tray_.m_strMenuText[2] = "Exit DEZadere";
    }

    FakeOs os_;
    VirtualClock clock_;
    std::vector<std::string> log_;
    HeadlessWindowSystem ws_{clock_};
    test::RecordingDialog main_page_{kIddMainPage, kDialogMainPage, &log_};
    HeadlessDialogHost* main_host_ = nullptr;
    HeadlessNotificationArea area_;
    CTrayIcon tray_{area_};
};

TEST_F(TrayIconTest, CreateAddsTheIconAndDestructionRemovesIt) {
    {
        CTrayIcon tray(area_);
        EXPECT_TRUE(tray.Create("tip", kIconTraffic1, kMenuTray, kIdmTrayOpen, false));
        ASSERT_NE(area_.Find(kMenuTray), nullptr);
        EXPECT_EQ(area_.Find(kMenuTray)->image, kIconTraffic1);
        EXPECT_EQ(area_.Find(kMenuTray)->tip, "tip");
        EXPECT_EQ(tray.SetIcon(kIconNotConnected), 1);
        EXPECT_EQ(area_.Find(kMenuTray)->image, kIconNotConnected);
        tray.HideIcon();
        EXPECT_EQ(area_.Find(kMenuTray), nullptr);
        EXPECT_EQ(tray.ShowIcon(kIconAccessPoint), 1);
        EXPECT_EQ(area_.Find(kMenuTray)->image, kIconAccessPoint);
    }
    EXPECT_EQ(area_.Find(kMenuTray), nullptr);
}

TEST_F(TrayIconTest, OldSystemLeavesTheInstanceDisabled) {
    os_.version = {3, 51, 0};
    CreateTray();
    EXPECT_FALSE(tray_.IsEnabled());
    EXPECT_EQ(area_.Find(kMenuTray), nullptr);
    EXPECT_EQ(tray_.ShowIcon(kIconTraffic1), 0);
    EXPECT_EQ(tray_.SetTooltip("x"), 0);
    EXPECT_EQ(area_.Find(kMenuTray), nullptr);
    area_.DoubleClick(kMenuTray);
    ws_.RunPending();
    EXPECT_TRUE(log_.empty());
}

TEST_F(TrayIconTest, PlatformFailuresAreReportedNotFatal) {
    CreateTray();
    area_.FailCalls(true);
    EXPECT_EQ(tray_.SetIcon(kIconNotConnected), 0);
    EXPECT_EQ(tray_.SetTooltip("x"), 0);
}

TEST_F(TrayIconTest, TooltipKeepsItsFirst127Characters) {
    CreateTray();
    std::string long_tip(200, 'a');
    tray_.SetTooltip(long_tip);
    EXPECT_EQ(area_.Find(kMenuTray)->tip, std::string(127, 'a'));
    // Characters, not bytes: 130 two-byte letters are cut to 127 letters.
    std::string wide;
    for (int i = 0; i < 130; ++i) {
        wide += "\xC3\xA9";
    }
    tray_.SetTooltip(wide);
    EXPECT_EQ(area_.Find(kMenuTray)->tip, wide.substr(0, 254));
}

TEST_F(TrayIconTest, DoubleClickSendsOneOpenCommandOnTheFollowingRelease) {
    CreateTray();
    area_.Mouse(kMenuTray, TrayMouseEvent::kLeftDown);
    area_.Mouse(kMenuTray, TrayMouseEvent::kLeftUp);
    ws_.RunPending();
    EXPECT_TRUE(log_.empty()) << "a single click does nothing";

    EXPECT_EQ(tray_.HandleMouse(kMenuTray, TrayMouseEvent::kLeftDoubleClick), 1);
    ws_.RunPending();
    EXPECT_TRUE(log_.empty()) << "nothing before the release";
    EXPECT_EQ(tray_.HandleMouse(kMenuTray, TrayMouseEvent::kLeftUp), 1);
    EXPECT_EQ(tray_.HandleMouse(kMenuTray, TrayMouseEvent::kLeftUp), -1);
    ws_.RunPending();
    EXPECT_EQ(log_, (std::vector<std::string>{"0 command 32771"}));
    EXPECT_EQ(main_host_->ForegroundCount(), 1);
}

TEST_F(TrayIconTest, DefaultByPositionSendsThatItemsCommand) {
    CreateTray();
    EXPECT_TRUE(tray_.SetDefaultMenuItem(2, true));
    area_.DoubleClick(kMenuTray);
    ws_.RunPending();
    EXPECT_EQ(log_, (std::vector<std::string>{"0 command 32773"}));
    EXPECT_TRUE(tray_.SetDefaultMenuItem(9, true));
    EXPECT_EQ(tray_.HandleMouse(kMenuTray, TrayMouseEvent::kLeftDoubleClick), 1);
    EXPECT_EQ(tray_.HandleMouse(kMenuTray, TrayMouseEvent::kLeftUp), 0);
}

TEST_F(TrayIconTest, RightClickShowsCurrentTextsAndSendsTheChoice) {
    CreateTray();
    area_.ChooseFromNextMenu(kIdmTrayClient);
    area_.RightClick(kMenuTray);
    ws_.RunPending();
    ASSERT_EQ(area_.MenusShown().size(), 1u);
    const auto& items = area_.MenusShown()[0];
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].command, kIdmTrayOpen);
    EXPECT_EQ(items[0].text, "Open Utility Window");
    EXPECT_TRUE(items[0].is_default);
    EXPECT_EQ(items[1].command, kIdmTrayClient);
    EXPECT_FALSE(items[1].is_default);
    EXPECT_EQ(items[2].text, "Exit DEZadere");
    EXPECT_EQ(log_, (std::vector<std::string>{"0 command 32772"}));

    // A language change renews the texts without re-creating the icon.
    tray_.m_strMenuText[1] = "Use Varnex Wireless Configuration";
    area_.RightClick(kMenuTray);  // dismissed
    ws_.RunPending();
    ASSERT_EQ(area_.MenusShown().size(), 2u);
    EXPECT_EQ(area_.MenusShown()[1][1].text, "Use Varnex Wireless Configuration");
    EXPECT_EQ(log_.size(), 1u);
}

TEST_F(TrayIconTest, RecreatedAreaCallsTheHandler) {
    CreateTray();
    int calls = 0;
    tray_.SetRecreatedHandler([&] {
        ++calls;
        tray_.ShowIcon(tray_.Image());
    });
    area_.Restart();
    EXPECT_EQ(calls, 1);
    ASSERT_NE(area_.Find(kMenuTray), nullptr);
    EXPECT_EQ(area_.Find(kMenuTray)->image, kIconTraffic1);
}

}  // namespace
}  // namespace airvane
