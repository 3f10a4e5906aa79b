#pragma once
#include <QDialog>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <map>
#include <string>
#include <vector>

#include "resources/dialog_template.h"
#include "ui/dialog.h"
#include "ui/dialog_host.h"
#include "ui/qt/dialog_units.h"

class QButtonGroup;
class QTimer;

namespace airvane {

class QtDialogHost;

// The dialog window: a QDialog whose frame events go to the host, so that the dialog
// decides what the close box, minimise, Enter and Escape do.
class FrameDialog : public QDialog {
public:
    FrameDialog(QtDialogHost& host, QWidget* parent);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override;

private:
    QtDialogHost& host_;
};

// One dialog window built from its template, with absolutely positioned widgets. Run()
// is the modal run: it initialises the dialog, shows the window unless the dialog hid
// it while initialising, and processes events until the dialog ends.
class QtDialogHost : public QObject, public DialogHost {
    Q_OBJECT

public:
    QtDialogHost(Dialog& dialog, QWidget* owner);
    ~QtDialogHost() override;

    // Creates the window and its controls; false when the dialog has no template.
    bool Build();
    int Run();

    // For tests and screenshots.
    QDialog* Window() { return window_; }
    QWidget* Widget(int id) const;
    const BaseUnits& Units() const { return units_; }
    // Every widget with its template entry, in template order.
    const std::vector<std::pair<const ControlTemplate*, QWidget*>>& Widgets() const {
        return widgets_;
    }

    // Called by the frame.
    void FrameSystemCommand(int code, bool from_mouse);
    bool FrameKey(Key key);  // true when the dialog swallowed it
    void FrameCloseRequest();
    bool Closing() const { return closing_; }

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
    QWidget* CreateWidget(const ControlTemplate& control);
    void Connect(const ControlTemplate& control, QWidget* widget);
    // Runs a handler of the dialog unless the dialog has gone or the run has ended.
    template <typename F>
    void Deliver(F&& handler);
    template <typename T>
    T* As(int id) const;

    Dialog* dialog_;
    QWidget* owner_;
    const DialogTemplate* template_ = nullptr;
    QPointer<FrameDialog> window_;
    BaseUnits units_;
    std::vector<std::pair<const ControlTemplate*, QWidget*>> widgets_;
    std::map<int, QWidget*> by_id_;
    std::vector<QButtonGroup*> radio_groups_;
    std::map<int, QTimer*> timers_;
    QEventLoop loop_;
    bool running_ = false;
    bool ended_ = false;
    bool closing_ = false;
    bool hidden_by_dialog_ = false;
    int result_ = kResultNone;
};

}  // namespace airvane
