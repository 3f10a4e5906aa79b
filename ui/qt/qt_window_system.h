#pragma once
#include "ui/window_system.h"

namespace airvane {

// The window system on Qt: the top-level dialog runs as a window without an owner.
// Needs a QApplication.
class QtWindowSystem : public WindowSystem {
public:
    int RunModal(Dialog& dialog) override;
};

}  // namespace airvane
