#pragma once
#include <cstdint>
#include <string>

#include "ui/dialog_ids.h"

namespace airvane {

class Dialog;

// What a dialog can do with its window. Controls are addressed by their resource id;
// list indexes are 0-based and -1 means "none". Every call on a control id that the
// template does not have does nothing and returns the empty value.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    // Any control.
    virtual void SetText(int id, const std::string& text) = 0;
    virtual std::string GetText(int id) = 0;
    virtual void Show(int id, bool visible) = 0;
    virtual bool IsVisible(int id) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) = 0;
    virtual void SetFocus(int id) = 0;

    // Check boxes and radio buttons: 0 unchecked, 1 checked.
    virtual void SetCheck(int id, int state) = 0;
    virtual int GetCheck(int id) = 0;

    // Icon controls: the image resource shown.
    virtual void SetImage(int id, int image) = 0;

    // Drop-down lists and comboboxes. The edit text of a combobox is its GetText/SetText.
    virtual void ComboReset(int id) = 0;
    virtual int ComboAdd(int id, const std::string& text) = 0;  // index of the new entry
    virtual void ComboDelete(int id, int index) = 0;
    virtual void ComboSelect(int id, int index) = 0;  // -1 clears the selection
    virtual int ComboSelection(int id) = 0;
    virtual int ComboCount(int id) = 0;
    virtual std::string ComboItemText(int id, int index) = 0;
    virtual int ComboFindExact(int id, const std::string& text) = 0;  // ignores ASCII case

    // List views in report style.
    virtual int ListInsertColumn(int id, int column, const std::string& title, int width_px,
                                 Align align) = 0;
    virtual void ListDeleteColumn(int id, int column) = 0;
    virtual int ListColumnCount(int id) = 0;
    virtual int ListInsertRow(int id, int row, const std::string& text) = 0;  // new index
    virtual void ListSetCell(int id, int row, int column, const std::string& text) = 0;
    virtual std::string ListCell(int id, int row, int column) = 0;
    virtual int ListRowCount(int id) = 0;
    virtual void ListDeleteAllRows(int id) = 0;
    virtual int ListSelectionMark(int id) = 0;
    virtual void ListSetSelection(int id, int row) = 0;
    virtual void ListSetFullRowSelect(int id, bool on) = 0;

    // Sliders.
    virtual void SliderSetRange(int id, int min, int max) = 0;
    virtual void SliderSetPos(int id, int pos) = 0;
    virtual int SliderPos(int id) = 0;
    virtual void SliderSetTickFreq(int id, int freq) = 0;
    virtual void SliderSetPageSize(int id, int page) = 0;

    // Progress bars.
    virtual void ProgressSetRange(int id, int min, int max) = 0;
    virtual void ProgressSetPos(int id, int pos) = 0;
    virtual int ProgressPos(int id) = 0;

    // Edits: the most characters the user can type (0 = no limit) and the selection.
    virtual void EditSetLimit(int id, int max_chars) = 0;
    virtual void EditSetSel(int id, int start, int end) = 0;

    // The window.
    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetTitle() = 0;
    virtual void SetWindowIcon(int image) = 0;
    virtual void ShowWindow(bool visible) = 0;
    virtual bool IsWindowVisible() = 0;
    virtual void MoveWindow(int x, int y) = 0;  // top-left corner in pixels, size kept
    virtual void WindowPosition(int* x, int* y) = 0;
    virtual void CenterWindow() = 0;
    virtual void BringToForeground() = 0;
    // Ends the modal run after the current handler returns; the run returns result.
    virtual void EndDialog(int result) = 0;

    // Timers by id: (re)starts timer id with the period; returns id, or 0 on failure.
    virtual int SetTimer(int timer_id, int period_ms) = 0;
    virtual void KillTimer(int timer_id) = 0;

    // Queues a menu command for this window's dialog (OnMenuCommand), delivered after the
    // current handler has returned.
    virtual void PostCommand(int command) = 0;

    // A message box owned by this window; returns the button pressed.
    virtual int MessageBox(const std::string& text, const std::string& title,
                           MessageButtons buttons, MessageIcon icon) = 0;

    // Runs another dialog modally, owned by this window; returns its result. Use
    // Dialog::RunChild, which keeps the open-dialog chain.
    virtual int RunModal(Dialog& child) = 0;

    // Called by the dialog's destructor when the dialog object goes away while its
    // window is still open: the window stops delivering events to it.
    virtual void DialogDestroyed() {}
};

}  // namespace airvane
