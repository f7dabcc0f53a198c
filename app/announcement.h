#pragma once

#include "app/drafts.h"
#include "app/main_view.h"
#include "chat/chat_drivers.h"
#include "platform/clock.h"
#include "platform/shared_memory.h"
#include "platform/window_services.h"

namespace marquill {

// The announcement of each new title to every client with a template, and the messages that wait for a user's
// draft. One runs at a time: a chat window handles other programs' messages while it is waited for, and a title
// change raised then ends the delivery of the old song, to be announced itself once the running one has ended.
class Announcement {
public:
    Announcement(MainView& view, WindowServices& windows, SharedMemory& memory, const Clock& clock);

    // The change event of the title box, raised inside each change of its text: announces the title unless it is
    // empty.
    void titleChanged();
    // From the polling tick: the waiting messages tried again while their song plays, at most every
    // Drafts::kRetrySeconds; nothing to do when none waits.
    void retryDrafts();

private:
    // Runs `work`, then each title change raised inside it, once, as announcements of their own.
    void oneAtATime(void (Announcement::*work)());
    // Composes each client's message from its template and the holders, read once for all four, and hands it to
    // the client's driver; nothing for an empty title.
    void announce();
    void deliverDrafts();
    Delivery send(int client, const std::wstring& message);

    MainView& view_;
    const Clock& clock_;
    ChatDrivers drivers_;
    Drafts drafts_;
    bool running_ = false;
    bool titleChangedMeanwhile_ = false;
};

}  // namespace marquill
