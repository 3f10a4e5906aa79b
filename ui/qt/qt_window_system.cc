#include "ui/qt/qt_window_system.h"

#include "ui/qt/qt_dialog_host.h"

namespace airvane {

int QtWindowSystem::RunModal(Dialog& dialog) {
    QtDialogHost host(dialog, nullptr);
    return host.Run();
}

}  // namespace airvane
