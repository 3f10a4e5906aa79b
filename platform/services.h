#pragma once
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/debug_output.h"
#include "platform/ini_file.h"
#include "platform/ip_helper.h"
#include "platform/machine_registry.h"
#include "platform/os_info.h"
#include "platform/private_folders.h"
#include "platform/processes.h"
#include "platform/random.h"
#include "platform/user_registry.h"
#include "platform/window_titles.h"

namespace airvane {

// The process-wide record of host services. main installs the Linux implementations
// (or the simulator's machine registry); tests install fakes. The record never owns
// what it points to.
struct PlatformServices {
    Clock* clock = nullptr;
    Random* random = nullptr;
    CodePage* code_page = nullptr;
    OsInfo* os_info = nullptr;
    UserRegistry* user_registry = nullptr;
    MachineRegistry* machine_registry = nullptr;
    IniFile* ini_file = nullptr;
    Processes* processes = nullptr;
    WindowTitles* window_titles = nullptr;
    IpHelper* ip_helper = nullptr;
    DebugOutput* debug_output = nullptr;
    PrivateFolders* private_folders = nullptr;
};

// The installed services. Before anything is installed every entry is null.
PlatformServices& Services();
void InstallServices(const PlatformServices& services);
void ResetServices();

}  // namespace airvane
