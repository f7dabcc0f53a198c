#include "app/announcement.h"

#include <utility>

#include "app/chat_clients.h"
#include "app/guarded_step.h"
#include "app/main_window_description.h"
#include "message/compose_message.h"

namespace marquill {
namespace {

namespace id = mainwindow::id;

}  // namespace

Announcement::Announcement(MainView& view, WindowServices& windows, SharedMemory& memory, const Clock& clock)
    : view_(view), clock_(clock), drivers_(windows, memory) {}

void Announcement::titleChanged() {
    if (running_) {
        titleChangedMeanwhile_ = true;
        return;
    }
    oneAtATime(&Announcement::announce);
}

void Announcement::retryDrafts() {
    if (!running_ && drafts_.due(clock_)) {
        oneAtATime(&Announcement::deliverDrafts);
    }
}

void Announcement::oneAtATime(void (Announcement::*work)()) {
    running_ = true;
    const struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{running_};
    titleChangedMeanwhile_ = false;
    (this->*work)();
    while (titleChangedMeanwhile_) {
        titleChangedMeanwhile_ = false;
        announce();
    }
}

void Announcement::announce() {
    drafts_.clear();
    PlaceholderValues values;
    if (!guarded([&] {
            values = {view_.text(id::kTxtTitle),
                      view_.text(id::kLbltTime),
                      view_.text(id::kLblTrackNumber),
                      view_.text(id::kLblTrackPer),
                      view_.text(id::kLblTotalTracks),
                      {},
                      {}};
        }) ||
        values.title.empty()) {
        return;  // an empty title (announcing switched off, the player closed) has no song to tell anyone about
    }
    // The clock is read only for a song to announce, once for all four clients.
    LocalTimeTexts now = clock_.localTimeTexts();
    values.timeOfDay = std::move(now.timeOfDay);
    values.date = std::move(now.date);
    for (int client = 0; client < kClientCount && !titleChangedMeanwhile_; ++client) {
        const ChatClientInfo& info = kClients[static_cast<std::size_t>(client)];
        guarded([&] {
            const std::wstring templateText = view_.text(id::txtData(client));
            if (templateText.empty()) {
                return;
            }
            const std::wstring message = info.linesAreCommands ? ComposeIrcMessage(templateText, values)
                                                               : ComposeMessage(templateText, values, info.markup);
            if (send(client, message) == Delivery::InputHasText) {
                drafts_.hold(client, values.title, message, clock_.secondsSinceMidnight());
            }
        });
    }
}

void Announcement::deliverDrafts() {
    std::wstring title;
    if (!guarded([&] { title = view_.text(id::kTxtTitle); })) {
        return;
    }
    for (int client = 0; client < kClientCount && !titleChangedMeanwhile_; ++client) {
        guarded([&] {
            const std::wstring* message = drafts_.waitingFor(client, title);
            if (message && send(client, *message) != Delivery::InputHasText) {
                drafts_.release(client);
            }
        });
    }
}

Delivery Announcement::send(int client, const std::wstring& message) {
    return (drivers_.*kClients[static_cast<std::size_t>(client)].send)(message);
}

}  // namespace marquill
