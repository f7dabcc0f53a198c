#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ansi_codec.h"
#include "platform/shared_memory.h"
#include "platform/window_services.h"

namespace marquill::sim {

// A message as a sim window's handler sees it. `text` carries the string of a text message (WM_SETTEXT).
struct SimMessage {
    std::uint32_t message = 0;
    std::uint32_t wParam = 0;
    std::int32_t lParam = 0;
    std::wstring text;
    bool posted = false;
};

using MessageHandler = std::function<std::int32_t(const SimMessage&)>;

// An in-memory desktop of top-level and child windows for unit tests. It answers the window services as Windows
// does: class names match without regard to case, new top-level windows go on top, new children below their
// older siblings, FindWindowEx walks children topmost first without wrapping around, titles are read back wide,
// cut to the caller's buffer, and an ANSI window receives text through the ANSI code page. Its named blocks of
// shared memory keep their text while the block is held. Every call is recorded, in order, in `calls()`.
//
// Not simulated: threads and real blocking (a hung window makes a bounded send time out at once and is recorded
// as such), message queues (a posted message reaches its handler at once), window geometry and painting.
class SimDesktop final : public WindowServices, public SharedMemory {
public:
    explicit SimDesktop(const AnsiCodec& codec);

    WindowHandle createWindow(const std::string& className, const std::wstring& title = L"", WindowHandle parent = 0);
    void destroyWindow(WindowHandle window);
    bool exists(WindowHandle window) const;

    void setTitle(WindowHandle window, const std::wstring& title);
    void setHandler(WindowHandle window, MessageHandler handler);
    void setHung(WindowHandle window, bool hung);
    // A Unicode window takes text messages as wide text; any other gets them through the ANSI code page.
    void setUnicode(WindowHandle window, bool unicode);
    void setRejectsPosts(WindowHandle window, bool rejects);
    // Without a shell (busy, restarting or gone) no tray icon can be added or changed. An icon that is there
    // already cannot be added again, and one that is not cannot be changed.
    void setShellRunning(bool running) { shellRunning_ = running; }

    // Another program's block of shared memory of that name; `guarded`: one this program may not even open (an
    // elevated program's), which answers "access denied" rather than "exists".
    void takeSharedName(const std::wstring& name, bool guarded);
    // The text at the start of the block of that name, while one is held.
    std::optional<std::wstring> sharedText(const std::wstring& name) const;

    WindowHandle foregroundWindow() const { return foreground_; }
    int lastShowCommand(WindowHandle window) const;
    bool trayIconShown(WindowHandle owner, std::uint32_t id) const;
    // The icon handle the shell shows for it; 0 for none.
    std::uint32_t trayIconImage(WindowHandle owner, std::uint32_t id) const;

    // One line per call, with the numbers it knows by their Windows names: `FindWindowA("Winamp v1.x") = 1`,
    // `PostMessageA(1, WM_COMMAND, 40045, 0) = 1`.
    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

    WindowHandle findWindow(const char* className) override;
    WindowHandle findChildWindow(WindowHandle parent, WindowHandle after, const char* className) override;
    std::optional<std::int32_t> sendMessageTimeout(WindowHandle window,
                                                   std::uint32_t message,
                                                   std::uint32_t wParam,
                                                   std::int32_t lParam,
                                                   std::uint32_t timeoutMs) override;
    std::optional<std::int32_t> sendTextMessageTimeout(WindowHandle window,
                                                       std::uint32_t message,
                                                       std::uint32_t wParam,
                                                       const std::wstring& text,
                                                       std::uint32_t timeoutMs) override;
    std::optional<std::int32_t> sendGetTextTimeout(WindowHandle window,
                                                   std::uint32_t maxCharacters,
                                                   std::uint32_t timeoutMs) override;
    std::int32_t postMessage(WindowHandle window,
                             std::uint32_t message,
                             std::uint32_t wParam,
                             std::int32_t lParam) override;
    std::wstring getWindowText(WindowHandle window, int maxCharacters) override;
    bool showWindow(WindowHandle window, int showCommand) override;
    bool setForegroundWindow(WindowHandle window) override;
    bool bringWindowToTop(WindowHandle window) override;
    std::int32_t getWindowLong(WindowHandle window, int index) override;
    std::int32_t setWindowLong(WindowHandle window, int index, std::int32_t value) override;
    bool setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy, std::uint32_t flags)
        override;
    bool notifyIcon(std::uint32_t operation, const TrayRecordBytes& record) override;
    NewSharedBlock createSharedBlock(const std::wstring& name, std::uint32_t bytes, const std::wstring& text) override;

private:
    class Block;
    struct SharedName {
        std::wstring text;
        bool guarded = false;
    };

    struct Window {
        std::string className;
        std::wstring title;
        WindowHandle parent = 0;
        std::vector<WindowHandle> children;  // topmost first
        MessageHandler handler;
        bool hung = false;
        bool unicode = false;
        bool rejectsPosts = false;
        int lastShowCommand = -1;
        std::map<int, std::int32_t> longs;
    };

    Window* find(WindowHandle window);
    const Window* find(WindowHandle window) const;
    std::vector<WindowHandle>& siblingsOf(WindowHandle window);
    std::optional<std::int32_t> deliverSent(WindowHandle window, const SimMessage& message);
    std::string quoted(const std::wstring& text) const;
    void record(std::string call);

    const AnsiCodec& codec_;
    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> topLevel_;                                         // topmost first
    std::map<std::pair<WindowHandle, std::uint32_t>, std::uint32_t> trayIcons_;  // the icon handle of each
    std::map<std::wstring, SharedName> sharedNames_;
    WindowHandle nextHandle_ = 1;
    WindowHandle foreground_ = 0;
    bool shellRunning_ = true;
    std::vector<std::string> calls_;
};

}  // namespace marquill::sim
