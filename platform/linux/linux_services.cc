#include "platform/linux/linux_services.h"

namespace airvane {

PlatformServices LinuxPlatform::Services() {
    PlatformServices services;
    services.clock = &clock_;
    services.random = &random_;
    services.code_page = &code_page_;
    services.os_info = &os_info_;
    services.processes = &processes_;
    services.window_titles = &window_titles_;
    services.ip_helper = &ip_helper_;
    services.debug_output = &debug_output_;
    services.private_folders = &private_folders_;
    services.ini_file = &ini_file_;
    services.user_registry = &hive_;
    return services;
}

}  // namespace airvane
