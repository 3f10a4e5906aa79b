#pragma once

namespace airvane {

class Dialog;

// The window system as start-up sees it: runs the top-level dialog modally.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Creates the dialog's window from its template, runs it until it ends and returns
    // its result; -1 when the window cannot be created.
    virtual int RunModal(Dialog& dialog) = 0;
};

}  // namespace airvane
