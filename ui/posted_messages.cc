#include "ui/posted_messages.h"

#include <mutex>
#include <utility>

namespace airvane {
namespace {

struct Mailbox {
    std::mutex mutex;
    std::vector<PostedMessage> messages;
};

Mailbox& TheMailbox() {
    static Mailbox mailbox;
    return mailbox;
}

}  // namespace

void PostMessageBox(const PostedMessage& message) {
    Mailbox& box = TheMailbox();
    std::lock_guard<std::mutex> lock(box.mutex);
    box.messages.push_back(message);
}

std::vector<PostedMessage> TakePostedMessages() {
    Mailbox& box = TheMailbox();
    std::lock_guard<std::mutex> lock(box.mutex);
    return std::exchange(box.messages, {});
}

void ResetPostedMessages() {
    Mailbox& box = TheMailbox();
    std::lock_guard<std::mutex> lock(box.mutex);
    box.messages.clear();
}

}  // namespace airvane
