#pragma once

#include "platform/ansi_codec.h"
#include "platform/window_services.h"

namespace marquill::win32 {

// The window services as the user32 and shell32 calls themselves.
class Win32WindowServices final : public WindowServices {
public:
    explicit Win32WindowServices(const AnsiCodec& codec);

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

private:
    const AnsiCodec& codec_;
};

}  // namespace marquill::win32
