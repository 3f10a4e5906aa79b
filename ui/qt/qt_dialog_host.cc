#include "ui/qt/qt_dialog_host.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>
#include <QWindowStateChangeEvent>

#include "ui/qt/qt_icons.h"

namespace airvane {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

Qt::Alignment LabelAlignment(uint32_t style) {
    Qt::Alignment align = Qt::AlignTop;
    if (style & kStyleRight) {
        return align | Qt::AlignRight;
    }
    if (style & kStyleCenter) {
        return align | Qt::AlignHCenter;
    }
    return align | Qt::AlignLeft;
}

Qt::Alignment ColumnAlignment(Align align) {
    switch (align) {
        case Align::kRight:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::kCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

// ---------------------------------------------------------------- FrameDialog

FrameDialog::FrameDialog(QtDialogHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      host_(host) {
    // Alt+F4 reaches the program as a key only where no window manager takes it; it is
    // the keyboard's close command.
    auto* alt_f4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    QObject::connect(alt_f4, &QShortcut::activated,
                     [this] { host_.FrameSystemCommand(kScClose, false); });
}

void FrameDialog::closeEvent(QCloseEvent* event) {
    if (host_.Closing()) {
        event->accept();
        return;
    }
    event->ignore();
    host_.FrameSystemCommand(kScClose, true);
}

void FrameDialog::keyPressEvent(QKeyEvent* event) {
    Key key = Key::kOther;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        key = Key::kEnter;
    } else if (event->key() == Qt::Key_Escape) {
        key = Key::kEscape;
    }
    if (key == Key::kOther) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (host_.FrameKey(key)) {
        event->accept();
        return;
    }
    if (key == Key::kEscape) {
        host_.FrameCloseRequest();
        return;
    }
    QDialog::keyPressEvent(event);  // Enter presses the default button
}

void FrameDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) &&
        !host_.Closing()) {
        // Minimising is a system command of the dialog; undo the window manager's own.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        QTimer::singleShot(0, this, [this] { host_.FrameSystemCommand(kScMinimize, true); });
    }
}

void FrameDialog::reject() {
    host_.FrameCloseRequest();
}

// ---------------------------------------------------------------- QtDialogHost

QtDialogHost::QtDialogHost(Dialog& dialog, QWidget* owner) : dialog_(&dialog), owner_(owner) {}

QtDialogHost::~QtDialogHost() {
    for (auto& [id, timer] : timers_) {
        delete timer;
    }
    closing_ = true;
    delete window_.data();
}

template <typename F>
void QtDialogHost::Deliver(F&& handler) {
    if (dialog_ == nullptr || ended_) {
        return;
    }
    handler(*dialog_);
}

template <typename T>
T* QtDialogHost::As(int id) const {
    return qobject_cast<T*>(Widget(id));
}

QWidget* QtDialogHost::Widget(int id) const {
    auto it = by_id_.find(id);
    return it == by_id_.end() ? nullptr : it->second;
}

bool QtDialogHost::Build() {
    template_ = FindDialogTemplate(dialog_->ResourceId());
    if (template_ == nullptr) {
        return false;
    }
    window_ = new FrameDialog(*this, owner_);
    window_->setWindowModality(Qt::ApplicationModal);
    QFont font = DialogFont(*template_);
    window_->setFont(font);
    units_ = ComputeBaseUnits(font);
    window_->setFixedSize(UnitsToPixelsX(units_, template_->width),
                          UnitsToPixelsY(units_, template_->height));
    if (template_->style & kDialogMinimizeBox) {
        window_->setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    }
    window_->setWindowTitle(QString::fromUtf8(template_->caption));
    QButtonGroup* group = nullptr;
    for (const ControlTemplate& c : template_->controls) {
        QWidget* widget = CreateWidget(c);
        if (c.kind == ControlKind::kRadioButton) {
            // Radio buttons of one group exclude each other, and only each other.
            if (group == nullptr || (c.style & kStyleGroup)) {
                group = new QButtonGroup(window_);
                radio_groups_.push_back(group);
            }
            group->addButton(static_cast<QRadioButton*>(widget));
        } else if (c.style & kStyleGroup) {
            group = nullptr;
        }
        QRect rect = UnitsToPixels(units_, c.x, c.y, c.w, c.h);
        if (c.kind == ControlKind::kDropDownList || c.kind == ControlKind::kDropDownCombo) {
            // The template's height is that of the opened list; the closed box is as high
            // as the font needs.
            rect.setHeight(units_.cy + 8);
        }
        if (c.kind == ControlKind::kIcon) {
            rect.setSize(QSize(32, 32));
        }
        widget->setGeometry(rect);
        widget->setVisible((c.style & kStyleHidden) == 0);
        widget->setEnabled((c.style & kStyleDisabled) == 0);
        widgets_.push_back({&c, widget});
        if (c.id != kStaticId) {
            by_id_.emplace(c.id, widget);
        }
        Connect(c, widget);
    }
    return true;
}

QWidget* QtDialogHost::CreateWidget(const ControlTemplate& c) {
    QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
        case ControlKind::kLabel: {
            auto* label = new QLabel(text, window_);
            label->setAlignment(LabelAlignment(c.style));
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::kGroupBox:
            return new QGroupBox(text, window_);
        case ControlKind::kPushButton:
        case ControlKind::kDefPushButton: {
            auto* button = new QPushButton(text, window_);
            button->setAutoDefault(false);
            button->setDefault(c.kind == ControlKind::kDefPushButton);
            return button;
        }
        case ControlKind::kCheckBox:
            return new QCheckBox(text, window_);
        case ControlKind::kRadioButton: {
            auto* radio = new QRadioButton(text, window_);
            radio->setAutoExclusive(false);
            return radio;
        }
        case ControlKind::kEdit: {
            auto* edit = new QLineEdit(window_);
            edit->setText(text);
            if (c.style & kStylePassword) {
                edit->setEchoMode(QLineEdit::Password);
            }
            return edit;
        }
        case ControlKind::kDropDownList:
        case ControlKind::kDropDownCombo: {
            auto* combo = new QComboBox(window_);
            combo->setEditable(c.kind == ControlKind::kDropDownCombo);
            combo->setInsertPolicy(QComboBox::NoInsert);
            // The template height holds the closed box and the opened list, about 8 units a line.
            combo->setMaxVisibleItems(std::max(1, (c.h - 12) / 8));
            return combo;
        }
        case ControlKind::kListView: {
            auto* list = new QTreeWidget(window_);
            list->setRootIsDecorated(false);
            list->setItemsExpandable(false);
            list->setUniformRowHeights(true);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setColumnCount(0);
            list->header()->setStretchLastSection(false);
            list->header()->setSectionsMovable(false);
            list->setHeaderHidden((c.style & kStyleReport) == 0);
            return list;
        }
        case ControlKind::kSlider: {
            auto* slider = new QSlider(Qt::Horizontal, window_);
            slider->setRange(0, 100);
            return slider;
        }
        case ControlKind::kProgressBar: {
            auto* bar = new QProgressBar(window_);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);
            return bar;
        }
        case ControlKind::kIcon: {
            auto* icon = new QLabel(window_);
            icon->setPixmap(ImagePixmap(c.image, 32));
            return icon;
        }
    }
    return new QWidget(window_);
}

void QtDialogHost::Connect(const ControlTemplate& c, QWidget* widget) {
    const int id = c.id;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] {
            Deliver([&](Dialog& d) { d.OnCommand(id, ControlEvent::kClicked); });
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this, [this, id] {
            Deliver([&](Dialog& d) { d.OnCommand(id, ControlEvent::kSelChange); });
        });
        if (combo->lineEdit() != nullptr) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, id] {
                Deliver([&](Dialog& d) { d.OnCommand(id, ControlEvent::kEditChange); });
            });
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, id] {
            Deliver([&](Dialog& d) { d.OnCommand(id, ControlEvent::kEditChange); });
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, id] {
            Deliver([&](Dialog& d) { d.OnCommand(id, ControlEvent::kKillFocus); });
        });
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
        connect(slider, &QSlider::actionTriggered, this, [this, id, slider](int action) {
            ScrollCode code = ScrollCode::kThumbTrack;
            switch (action) {
                case QAbstractSlider::SliderSingleStepAdd:
                    code = ScrollCode::kLineDown;
                    break;
                case QAbstractSlider::SliderSingleStepSub:
                    code = ScrollCode::kLineUp;
                    break;
                case QAbstractSlider::SliderPageStepAdd:
                    code = ScrollCode::kPageDown;
                    break;
                case QAbstractSlider::SliderPageStepSub:
                    code = ScrollCode::kPageUp;
                    break;
                case QAbstractSlider::SliderMove:
                    code = ScrollCode::kThumbTrack;
                    break;
                default:
                    return;
            }
            int pos = slider->sliderPosition();
            Deliver([&](Dialog& d) { d.OnScroll(id, code, pos); });
            if (code != ScrollCode::kThumbTrack) {
                Deliver([&](Dialog& d) { d.OnScroll(id, ScrollCode::kEnd, pos); });
            }
        });
        connect(slider, &QSlider::sliderReleased, this, [this, id, slider] {
            int pos = slider->sliderPosition();
            Deliver([&](Dialog& d) { d.OnScroll(id, ScrollCode::kThumbPosition, pos); });
            Deliver([&](Dialog& d) { d.OnScroll(id, ScrollCode::kEnd, pos); });
        });
    } else if (auto* list = qobject_cast<QTreeWidget*>(widget)) {
        connect(list, &QTreeWidget::itemClicked, this, [this, id, list](QTreeWidgetItem* item) {
            int row = list->indexOfTopLevelItem(item);
            Deliver([&](Dialog& d) { d.OnListEvent(id, ListEvent::kClick, row); });
        });
        connect(list, &QTreeWidget::itemDoubleClicked, this,
                [this, id, list](QTreeWidgetItem* item) {
                    int row = list->indexOfTopLevelItem(item);
                    Deliver([&](Dialog& d) { d.OnListEvent(id, ListEvent::kDoubleClick, row); });
                });
        connect(list->header(), &QHeaderView::sectionResized, this, [this, id, list] {
            if (list->header()->underMouse()) {
                Deliver([&](Dialog& d) { d.OnListEvent(id, ListEvent::kColumnDrag, -1); });
            }
        });
    }
}

int QtDialogHost::Run() {
    if (window_ == nullptr && !Build()) {
        return -1;
    }
    dialog_->BeginRun(this);
    if (!ended_) {
        if (!hidden_by_dialog_) {
            window_->show();
        }
        running_ = true;
        loop_.exec(QEventLoop::DialogExec);
        running_ = false;
    }
    for (auto& [id, timer] : timers_) {
        timer->stop();
    }
    closing_ = true;
    window_->hide();
    if (dialog_ != nullptr) {
        dialog_->EndRun();
    }
    return result_;
}

void QtDialogHost::FrameSystemCommand(int code, bool from_mouse) {
    bool handled = false;
    Deliver([&](Dialog& d) { handled = d.OnSystemCommand(code, from_mouse); });
    if (handled || dialog_ == nullptr || ended_) {
        return;
    }
    if ((code & 0xFFF0) == kScClose) {
        dialog_->OnCloseRequest();
    } else if ((code & 0xFFF0) == kScMinimize) {
        window_->showMinimized();
    }
}

bool QtDialogHost::FrameKey(Key key) {
    bool swallowed = false;
    Deliver([&](Dialog& d) { swallowed = d.OnKeyDown(key); });
    return swallowed;
}

void QtDialogHost::FrameCloseRequest() {
    Deliver([](Dialog& d) { d.OnCloseRequest(); });
}

void QtDialogHost::DialogDestroyed() {
    dialog_ = nullptr;
    EndDialog(kIdCancel);
}

// --- Controls.

void QtDialogHost::SetText(int id, const std::string& text) {
    QWidget* w = Widget(id);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(Q(text));
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(Q(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(Q(text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(Q(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            combo->setEditText(Q(text));
        }
    }
}

std::string QtDialogHost::GetText(int id) {
    QWidget* w = Widget(id);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return S(label->text());
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        return S(box->title());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return S(button->text());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return S(edit->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return S(combo->currentText());
    }
    return std::string();
}

void QtDialogHost::Show(int id, bool visible) {
    if (QWidget* w = Widget(id)) {
        w->setVisible(visible);
    }
}

bool QtDialogHost::IsVisible(int id) {
    QWidget* w = Widget(id);
    return w != nullptr && !w->isHidden();
}

void QtDialogHost::Enable(int id, bool enabled) {
    if (QWidget* w = Widget(id)) {
        w->setEnabled(enabled);
    }
}

bool QtDialogHost::IsEnabled(int id) {
    QWidget* w = Widget(id);
    return w != nullptr && w->isEnabled();
}

void QtDialogHost::SetFocus(int id) {
    if (QWidget* w = Widget(id)) {
        w->setFocus();
    }
}

void QtDialogHost::SetCheck(int id, int state) {
    auto* button = As<QAbstractButton>(id);
    if (button == nullptr) {
        return;
    }
    QButtonGroup* group = button->group();
    bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && state == 0) {
        group->setExclusive(false);  // an exclusive group cannot uncheck its checked button
    }
    button->setChecked(state != 0);
    if (exclusive) {
        group->setExclusive(true);
    }
}

int QtDialogHost::GetCheck(int id) {
    auto* button = As<QAbstractButton>(id);
    return button != nullptr && button->isChecked() ? 1 : 0;
}

void QtDialogHost::SetImage(int id, int image) {
    if (auto* label = As<QLabel>(id)) {
        label->setPixmap(ImagePixmap(image, 32));
    }
}

void QtDialogHost::ComboReset(int id) {
    if (auto* combo = As<QComboBox>(id)) {
        combo->clear();
    }
}

int QtDialogHost::ComboAdd(int id, const std::string& text) {
    auto* combo = As<QComboBox>(id);
    if (combo == nullptr) {
        return -1;
    }
    QString edit = combo->currentText();
    bool was_empty = combo->count() == 0;
    combo->addItem(Q(text));
    // A list gets no selection by being filled; the edit field keeps what it had.
    if (was_empty) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) {
            combo->setEditText(edit);
        }
    }
    return combo->count() - 1;
}

void QtDialogHost::ComboDelete(int id, int index) {
    if (auto* combo = As<QComboBox>(id)) {
        combo->removeItem(index);
    }
}

void QtDialogHost::ComboSelect(int id, int index) {
    if (auto* combo = As<QComboBox>(id)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

int QtDialogHost::ComboSelection(int id) {
    auto* combo = As<QComboBox>(id);
    return combo != nullptr ? combo->currentIndex() : -1;
}

int QtDialogHost::ComboCount(int id) {
    auto* combo = As<QComboBox>(id);
    return combo != nullptr ? combo->count() : 0;
}

std::string QtDialogHost::ComboItemText(int id, int index) {
    auto* combo = As<QComboBox>(id);
    return combo != nullptr && index >= 0 && index < combo->count() ? S(combo->itemText(index))
                                                                    : std::string();
}

int QtDialogHost::ComboFindExact(int id, const std::string& text) {
    auto* combo = As<QComboBox>(id);
    if (combo == nullptr) {
        return -1;
    }
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).compare(Q(text), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

int QtDialogHost::ListInsertColumn(int id, int column, const std::string& title, int width_px,
                                   Align align) {
    auto* list = As<QTreeWidget>(id);
    if (list == nullptr) {
        return -1;
    }
    int count = list->columnCount();
    column = std::clamp(column, 0, count);
    QTreeWidgetItem* header = list->headerItem();
    // Shift the titles and cells right of the new column.
    list->setColumnCount(count + 1);
    for (int c = count; c > column; --c) {
        header->setText(c, header->text(c - 1));
        header->setTextAlignment(c, Qt::Alignment(header->textAlignment(c - 1)));
        list->setColumnWidth(c, list->columnWidth(c - 1));
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            QTreeWidgetItem* item = list->topLevelItem(r);
            item->setText(c, item->text(c - 1));
        }
    }
    header->setText(column, Q(title));
    header->setTextAlignment(column, ColumnAlignment(align));
    list->setColumnWidth(column, width_px);
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        list->topLevelItem(r)->setText(column, QString());
    }
    return column;
}

void QtDialogHost::ListDeleteColumn(int id, int column) {
    auto* list = As<QTreeWidget>(id);
    if (list == nullptr || column < 0 || column >= list->columnCount()) {
        return;
    }
    int count = list->columnCount();
    QTreeWidgetItem* header = list->headerItem();
    for (int c = column; c + 1 < count; ++c) {
        header->setText(c, header->text(c + 1));
        header->setTextAlignment(c, Qt::Alignment(header->textAlignment(c + 1)));
        list->setColumnWidth(c, list->columnWidth(c + 1));
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            QTreeWidgetItem* item = list->topLevelItem(r);
            item->setText(c, item->text(c + 1));
        }
    }
    list->setColumnCount(count - 1);
}

int QtDialogHost::ListColumnCount(int id) {
    auto* list = As<QTreeWidget>(id);
    return list != nullptr ? list->columnCount() : 0;
}

int QtDialogHost::ListInsertRow(int id, int row, const std::string& text) {
    auto* list = As<QTreeWidget>(id);
    if (list == nullptr) {
        return -1;
    }
    row = std::clamp(row, 0, list->topLevelItemCount());
    auto* item = new QTreeWidgetItem();
    item->setText(0, Q(text));
    list->insertTopLevelItem(row, item);
    return row;
}

void QtDialogHost::ListSetCell(int id, int row, int column, const std::string& text) {
    auto* list = As<QTreeWidget>(id);
    if (list == nullptr || column < 0) {
        return;
    }
    if (QTreeWidgetItem* item = list->topLevelItem(row)) {
        item->setText(column, Q(text));
    }
}

std::string QtDialogHost::ListCell(int id, int row, int column) {
    auto* list = As<QTreeWidget>(id);
    QTreeWidgetItem* item = list != nullptr ? list->topLevelItem(row) : nullptr;
    return item != nullptr && column >= 0 ? S(item->text(column)) : std::string();
}

int QtDialogHost::ListRowCount(int id) {
    auto* list = As<QTreeWidget>(id);
    return list != nullptr ? list->topLevelItemCount() : 0;
}

void QtDialogHost::ListDeleteAllRows(int id) {
    if (auto* list = As<QTreeWidget>(id)) {
        list->clear();
    }
}

int QtDialogHost::ListSelectionMark(int id) {
    auto* list = As<QTreeWidget>(id);
    if (list == nullptr || list->currentItem() == nullptr) {
        return -1;
    }
    return list->indexOfTopLevelItem(list->currentItem());
}

void QtDialogHost::ListSetSelection(int id, int row) {
    if (auto* list = As<QTreeWidget>(id)) {
        list->setCurrentItem(list->topLevelItem(row));
    }
}

void QtDialogHost::ListSetFullRowSelect(int id, bool on) {
    if (auto* list = As<QTreeWidget>(id)) {
        list->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                      : QAbstractItemView::SelectItems);
    }
}

void QtDialogHost::SliderSetRange(int id, int min, int max) {
    if (auto* slider = As<QSlider>(id)) {
        slider->setRange(min, max);
    }
}

void QtDialogHost::SliderSetPos(int id, int pos) {
    if (auto* slider = As<QSlider>(id)) {
        slider->setValue(pos);
    }
}

int QtDialogHost::SliderPos(int id) {
    auto* slider = As<QSlider>(id);
    return slider != nullptr ? slider->sliderPosition() : 0;
}

void QtDialogHost::SliderSetTickFreq(int id, int freq) {
    if (auto* slider = As<QSlider>(id)) {
        slider->setTickInterval(freq);
        slider->setTickPosition(freq > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
    }
}

void QtDialogHost::SliderSetPageSize(int id, int page) {
    if (auto* slider = As<QSlider>(id)) {
        slider->setPageStep(page);
    }
}

void QtDialogHost::ProgressSetRange(int id, int min, int max) {
    if (auto* bar = As<QProgressBar>(id)) {
        bar->setRange(min, max);
    }
}

void QtDialogHost::ProgressSetPos(int id, int pos) {
    if (auto* bar = As<QProgressBar>(id)) {
        bar->setValue(std::clamp(pos, bar->minimum(), bar->maximum()));
    }
}

int QtDialogHost::ProgressPos(int id) {
    auto* bar = As<QProgressBar>(id);
    return bar != nullptr ? bar->value() : 0;
}

void QtDialogHost::EditSetLimit(int id, int max_chars) {
    QLineEdit* edit = As<QLineEdit>(id);
    if (edit == nullptr) {
        if (auto* combo = As<QComboBox>(id)) {
            edit = combo->lineEdit();
        }
    }
    if (edit != nullptr) {
        edit->setMaxLength(max_chars > 0 ? max_chars : 32767);
    }
}

void QtDialogHost::EditSetSel(int id, int start, int end) {
    if (auto* edit = As<QLineEdit>(id)) {
        if (start < 0) {
            edit->deselect();
        } else {
            int last = end < 0 ? int(edit->text().size()) : end;
            edit->setSelection(start, std::max(0, last - start));
        }
    }
}

// --- The window.

void QtDialogHost::SetTitle(const std::string& title) {
    window_->setWindowTitle(Q(title));
}
std::string QtDialogHost::GetTitle() {
    return S(window_->windowTitle());
}
void QtDialogHost::SetWindowIcon(int image) {
    window_->setWindowIcon(ImageIcon(image));
}

void QtDialogHost::ShowWindow(bool visible) {
    if (!running_) {
        // During initialisation: decides whether the run shows the window at all.
        hidden_by_dialog_ = !visible;
        return;
    }
    window_->setVisible(visible);
}

bool QtDialogHost::IsWindowVisible() {
    return running_ ? window_->isVisible() : !hidden_by_dialog_;
}

void QtDialogHost::MoveWindow(int x, int y) {
    window_->move(x, y);
}

void QtDialogHost::WindowPosition(int* x, int* y) {
    *x = window_->x();
    *y = window_->y();
}

void QtDialogHost::CenterWindow() {
    QScreen* screen =
        window_->screen() != nullptr ? window_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect area = screen->availableGeometry();
    QRect frame = window_->frameGeometry();
    window_->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void QtDialogHost::BringToForeground() {
    window_->raise();
    window_->activateWindow();
}

void QtDialogHost::EndDialog(int result) {
    if (ended_) {
        return;
    }
    ended_ = true;
    result_ = result;
    if (running_) {
        loop_.exit(0);
    }
}

int QtDialogHost::SetTimer(int timer_id, int period_ms) {
    if (timer_id == 0 || period_ms < 0 || ended_) {
        return 0;
    }
    QTimer*& timer = timers_[timer_id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this,
                [this, timer_id] { Deliver([&](Dialog& d) { d.OnTimer(timer_id); }); });
    }
    timer->start(std::max(period_ms, 1));
    return timer_id;
}

void QtDialogHost::KillTimer(int timer_id) {
    auto it = timers_.find(timer_id);
    if (it != timers_.end()) {
        it->second->stop();
    }
}

void QtDialogHost::PostCommand(int command) {
    QMetaObject::invokeMethod(
        this, [this, command] { Deliver([&](Dialog& d) { d.OnMenuCommand(command); }); },
        Qt::QueuedConnection);
}

int QtDialogHost::MessageBox(const std::string& text, const std::string& title,
                             MessageButtons buttons, MessageIcon icon) {
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::kInformation:
            qicon = QMessageBox::Information;
            break;
        case MessageIcon::kQuestion:
            qicon = QMessageBox::Question;
            break;
        case MessageIcon::kExclamation:
            qicon = QMessageBox::Warning;
            break;
        case MessageIcon::kNone:
            break;
    }
    QMessageBox::StandardButtons qbuttons =
        buttons == MessageButtons::kYesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;
    QMessageBox box(qicon, Q(title), Q(text), qbuttons, window_);
    box.setTextFormat(Qt::PlainText);
    box.setFont(window_->font());
    int pressed = box.exec();
    if (buttons == MessageButtons::kOk) {
        return kIdOk;
    }
    // Closing a Yes/No box without choosing counts as No.
    return pressed == QMessageBox::Yes ? kIdYes : kIdNo;
}

int QtDialogHost::RunModal(Dialog& child) {
    QtDialogHost host(child, window_);
    return host.Run();
}

}  // namespace airvane
