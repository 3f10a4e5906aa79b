#pragma once
#include "platform/linux/home_private_folders.h"
#include "platform/linux/linux_debug_output.h"
#include "platform/linux/linux_os_info.h"
#include "platform/linux/linux_processes.h"
#include "platform/linux/linux_random.h"
#include "platform/linux/lock_file_window_titles.h"
#include "platform/linux/null_ip_helper.h"
#include "platform/linux/profile_ini_file.h"
#include "platform/linux/sqlite_user_registry.h"
#include "platform/linux/steady_clock.h"
#include "platform/linux/utf8_code_page.h"
#include "platform/services.h"

namespace airvane {

// One of each Linux host service, alive as long as this object, with the user's hive
// at hive_path. The machine registry is answered by the adapter backend (the
// simulator's scenario), so the caller fills that entry of the record.
class LinuxPlatform {
public:
    explicit LinuxPlatform(const std::string& hive_path = SqliteUserRegistry::DefaultPath())
        : hive_(hive_path) {}
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    PlatformServices Services();

private:
    SteadyClock clock_;
    LinuxRandom random_;
    Utf8CodePage code_page_;
    LinuxOsInfo os_info_;
    LinuxProcesses processes_;
    LockFileWindowTitles window_titles_;
    NullIpHelper ip_helper_;
    LinuxDebugOutput debug_output_;
    HomePrivateFolders private_folders_;
    ProfileIniFile ini_file_;
    SqliteUserRegistry hive_;
};

}  // namespace airvane
