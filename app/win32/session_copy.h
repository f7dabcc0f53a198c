#pragma once

#include <windows.h>

#include "app/session_place.h"
#include "platform/win32/owners.h"

namespace marquill::win32 {

// The place of the running copy: a mutex in the session's own namespace, so another user's session has a place of
// its own.
class SessionCopy final : public SessionPlace {
public:
    SessionCopy() = default;
    // Gives the place up, so that a start from then on starts normally.
    ~SessionCopy() override;

    Place take() override;
    bool waitToHold(std::uint32_t ms) override;
    bool bringBackRunningCopy() override;
    std::uint32_t milliseconds() override { return GetTickCount(); }

private:
    KernelHandle place_;  // held, or open for waiting on it
    bool held_ = false;
};

// The message a new start sends to the running copy's main window; the window answers kBroughtBack.
UINT bringBackMessage();
constexpr LRESULT kBroughtBack = 1;

}  // namespace marquill::win32
