#pragma once
#include <string>
#include <vector>

#include "ui/dialog_ids.h"

namespace airvane {

// A message box that a thread other than the main thread wants shown. Only the main
// thread touches windows, so such a thread posts the message here and goes on at once;
// it never waits for the user (the authentication session must stay stoppable while the
// message is open).
struct PostedMessage {
    std::string text;
    std::string title;
    MessageButtons buttons = MessageButtons::kOk;
    MessageIcon icon = MessageIcon::kNone;
};

// The process-wide mailbox of posted messages. Post is safe from any thread; the main
// window takes the messages at its next timer tick and shows them.
void PostMessageBox(const PostedMessage& message);
std::vector<PostedMessage> TakePostedMessages();
void ResetPostedMessages();

}  // namespace airvane
