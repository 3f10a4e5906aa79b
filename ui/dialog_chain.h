#pragma once
#include <functional>

namespace airvane {

class Dialog;

// The open-dialog chain: the process-wide ActiveDialogId (the dialog opened last and
// still open) and the registry of open dialogs by DialogId. Each dialog links to its
// opener through m_nOpenerId, so walking from ActiveDialogId reaches every open dialog.
int& ActiveDialogId();

// Registers an initialising dialog under its id and makes it the active one. The
// WPA / 802.1X dialog (id 7) and ids outside 0 to 8 never join the chain.
void RegisterOpenDialog(Dialog* dialog);
// Removes the dialog's entry (only if it is still the one registered under its id).
void UnregisterOpenDialog(Dialog* dialog);
// The open dialog registered under id, or nullptr.
Dialog* FindOpenDialog(int id);
// Forgets every registration and sets ActiveDialogId to 0. For tests.
void ResetDialogChain();

// The text walk of the language change: refreshes the texts of the dialog with
// start_id, then of its opener, and so on. The main page (0) is refreshed and ends the
// walk; id 7, an id outside 0 to 8 or an id without an open dialog end it without a
// refresh.
void RefreshOpenDialogTexts(int start_id);

// The closing walk from ActiveDialogId: every open dialog 1 to 6 and 8 is ended with
// result and the walk goes on at its opener; at the main page (0) at_main_page is
// called and the walk ends; any other id ends it.
void CloseOpenDialogs(int result, const std::function<void(Dialog& main_page)>& at_main_page);

}  // namespace airvane
