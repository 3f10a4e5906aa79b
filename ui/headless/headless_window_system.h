#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/virtual_clock.h"
#include "resources/dialog_template.h"
#include "ui/dialog.h"
#include "ui/dialog_host.h"
#include "ui/window_system.h"

namespace airvane {

class HeadlessWindowSystem;

// One dialog window kept in memory. Besides the DialogHost calls of the dialog it has
// a test API that acts as the user. Acting on a control that the user could not reach
// (unknown, hidden, disabled, or a window that has ended) fails the running test.
class HeadlessDialogHost : public DialogHost {
public:
    struct Column {
        std::string title;
        int width_px;
        Align align;
    };
    struct Control {
        const ControlTemplate* tmpl = nullptr;
        std::string text;
        bool visible = true;
        bool enabled = true;
        int check = 0;
        int image = 0;
        std::vector<std::string> items;
        int selection = -1;
        std::vector<Column> columns;
        std::vector<std::vector<std::string>> rows;
        int selection_mark = -1;
        bool full_row_select = false;
        int min = 0, max = 100, pos = 0, tick_freq = 0, page = 0;
        int limit = 0, sel_start = 0, sel_end = 0;
    };

    HeadlessDialogHost(HeadlessWindowSystem& system, Dialog& dialog,
                       const DialogTemplate& dialog_template);

    // --- The user. ---
    void Click(int id);  // buttons, check boxes (toggle) and radio buttons
    void DoubleClick(int id);
    void Select(int id, int index);  // drop-down list or combobox entry
    void SelectText(int id, const std::string& text);
    void Type(int id, const std::string& text);  // replaces the text, within the limit
    void LeaveField(int id);                     // the edit loses the focus
    void DragSlider(int id, int pos);
    void ClickRow(int id, int row);
    void DoubleClickRow(int id, int row);
    void PressKey(Key key);
    void CloseBox();  // the close box of the frame, with the mouse
    void SystemCommand(int code, bool from_mouse);

    // --- What the user sees. ---
    bool Ended() const { return ended_; }
    int Result() const { return result_; }
    int ResourceId() const { return template_.resource_id; }
    const Control* Find(int id) const;
    std::vector<std::string> ComboItems(int id) const;
    int ForegroundCount() const { return foreground_count_; }
    bool IsCentred() const { return centred_; }

    // DialogHost.
    void SetText(int id, const std::string& text) override;
    std::string GetText(int id) override;
    void Show(int id, bool visible) override;
    bool IsVisible(int id) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) override;
    void SetFocus(int id) override;
    void SetCheck(int id, int state) override;
    int GetCheck(int id) override;
    void SetImage(int id, int image) override;
    void ComboReset(int id) override;
    int ComboAdd(int id, const std::string& text) override;
    void ComboDelete(int id, int index) override;
    void ComboSelect(int id, int index) override;
    int ComboSelection(int id) override;
    int ComboCount(int id) override;
    std::string ComboItemText(int id, int index) override;
    int ComboFindExact(int id, const std::string& text) override;
    int ListInsertColumn(int id, int column, const std::string& title, int width_px,
                         Align align) override;
    void ListDeleteColumn(int id, int column) override;
    int ListColumnCount(int id) override;
    int ListInsertRow(int id, int row, const std::string& text) override;
    void ListSetCell(int id, int row, int column, const std::string& text) override;
    std::string ListCell(int id, int row, int column) override;
    int ListRowCount(int id) override;
    void ListDeleteAllRows(int id) override;
    int ListSelectionMark(int id) override;
    void ListSetSelection(int id, int row) override;
    void ListSetFullRowSelect(int id, bool on) override;
    void SliderSetRange(int id, int min, int max) override;
    void SliderSetPos(int id, int pos) override;
    int SliderPos(int id) override;
    void SliderSetTickFreq(int id, int freq) override;
    void SliderSetPageSize(int id, int page) override;
    void ProgressSetRange(int id, int min, int max) override;
    void ProgressSetPos(int id, int pos) override;
    int ProgressPos(int id) override;
    void EditSetLimit(int id, int max_chars) override;
    void EditSetSel(int id, int start, int end) override;
    void SetTitle(const std::string& title) override;
    std::string GetTitle() override;
    void SetWindowIcon(int image) override;
    void ShowWindow(bool visible) override;
    bool IsWindowVisible() override;
    void MoveWindow(int x, int y) override;
    void WindowPosition(int* x, int* y) override;
    void CenterWindow() override;
    void BringToForeground() override;
    void EndDialog(int result) override;
    int SetTimer(int timer_id, int period_ms) override;
    void KillTimer(int timer_id) override;
    void PostCommand(int command) override;
    int MessageBox(const std::string& text, const std::string& title, MessageButtons buttons,
                   MessageIcon icon) override;
    int RunModal(Dialog& child) override;
    void DialogDestroyed() override;

private:
    friend class HeadlessWindowSystem;
    Control* Get(int id);                            // fails the test for an unknown id
    Control* Reachable(int id, const char* action);  // ... and for one the user cannot use
    void AfterEvent();                               // finishes the run once it has ended
    void CheckRadio(const Control& clicked);

    HeadlessWindowSystem& system_;
    Dialog* dialog_;
    const DialogTemplate& template_;
    std::vector<Control> controls_;
    std::string title_;
    bool window_visible_ = true;
    int x_ = 0, y_ = 0;
    bool centred_ = false;
    int foreground_count_ = 0;
    bool ended_ = false;
    bool finished_ = false;
    int result_ = kResultNone;
};

struct MessageBoxRecord {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageIcon icon;
    int answer;
};

// The in-memory window system of tests. Modal runs of dialogs do not block: what the
// user does in a dialog that another dialog runs is scripted beforehand; message boxes
// are answered from a queue; timers fire as the test moves the virtual clock.
class HeadlessWindowSystem : public WindowSystem {
public:
    using Script = std::function<void(HeadlessDialogHost& dialog)>;

    explicit HeadlessWindowSystem(VirtualClock& clock);
    ~HeadlessWindowSystem() override;

    // Opens a dialog as a modal run that goes on while the test acts on the returned
    // window; it ends when the dialog ends itself or the test closes it.
    HeadlessDialogHost& Open(Dialog& dialog);
    // A top-level modal run: initialises the dialog, plays its script and returns.
    int RunModal(Dialog& dialog) override;

    // The next modal run of the dialog with this resource id plays script (then, if the
    // dialog is still open, the user clicks its close box). A modal run with no script
    // fails the test.
    void ScriptModal(int resource_id, Script script);
    // The answer to the next message box. A message box with no answer fails the test.
    void AnswerMessageBox(int button);
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return message_boxes_; }

    // Moves the virtual clock forward by ms, firing every timer that falls due, in time
    // order, and delivering posted commands.
    void AdvanceTime(int64_t ms);
    // Delivers posted commands and fires the timers due at the current time.
    void RunPending();

    // The most recently opened window of this resource, or nullptr.
    HeadlessDialogHost* Window(int resource_id);
    bool HasTimer(const HeadlessDialogHost* host, int timer_id) const;

private:
    friend class HeadlessDialogHost;
    struct Timer {
        HeadlessDialogHost* host;
        int id;
        int period_ms;
        int64_t due_ms;
    };
    struct Posted {
        HeadlessDialogHost* host;
        int command;
    };
    struct ScriptEntry {
        int resource_id;
        Script script;
    };

    HeadlessDialogHost* Create(Dialog& dialog);
    int RunScripted(Dialog& dialog);
    void Finish(HeadlessDialogHost* host);
    void DeliverPosted();
    Timer* NextTimer(int64_t until_ms);

    VirtualClock& clock_;
    std::deque<std::unique_ptr<HeadlessDialogHost>> hosts_;
    std::vector<Timer> timers_;
    std::deque<Posted> posted_;
    std::deque<ScriptEntry> scripts_;
    std::deque<int> answers_;
    std::vector<MessageBoxRecord> message_boxes_;
};

}  // namespace airvane
