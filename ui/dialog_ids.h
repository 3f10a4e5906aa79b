#pragma once

namespace airvane {

// The program's dialogs in the open-dialog chain.
enum DialogId : int {
    kDialogMainPage = 0,
    kDialogBasicSetting = 1,
    kDialogAdvancedSetting = 2,
    kDialogWepSetting = 3,
    kDialogInformation = 4,
    kDialogApBasicSetting = 5,
    kDialogApMacFilter = 6,
    kDialogDot1xSetting = 7,
    kDialogWepInfo = 8,
};

// Results of a modal run and buttons of a message box.
enum DialogResult : int {
    kResultNone = 0,
    kIdOk = 1,
    kIdCancel = 2,
    kIdYes = 6,
    kIdNo = 7,
};

enum class MessageButtons { kOk, kYesNo };
enum class MessageIcon { kNone, kInformation, kQuestion, kExclamation };

// Notifications of a control to its dialog.
enum class ControlEvent {
    kClicked,        // button, check box, radio button
    kDoubleClicked,  // button
    kSelChange,      // drop-down list or combobox: the selection changed
    kEditChange,     // edit, or the edit field of a combobox: the text changed
    kKillFocus,      // edit lost the focus
};

// Notifications of a list view.
enum class ListEvent { kClick, kDoubleClick, kKeyDown, kColumnDrag };

// Scroll notifications of a slider.
enum class ScrollCode { kLineUp, kLineDown, kPageUp, kPageDown, kThumbTrack, kThumbPosition, kEnd };

// System commands of the window frame.
inline constexpr int kScMinimize = 0xF020;
inline constexpr int kScClose = 0xF060;

// Keys the dialogs look at.
enum class Key { kEnter, kEscape, kOther };

enum class Align { kLeft, kRight, kCenter };

}  // namespace airvane
