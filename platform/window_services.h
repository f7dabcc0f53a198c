#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace marquill {

// A window handle as the 32-bit target sees it; 0 names no window.
using WindowHandle = std::uint32_t;

// How long another program's window is given to answer one sent message. A window that does not answer in time is
// treated as absent, and one known to hang (SMTO_ABORTIFHUNG) is not waited for at all: no outside program can
// hold up the program for longer than this per message.
constexpr std::uint32_t kAnswerTimeoutMs = 5000;

// The 88-byte first form of the tray record, exactly as Shell_NotifyIconA reads it.
using TrayRecordBytes = std::array<std::uint8_t, 88>;

// The window functions through which the program reaches other programs' windows and the tray, with the numbers
// and argument order of the Win32 calls. Every send is bounded (SendMessageTimeout with SMTO_ABORTIFHUNG), so no
// other program can hold up the caller for longer than the timeout it gives.
// Text crosses in wide characters; where a call has to carry ANSI text, the implementation converts it.
// Names: each method is its Win32 call's, in the house style's camelCase.
class WindowServices {
public:
    WindowServices() = default;
    WindowServices(const WindowServices&) = delete;
    WindowServices& operator=(const WindowServices&) = delete;
    virtual ~WindowServices() = default;

    // FindWindowA(className, nullptr): a top-level window of that class, or 0.
    virtual WindowHandle findWindow(const char* className) = 0;

    // FindWindowExA(parent, after, className, nullptr): the next direct child of that class after `after`
    // (0: from the first), topmost first, or 0. A parent of 0 finds nothing: a chain whose parent was not
    // found ends instead of falling back to the top-level windows.
    virtual WindowHandle findChildWindow(WindowHandle parent, WindowHandle after, const char* className) = 0;

    // SendMessageTimeoutA with SMTO_ABORTIFHUNG: the reply of a window that answers within `timeoutMs`;
    // nothing for no window, a window that does not answer in time, or one already known to hang.
    virtual std::optional<std::int32_t> sendMessageTimeout(WindowHandle window,
                                                           std::uint32_t message,
                                                           std::uint32_t wParam,
                                                           std::int32_t lParam,
                                                           std::uint32_t timeoutMs) = 0;

    // The same with lParam pointing to `text` (WM_SETTEXT): to a Unicode window as wide text, to any other as ANSI
    // text converted without look-alikes, so the system converts nothing on the way.
    virtual std::optional<std::int32_t> sendTextMessageTimeout(WindowHandle window,
                                                               std::uint32_t message,
                                                               std::uint32_t wParam,
                                                               const std::wstring& text,
                                                               std::uint32_t timeoutMs) = 0;

    // WM_GETTEXT into a buffer of `maxCharacters` (bounded as above): how many characters the window copied, at most
    // maxCharacters - 1; nothing as above. A Unicode window is asked with the W call: asked with the A call, Windows
    // may cut its text to half the buffer on the way, and a first character of two bytes in the code page to none. Not
    // WM_GETTEXTLENGTH: Wine 8 waits for a hung window's answer to it as long as the window hangs, whatever the timeout
    // (measured), which Windows documents otherwise.
    virtual std::optional<std::int32_t> sendGetTextTimeout(WindowHandle window,
                                                           std::uint32_t maxCharacters,
                                                           std::uint32_t timeoutMs) = 0;

    // PostMessageA: nonzero when queued. A window of 0 posts to the calling thread's own queue.
    virtual std::int32_t postMessage(WindowHandle window,
                                     std::uint32_t message,
                                     std::uint32_t wParam,
                                     std::int32_t lParam) = 0;

    // GetWindowTextW(window, buffer, maxCharacters): at most maxCharacters - 1 characters of the title, whatever
    // its script; empty for no window.
    virtual std::wstring getWindowText(WindowHandle window, int maxCharacters) = 0;

    virtual bool showWindow(WindowHandle window, int showCommand) = 0;
    virtual bool setForegroundWindow(WindowHandle window) = 0;
    virtual bool bringWindowToTop(WindowHandle window) = 0;

    // GetWindowLongA / SetWindowLongA with GWL_STYLE (-16) or GWL_EXSTYLE (-20).
    virtual std::int32_t getWindowLong(WindowHandle window, int index) = 0;
    virtual std::int32_t setWindowLong(WindowHandle window, int index, std::int32_t value) = 0;

    virtual bool setWindowPos(WindowHandle window,
                              WindowHandle insertAfter,
                              int x,
                              int y,
                              int cx,
                              int cy,
                              std::uint32_t flags) = 0;

    // Shell_NotifyIconA(operation, record): NIM_ADD (0), NIM_MODIFY (1) or NIM_DELETE (2).
    virtual bool notifyIcon(std::uint32_t operation, const TrayRecordBytes& record) = 0;
};

}  // namespace marquill
