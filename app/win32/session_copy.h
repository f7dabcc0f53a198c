#pragma once

#include <windows.h>

#include "platform/win32/owners.h"

namespace marquill::win32 {

// One copy per session polls and announces: a user who minimised the program to the tray (where Windows hides new
// icons) may well start it again, and two copies would announce every song twice. The place of that copy is a
// mutex in the session's own namespace, so another user's session has a place of its own.
class SessionCopy {
public:
    SessionCopy() = default;
    // Gives the place up, so that a start from then on starts normally.
    ~SessionCopy();
    SessionCopy(const SessionCopy&) = delete;
    SessionCopy& operator=(const SessionCopy&) = delete;

    // True when this start may run: no other copy runs, or the one running was closing. False when the running
    // copy was asked to bring its window back (or runs without answering), and this start ends at once.
    bool claim();

private:
    KernelHandle place_;
    bool held_ = false;
};

// The message a new start sends to the running copy's main window; the window answers kBroughtBack.
UINT bringBackMessage();
constexpr LRESULT kBroughtBack = 1;

}  // namespace marquill::win32
