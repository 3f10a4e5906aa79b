#include "ui/headless/headless_window_system.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/utf8.h"

namespace airvane {
namespace {

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton ||
           kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton;
}

bool IsComboKind(ControlKind kind) {
    return kind == ControlKind::kDropDownList || kind == ControlKind::kDropDownCombo;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

bool ValidIndex(int index, size_t size) {
    return index >= 0 && size_t(index) < size;
}

}  // namespace

// ---------------------------------------------------------------- HeadlessDialogHost

HeadlessDialogHost::HeadlessDialogHost(HeadlessWindowSystem& system, Dialog& dialog,
                                       const DialogTemplate& dialog_template)
    : system_(system),
      dialog_(&dialog),
      template_(dialog_template),
      title_(dialog_template.caption) {
    for (const ControlTemplate& c : template_.controls) {
        Control control;
        control.tmpl = &c;
        control.text = c.text;
        control.visible = (c.style & kStyleHidden) == 0;
        control.enabled = (c.style & kStyleDisabled) == 0;
        control.image = c.image;
        controls_.push_back(control);
    }
}

HeadlessDialogHost::Control* HeadlessDialogHost::Get(int id) {
    for (Control& c : controls_) {
        if (c.tmpl->id == id && id != kStaticId) {
            return &c;
        }
    }
    ADD_FAILURE() << "dialog " << template_.resource_id << " has no control " << id;
    return nullptr;
}

const HeadlessDialogHost::Control* HeadlessDialogHost::Find(int id) const {
    for (const Control& c : controls_) {
        if (c.tmpl->id == id && id != kStaticId) {
            return &c;
        }
    }
    return nullptr;
}

HeadlessDialogHost::Control* HeadlessDialogHost::Reachable(int id, const char* action) {
    if (finished_) {
        ADD_FAILURE() << action << " on control " << id << " of dialog " << template_.resource_id
                      << ", which has closed";
        return nullptr;
    }
    Control* c = Get(id);
    if (c != nullptr && (!c->visible || !c->enabled)) {
        ADD_FAILURE() << action << " on control " << id << " of dialog " << template_.resource_id
                      << ", which is " << (c->visible ? "disabled" : "hidden");
        return nullptr;
    }
    return c;
}

void HeadlessDialogHost::AfterEvent() {
    system_.DeliverPosted();
    if (ended_ && !finished_) {
        system_.Finish(this);
    }
}

void HeadlessDialogHost::CheckRadio(const Control& clicked) {
    // The group runs from the radio marked as its first to the next control so marked.
    size_t index = size_t(&clicked - controls_.data());
    size_t begin = index;
    while (begin > 0 && (controls_[begin].tmpl->style & kStyleGroup) == 0) {
        --begin;
    }
    for (size_t i = begin; i < controls_.size(); ++i) {
        if (i > begin && (controls_[i].tmpl->style & kStyleGroup) != 0) {
            break;
        }
        if (controls_[i].tmpl->kind == ControlKind::kRadioButton) {
            controls_[i].check = i == index ? 1 : 0;
        }
    }
}

void HeadlessDialogHost::Click(int id) {
    Control* c = Reachable(id, "click");
    if (c == nullptr) {
        return;
    }
    if (!IsButtonKind(c->tmpl->kind)) {
        ADD_FAILURE() << "click on control " << id << ", which is not a button";
        return;
    }
    if (c->tmpl->kind == ControlKind::kCheckBox) {
        c->check = c->check == 1 ? 0 : 1;
    } else if (c->tmpl->kind == ControlKind::kRadioButton) {
        CheckRadio(*c);
    }
    dialog_->OnCommand(id, ControlEvent::kClicked);
    AfterEvent();
}

void HeadlessDialogHost::DoubleClick(int id) {
    if (Reachable(id, "double click") != nullptr) {
        dialog_->OnCommand(id, ControlEvent::kDoubleClicked);
        AfterEvent();
    }
}

void HeadlessDialogHost::Select(int id, int index) {
    Control* c = Reachable(id, "select");
    if (c == nullptr) {
        return;
    }
    if (!IsComboKind(c->tmpl->kind) || !ValidIndex(index, c->items.size())) {
        ADD_FAILURE() << "select entry " << index << " of control " << id << " with "
                      << c->items.size() << " entries";
        return;
    }
    c->selection = index;
    c->text = c->items[size_t(index)];
    dialog_->OnCommand(id, ControlEvent::kSelChange);
    AfterEvent();
}

void HeadlessDialogHost::SelectText(int id, const std::string& text) {
    const Control* c = Find(id);
    int index = -1;
    if (c != nullptr) {
        auto it = std::find(c->items.begin(), c->items.end(), text);
        index = it == c->items.end() ? -1 : int(it - c->items.begin());
    }
    if (index < 0) {
        ADD_FAILURE() << "control " << id << " has no entry \"" << text << "\"";
        return;
    }
    Select(id, index);
}

void HeadlessDialogHost::Type(int id, const std::string& text) {
    Control* c = Reachable(id, "type");
    if (c == nullptr) {
        return;
    }
    if (c->tmpl->kind != ControlKind::kEdit && c->tmpl->kind != ControlKind::kDropDownCombo) {
        ADD_FAILURE() << "type into control " << id << ", which has no edit field";
        return;
    }
    c->text = c->limit > 0 ? utf8::CutToChars(text, size_t(c->limit)) : text;
    if (c->tmpl->kind == ControlKind::kDropDownCombo) {
        c->selection = -1;
    }
    dialog_->OnCommand(id, ControlEvent::kEditChange);
    AfterEvent();
}

void HeadlessDialogHost::LeaveField(int id) {
    if (Reachable(id, "leave") != nullptr) {
        dialog_->OnCommand(id, ControlEvent::kKillFocus);
        AfterEvent();
    }
}

void HeadlessDialogHost::DragSlider(int id, int pos) {
    Control* c = Reachable(id, "drag");
    if (c == nullptr) {
        return;
    }
    c->pos = std::clamp(pos, c->min, std::max(c->min, c->max));
    // A drag reports the moving thumb, its final position and the end of the drag.
    for (ScrollCode code :
         {ScrollCode::kThumbTrack, ScrollCode::kThumbPosition, ScrollCode::kEnd}) {
        dialog_->OnScroll(id, code, c->pos);
        if (ended_) {
            break;
        }
    }
    AfterEvent();
}

void HeadlessDialogHost::ClickRow(int id, int row) {
    Control* c = Reachable(id, "click row");
    if (c == nullptr) {
        return;
    }
    c->selection_mark = ValidIndex(row, c->rows.size()) ? row : -1;
    dialog_->OnListEvent(id, ListEvent::kClick, c->selection_mark);
    AfterEvent();
}

void HeadlessDialogHost::DoubleClickRow(int id, int row) {
    Control* c = Reachable(id, "double click row");
    if (c == nullptr) {
        return;
    }
    c->selection_mark = ValidIndex(row, c->rows.size()) ? row : -1;
    dialog_->OnListEvent(id, ListEvent::kDoubleClick, c->selection_mark);
    AfterEvent();
}

void HeadlessDialogHost::PressKey(Key key) {
    if (finished_) {
        ADD_FAILURE() << "key press in dialog " << template_.resource_id << ", which has closed";
        return;
    }
    if (!dialog_->OnKeyDown(key)) {
        if (key == Key::kEscape) {
            dialog_->OnCloseRequest();
        } else if (key == Key::kEnter) {
            for (Control& c : controls_) {
                if (c.tmpl->kind == ControlKind::kDefPushButton && c.visible && c.enabled) {
                    dialog_->OnCommand(c.tmpl->id, ControlEvent::kClicked);
                    break;
                }
            }
        }
    }
    AfterEvent();
}

void HeadlessDialogHost::CloseBox() {
    SystemCommand(kScClose, true);
}

void HeadlessDialogHost::SystemCommand(int code, bool from_mouse) {
    if (finished_) {
        ADD_FAILURE() << "system command in dialog " << template_.resource_id
                      << ", which has closed";
        return;
    }
    if (!dialog_->OnSystemCommand(code, from_mouse)) {
        if ((code & 0xFFF0) == kScClose) {
            dialog_->OnCloseRequest();
        } else if ((code & 0xFFF0) == kScMinimize) {
            window_visible_ = false;
        }
    }
    AfterEvent();
}

std::vector<std::string> HeadlessDialogHost::ComboItems(int id) const {
    const Control* c = Find(id);
    return c != nullptr ? c->items : std::vector<std::string>{};
}

void HeadlessDialogHost::SetText(int id, const std::string& text) {
    if (Control* c = Get(id)) {
        c->text = c->limit > 0 && c->tmpl->kind == ControlKind::kEdit
                      ? utf8::CutToChars(text, size_t(c->limit))
                      : text;
    }
}

std::string HeadlessDialogHost::GetText(int id) {
    Control* c = Get(id);
    return c != nullptr ? c->text : std::string();
}

void HeadlessDialogHost::Show(int id, bool visible) {
    if (Control* c = Get(id)) {
        c->visible = visible;
    }
}

bool HeadlessDialogHost::IsVisible(int id) {
    Control* c = Get(id);
    return c != nullptr && c->visible;
}

void HeadlessDialogHost::Enable(int id, bool enabled) {
    if (Control* c = Get(id)) {
        c->enabled = enabled;
    }
}

bool HeadlessDialogHost::IsEnabled(int id) {
    Control* c = Get(id);
    return c != nullptr && c->enabled;
}

void HeadlessDialogHost::SetFocus(int id) {
    Get(id);
}

void HeadlessDialogHost::SetCheck(int id, int state) {
    if (Control* c = Get(id)) {
        c->check = state;
    }
}

int HeadlessDialogHost::GetCheck(int id) {
    Control* c = Get(id);
    return c != nullptr ? c->check : 0;
}

void HeadlessDialogHost::SetImage(int id, int image) {
    if (Control* c = Get(id)) {
        c->image = image;
    }
}

void HeadlessDialogHost::ComboReset(int id) {
    if (Control* c = Get(id)) {
        c->items.clear();
        c->selection = -1;
        if (c->tmpl->kind == ControlKind::kDropDownList) {
            c->text.clear();
        }
    }
}

int HeadlessDialogHost::ComboAdd(int id, const std::string& text) {
    Control* c = Get(id);
    if (c == nullptr) {
        return -1;
    }
    c->items.push_back(text);
    return int(c->items.size()) - 1;
}

void HeadlessDialogHost::ComboDelete(int id, int index) {
    Control* c = Get(id);
    if (c == nullptr || !ValidIndex(index, c->items.size())) {
        return;
    }
    c->items.erase(c->items.begin() + index);
    if (c->selection == index) {
        c->selection = -1;
    } else if (c->selection > index) {
        --c->selection;
    }
}

void HeadlessDialogHost::ComboSelect(int id, int index) {
    Control* c = Get(id);
    if (c == nullptr) {
        return;
    }
    c->selection = ValidIndex(index, c->items.size()) ? index : -1;
    if (c->selection >= 0) {
        c->text = c->items[size_t(index)];
    } else if (c->tmpl->kind == ControlKind::kDropDownList) {
        c->text.clear();
    }
}

int HeadlessDialogHost::ComboSelection(int id) {
    Control* c = Get(id);
    return c != nullptr ? c->selection : -1;
}

int HeadlessDialogHost::ComboCount(int id) {
    Control* c = Get(id);
    return c != nullptr ? int(c->items.size()) : 0;
}

std::string HeadlessDialogHost::ComboItemText(int id, int index) {
    Control* c = Get(id);
    return c != nullptr && ValidIndex(index, c->items.size()) ? c->items[size_t(index)]
                                                              : std::string();
}

int HeadlessDialogHost::ComboFindExact(int id, const std::string& text) {
    Control* c = Get(id);
    if (c == nullptr) {
        return -1;
    }
    for (size_t i = 0; i < c->items.size(); ++i) {
        if (EqualNoCase(c->items[i], text)) {
            return int(i);
        }
    }
    return -1;
}

int HeadlessDialogHost::ListInsertColumn(int id, int column, const std::string& title, int width_px,
                                         Align align) {
    Control* c = Get(id);
    if (c == nullptr) {
        return -1;
    }
    column = std::clamp(column, 0, int(c->columns.size()));
    c->columns.insert(c->columns.begin() + column, Column{title, width_px, align});
    for (auto& row : c->rows) {
        row.insert(row.begin() + std::min(column, int(row.size())), std::string());
    }
    return column;
}

void HeadlessDialogHost::ListDeleteColumn(int id, int column) {
    Control* c = Get(id);
    if (c == nullptr || !ValidIndex(column, c->columns.size())) {
        return;
    }
    c->columns.erase(c->columns.begin() + column);
    for (auto& row : c->rows) {
        if (ValidIndex(column, row.size())) {
            row.erase(row.begin() + column);
        }
    }
}

int HeadlessDialogHost::ListColumnCount(int id) {
    Control* c = Get(id);
    return c != nullptr ? int(c->columns.size()) : 0;
}

int HeadlessDialogHost::ListInsertRow(int id, int row, const std::string& text) {
    Control* c = Get(id);
    if (c == nullptr) {
        return -1;
    }
    row = std::clamp(row, 0, int(c->rows.size()));
    std::vector<std::string> cells(std::max<size_t>(c->columns.size(), 1));
    cells[0] = text;
    c->rows.insert(c->rows.begin() + row, cells);
    return row;
}

void HeadlessDialogHost::ListSetCell(int id, int row, int column, const std::string& text) {
    Control* c = Get(id);
    if (c == nullptr || !ValidIndex(row, c->rows.size()) || column < 0) {
        return;
    }
    auto& cells = c->rows[size_t(row)];
    if (size_t(column) >= cells.size()) {
        cells.resize(size_t(column) + 1);
    }
    cells[size_t(column)] = text;
}

std::string HeadlessDialogHost::ListCell(int id, int row, int column) {
    Control* c = Get(id);
    if (c == nullptr || !ValidIndex(row, c->rows.size()) ||
        !ValidIndex(column, c->rows[size_t(row)].size())) {
        return std::string();
    }
    return c->rows[size_t(row)][size_t(column)];
}

int HeadlessDialogHost::ListRowCount(int id) {
    Control* c = Get(id);
    return c != nullptr ? int(c->rows.size()) : 0;
}

void HeadlessDialogHost::ListDeleteAllRows(int id) {
    if (Control* c = Get(id)) {
        c->rows.clear();
        c->selection_mark = -1;
    }
}

int HeadlessDialogHost::ListSelectionMark(int id) {
    Control* c = Get(id);
    return c != nullptr ? c->selection_mark : -1;
}

void HeadlessDialogHost::ListSetSelection(int id, int row) {
    if (Control* c = Get(id)) {
        c->selection_mark = ValidIndex(row, c->rows.size()) ? row : -1;
    }
}

void HeadlessDialogHost::ListSetFullRowSelect(int id, bool on) {
    if (Control* c = Get(id)) {
        c->full_row_select = on;
    }
}

void HeadlessDialogHost::SliderSetRange(int id, int min, int max) {
    if (Control* c = Get(id)) {
        c->min = min;
        c->max = max;
        c->pos = std::clamp(c->pos, min, std::max(min, max));
    }
}

void HeadlessDialogHost::SliderSetPos(int id, int pos) {
    if (Control* c = Get(id)) {
        c->pos = std::clamp(pos, c->min, std::max(c->min, c->max));
    }
}

int HeadlessDialogHost::SliderPos(int id) {
    Control* c = Get(id);
    return c != nullptr ? c->pos : 0;
}

void HeadlessDialogHost::SliderSetTickFreq(int id, int freq) {
    if (Control* c = Get(id)) {
        c->tick_freq = freq;
    }
}

void HeadlessDialogHost::SliderSetPageSize(int id, int page) {
    if (Control* c = Get(id)) {
        c->page = page;
    }
}

void HeadlessDialogHost::ProgressSetRange(int id, int min, int max) {
    SliderSetRange(id, min, max);
}
void HeadlessDialogHost::ProgressSetPos(int id, int pos) {
    SliderSetPos(id, pos);
}
int HeadlessDialogHost::ProgressPos(int id) {
    return SliderPos(id);
}

void HeadlessDialogHost::EditSetLimit(int id, int max_chars) {
    if (Control* c = Get(id)) {
        c->limit = std::max(0, max_chars);
    }
}

void HeadlessDialogHost::EditSetSel(int id, int start, int end) {
    if (Control* c = Get(id)) {
        c->sel_start = start;
        c->sel_end = end;
    }
}

void HeadlessDialogHost::SetTitle(const std::string& title) {
    title_ = title;
}
std::string HeadlessDialogHost::GetTitle() {
    return title_;
}
void HeadlessDialogHost::SetWindowIcon(int) {}
void HeadlessDialogHost::ShowWindow(bool visible) {
    window_visible_ = visible;
}
bool HeadlessDialogHost::IsWindowVisible() {
    return window_visible_;
}

void HeadlessDialogHost::MoveWindow(int x, int y) {
    x_ = x;
    y_ = y;
    centred_ = false;
}

void HeadlessDialogHost::WindowPosition(int* x, int* y) {
    *x = x_;
    *y = y_;
}

void HeadlessDialogHost::CenterWindow() {
    x_ = 0;
    y_ = 0;
    centred_ = true;
}

void HeadlessDialogHost::BringToForeground() {
    ++foreground_count_;
}

void HeadlessDialogHost::EndDialog(int result) {
    if (!ended_) {
        ended_ = true;
        result_ = result;
    }
}

int HeadlessDialogHost::SetTimer(int timer_id, int period_ms) {
    if (timer_id == 0 || period_ms < 0 || finished_) {
        return 0;
    }
    KillTimer(timer_id);
    system_.timers_.push_back(
        {this, timer_id, std::max(period_ms, 1), system_.clock_.NowMs() + std::max(period_ms, 1)});
    return timer_id;
}

void HeadlessDialogHost::KillTimer(int timer_id) {
    auto& timers = system_.timers_;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const HeadlessWindowSystem::Timer& t) {
                                    return t.host == this && t.id == timer_id;
                                }),
                 timers.end());
}

void HeadlessDialogHost::PostCommand(int command) {
    system_.posted_.push_back({this, command});
}

int HeadlessDialogHost::MessageBox(const std::string& text, const std::string& title,
                                   MessageButtons buttons, MessageIcon icon) {
    int answer = buttons == MessageButtons::kOk ? kIdOk : kIdYes;
    if (system_.answers_.empty()) {
        ADD_FAILURE() << "unscripted message box \"" << title << "\": " << text;
    } else {
        int scripted = system_.answers_.front();
        system_.answers_.pop_front();
        bool fits = buttons == MessageButtons::kOk ? scripted == kIdOk
                                                   : (scripted == kIdYes || scripted == kIdNo);
        if (fits) {
            answer = scripted;
        } else {
            ADD_FAILURE() << "answer " << scripted << " does not fit message box: " << text;
        }
    }
    system_.message_boxes_.push_back({text, title, buttons, icon, answer});
    return answer;
}

int HeadlessDialogHost::RunModal(Dialog& child) {
    return system_.RunScripted(child);
}

void HeadlessDialogHost::DialogDestroyed() {
    dialog_ = nullptr;
    if (!ended_) {
        EndDialog(kIdCancel);
    }
    if (!finished_) {
        system_.Finish(this);
    }
}

// ---------------------------------------------------------------- HeadlessWindowSystem

HeadlessWindowSystem::HeadlessWindowSystem(VirtualClock& clock) : clock_(clock) {}

HeadlessWindowSystem::~HeadlessWindowSystem() {
    for (auto& host : hosts_) {
        if (!host->finished_) {
            host->EndDialog(kIdCancel);
            Finish(host.get());
        }
    }
    for (const ScriptEntry& entry : scripts_) {
        ADD_FAILURE() << "the script for dialog " << entry.resource_id << " was never played";
    }
    if (!answers_.empty()) {
        ADD_FAILURE() << answers_.size() << " message box answer(s) never used";
    }
}

HeadlessDialogHost* HeadlessWindowSystem::Create(Dialog& dialog) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.ResourceId());
    if (tmpl == nullptr) {
        ADD_FAILURE() << "no template for dialog resource " << dialog.ResourceId();
        return nullptr;
    }
    hosts_.push_back(std::make_unique<HeadlessDialogHost>(*this, dialog, *tmpl));
    HeadlessDialogHost* host = hosts_.back().get();
    dialog.BeginRun(host);
    host->AfterEvent();
    return host;
}

HeadlessDialogHost& HeadlessWindowSystem::Open(Dialog& dialog) {
    HeadlessDialogHost* host = Create(dialog);
    if (host == nullptr) {
        static HeadlessDialogHost* none = nullptr;
        std::abort();
        return *none;
    }
    return *host;
}

int HeadlessWindowSystem::RunModal(Dialog& dialog) {
    return RunScripted(dialog);
}

int HeadlessWindowSystem::RunScripted(Dialog& dialog) {
    auto it = std::find_if(scripts_.begin(), scripts_.end(), [&](const ScriptEntry& e) {
        return e.resource_id == dialog.ResourceId();
    });
    if (it == scripts_.end()) {
        ADD_FAILURE() << "unscripted modal run of dialog " << dialog.ResourceId();
        return -1;
    }
    Script script = std::move(it->script);
    scripts_.erase(it);
    HeadlessDialogHost* host = Create(dialog);
    if (host == nullptr) {
        return -1;
    }
    if (!host->finished_ && script) {
        script(*host);
    }
    if (!host->ended_) {
        host->CloseBox();
    }
    if (host->ended_ && !host->finished_) {
        Finish(host);
    }
    if (!host->finished_) {
        ADD_FAILURE() << "dialog " << dialog.ResourceId() << " did not close after its script";
        host->EndDialog(kIdCancel);
        Finish(host);
    }
    return host->result_;
}

void HeadlessWindowSystem::Finish(HeadlessDialogHost* host) {
    host->finished_ = true;
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.host == host; }),
                  timers_.end());
    std::erase_if(posted_, [&](const Posted& p) { return p.host == host; });
    if (host->dialog_ != nullptr) {
        host->dialog_->EndRun();
    }
}

void HeadlessWindowSystem::ScriptModal(int resource_id, Script script) {
    scripts_.push_back({resource_id, std::move(script)});
}

void HeadlessWindowSystem::AnswerMessageBox(int button) {
    answers_.push_back(button);
}

void HeadlessWindowSystem::DeliverPosted() {
    while (!posted_.empty()) {
        Posted p = posted_.front();
        posted_.pop_front();
        if (!p.host->finished_) {
            p.host->dialog_->OnMenuCommand(p.command);
            if (p.host->ended_ && !p.host->finished_) {
                Finish(p.host);
            }
        }
    }
}

HeadlessWindowSystem::Timer* HeadlessWindowSystem::NextTimer(int64_t until_ms) {
    Timer* next = nullptr;
    for (Timer& t : timers_) {
        if (t.due_ms <= until_ms && (next == nullptr || t.due_ms < next->due_ms)) {
            next = &t;
        }
    }
    return next;
}

void HeadlessWindowSystem::AdvanceTime(int64_t ms) {
    const int64_t target = clock_.NowMs() + std::max<int64_t>(ms, 0);
    DeliverPosted();
    while (Timer* t = NextTimer(target)) {
        if (t->due_ms > clock_.NowMs()) {
            clock_.Advance(t->due_ms - clock_.NowMs());
        }
        HeadlessDialogHost* host = t->host;
        int id = t->id;
        t->due_ms = clock_.NowMs() + t->period_ms;
        host->dialog_->OnTimer(id);  // may add or kill timers: t is not used after this
        host->AfterEvent();
    }
    if (target > clock_.NowMs()) {
        clock_.Advance(target - clock_.NowMs());
    }
}

void HeadlessWindowSystem::RunPending() {
    AdvanceTime(0);
}

HeadlessDialogHost* HeadlessWindowSystem::Window(int resource_id) {
    for (auto it = hosts_.rbegin(); it != hosts_.rend(); ++it) {
        if ((*it)->ResourceId() == resource_id) {
            return it->get();
        }
    }
    return nullptr;
}

bool HeadlessWindowSystem::HasTimer(const HeadlessDialogHost* host, int timer_id) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return t.host == host && t.id == timer_id; });
}

}  // namespace airvane
