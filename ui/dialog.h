#pragma once
#include <string>

#include "ui/dialog_host.h"
#include "ui/dialog_ids.h"

namespace airvane {

// The base of every program dialog: one object per modal run, one virtual handler per
// kind of event. Dialogs never touch the window system directly; they talk to Host().
class Dialog {
public:
    Dialog(int resource_id, int dialog_id) : resource_id_(resource_id), dialog_id_(dialog_id) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int ResourceId() const { return resource_id_; }
    int Id() const { return dialog_id_; }
    bool HasHost() const { return host_ != nullptr; }
    DialogHost& Host() { return *host_; }

    // Runs child modally with this dialog as its opener, and makes this dialog the
    // active one again when the child has closed. Returns the child's result.
    int RunChild(Dialog& child);

    // The DialogId of the dialog that opened this one; -1 for none.
    int m_nOpenerId = -1;

    // --- Called by the window system, not by dialogs. ---
    // Attaches the window, joins the open-dialog chain and runs OnInitDialog.
    void BeginRun(DialogHost* host);
    // Leaves the chain, runs OnDestroy and detaches the window.
    void EndRun();

    // Handlers. The defaults do what a plain dialog does.
    virtual void OnInitDialog() {}
    // (Re)applies every text of the dialog; also called by the language change.
    virtual void RefreshTexts() {}
    // A control notification; the default ends the dialog for OK (1) and Cancel (2).
    virtual void OnCommand(int id, ControlEvent event);
    virtual void OnListEvent(int id, ListEvent event, int row);
    virtual void OnScroll(int id, ScrollCode code, int pos);
    virtual void OnTimer(int timer_id);
    // A menu command: chosen from a menu this window owns, or posted to it.
    virtual void OnMenuCommand(int command);
    // A system command of the window frame (kScClose, kScMinimize, ...), from_mouse
    // when chosen with the mouse rather than the keyboard. True when handled; otherwise
    // the window system does the default (closing becomes OnCloseRequest).
    virtual bool OnSystemCommand(int code, bool from_mouse);
    // A key press before the dialog's own handling; true swallows it.
    virtual bool OnKeyDown(Key key);
    // A close request by Escape or by another program: ends the dialog as Cancel.
    virtual void OnCloseRequest();
    virtual void OnDestroy() {}

protected:
    // The main window's frame: Enter and Escape never close it; the close box and
    // minimise hide it, and the same commands from the keyboard bring it to the front.
    void UseMainWindowFrame() { main_window_frame_ = true; }

private:
    int resource_id_;
    int dialog_id_;
    DialogHost* host_ = nullptr;
    bool main_window_frame_ = false;
};

}  // namespace airvane
