#pragma once

#include <cstdint>

namespace marquill {

// What a start finds of the place one copy per session holds.
enum class Place {
    Held,         // made now, by this start, which holds it
    Waitable,     // another copy's, open for waiting on it
    Refused,      // another copy's, made with more rights (an administrator's): not even waiting on it is allowed
    Gone,         // there when asked to be made, gone when opened: the copy that held it ended in between
    Unavailable,  // cannot be made at all
};

// The place of the running copy as the system offers it. One copy per session polls and announces: a user who
// minimised the program to the tray (where Windows hides new icons) may well start it again, and two copies would
// announce every song twice.
class SessionPlace {
public:
    SessionPlace() = default;
    SessionPlace(const SessionPlace&) = delete;
    SessionPlace& operator=(const SessionPlace&) = delete;
    virtual ~SessionPlace() = default;

    // Makes the place and holds it, or opens the one there for waiting on it.
    virtual Place take() = 0;
    // Waits up to `ms`: on the place last taken as Waitable, true once this start holds it; otherwise only waits.
    virtual bool waitToHold(std::uint32_t ms) = 0;
    // Asks the running copy's window, if there is one yet, to come back; true when it did.
    virtual bool bringBackRunningCopy() = 0;
    // A count of milliseconds, for the bound of the whole wait.
    virtual std::uint32_t milliseconds() = 0;
};

// True when this start may run: it holds the place, or no place can be made at all. False when the running copy
// came back (or runs without answering within the answer bound) and this start ends at once. A copy on its way
// out gives the place up, so a start meanwhile runs once it is free.
bool claimPlace(SessionPlace& place);

}  // namespace marquill
