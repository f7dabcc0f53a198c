#include "peers/remote_control.h"

#include <vector>

#include "peers/peer_tree.h"

namespace marquill::peers {

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        // Pumps while waiting, for windows the caller's own thread owns.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, pollMs, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

namespace {

// The text may grow between the two messages; room to spare shows whether the copy was cut.
template <typename Char, typename Send>
std::basic_string<Char> textOf(HWND window, Send send) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD_PTR length = 0;
        if (!send(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &length)) {
            return {};
        }
        std::vector<Char> buffer(length + 256, Char{});
        DWORD_PTR copied = 0;
        if (!send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                  kReplyTimeoutMs, &copied)) {
            return {};
        }
        if (copied + 1 < buffer.size()) {
            return std::basic_string<Char>(buffer.data(), copied);
        }
    }
    return {};
}

template <typename Char, typename Send>
bool setTextOf(HWND window, const std::basic_string<Char>& text, Send send) {
    DWORD_PTR reply = 0;
    return send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                &reply) != 0;
}

}  // namespace

std::string controlText(HWND window) {
    return textOf<char>(window, SendMessageTimeoutA);
}

bool setControlText(HWND window, const std::string& text) {
    return setTextOf(window, text, SendMessageTimeoutA);
}

std::string controlTextUtf8(HWND window) {
    return utf8FromWide(textOf<wchar_t>(window, SendMessageTimeoutW));
}

bool setControlTextUtf8(HWND window, const std::string& text) {
    return setTextOf(window, wideFromUtf8(text), SendMessageTimeoutW);
}

HWND childWindow(HWND parent, const char* className, const char* caption, int ordinal) {
    if (caption != nullptr) {
        return FindWindowExA(parent, nullptr, className, caption);
    }
    HWND found = nullptr;
    for (int i = 0; i < ordinal && (i == 0 || found != nullptr); ++i) {
        found = FindWindowExA(parent, found, className, nullptr);
    }
    return found;
}

bool click(HWND window) {
    DWORD_PTR reply = 0;
    return SendMessageTimeoutA(window, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &reply) != 0;
}

bool requestClose(HWND window) {
    return PostMessageA(window, WM_CLOSE, 0, 0) != 0;
}

}  // namespace marquill::peers
