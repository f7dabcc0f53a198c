#include "platform/win32/win32_window_services.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "platform/win32/handles.h"

namespace marquill::win32 {
namespace {

static_assert(sizeof(NOTIFYICONDATAA) >= sizeof(TrayRecordBytes), "the first form of the record is a prefix");

std::optional<std::int32_t> replyOf(LRESULT answered, DWORD_PTR reply) {
    if (answered == 0) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(reply);
}

// A message whose lParam points to our memory, as the W call to a Unicode window and the A call to any other, so
// that the system converts nothing on the way.
std::optional<std::int32_t> sendWithPointer(bool unicode,
                                            HWND target,
                                            UINT message,
                                            WPARAM wParam,
                                            LPARAM lParam,
                                            UINT timeoutMs) {
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    if (processId == GetCurrentProcessId()) {
        // A timed-out send to a window of this process may still be handled later, with lParam pointing to memory
        // that is gone by then; our own windows are no outside program to guard against.
        return static_cast<std::int32_t>(unicode ? SendMessageW(target, message, wParam, lParam)
                                                 : SendMessageA(target, message, wParam, lParam));
    }
    DWORD_PTR reply = 0;
    constexpr UINT kFlags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
    const LRESULT answered = unicode ? SendMessageTimeoutW(target, message, wParam, lParam, kFlags, timeoutMs, &reply)
                                     : SendMessageTimeoutA(target, message, wParam, lParam, kFlags, timeoutMs, &reply);
    return replyOf(answered, reply);
}

}  // namespace

Win32WindowServices::Win32WindowServices(const AnsiCodec& codec) : codec_(codec) {}

WindowHandle Win32WindowServices::findWindow(const char* className) {
    return fromHwnd(FindWindowA(className, nullptr));
}

WindowHandle Win32WindowServices::findChildWindow(WindowHandle parent, WindowHandle after, const char* className) {
    if (parent == 0) {
        return 0;  // FindWindowExA would search the top-level windows instead.
    }
    return fromHwnd(FindWindowExA(toHwnd(parent), toHwnd(after), className, nullptr));
}

std::optional<std::int32_t> Win32WindowServices::sendMessageTimeout(WindowHandle window,
                                                                    std::uint32_t message,
                                                                    std::uint32_t wParam,
                                                                    std::int32_t lParam,
                                                                    std::uint32_t timeoutMs) {
    DWORD_PTR reply = 0;
    const LRESULT answered =
        SendMessageTimeoutA(toHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &reply);
    return replyOf(answered, reply);
}

std::optional<std::int32_t> Win32WindowServices::sendTextMessageTimeout(WindowHandle window,
                                                                        std::uint32_t message,
                                                                        std::uint32_t wParam,
                                                                        const std::wstring& text,
                                                                        std::uint32_t timeoutMs) {
    const HWND target = toHwnd(window);
    const bool unicode = IsWindowUnicode(target);
    const std::string bytes = unicode ? std::string() : codec_.toAnsi(text);
    const LPARAM lParam = unicode ? reinterpret_cast<LPARAM>(text.c_str()) : reinterpret_cast<LPARAM>(bytes.c_str());
    return sendWithPointer(unicode, target, message, wParam, lParam, timeoutMs);
}

std::optional<std::int32_t> Win32WindowServices::sendGetTextTimeout(WindowHandle window,
                                                                    std::uint32_t maxCharacters,
                                                                    std::uint32_t timeoutMs) {
    const HWND target = toHwnd(window);
    std::wstring buffer(maxCharacters, L'\0');  // room for that many characters of either width
    return sendWithPointer(IsWindowUnicode(target), target, WM_GETTEXT, maxCharacters,
                           reinterpret_cast<LPARAM>(buffer.data()), timeoutMs);
}

std::int32_t Win32WindowServices::postMessage(WindowHandle window,
                                              std::uint32_t message,
                                              std::uint32_t wParam,
                                              std::int32_t lParam) {
    return PostMessageA(toHwnd(window), message, wParam, lParam);
}

std::wstring Win32WindowServices::getWindowText(WindowHandle window, int maxCharacters) {
    if (window == 0 || maxCharacters <= 0) {
        return {};  // seen under Wine: a null window gave a nonzero length and stale characters
    }
    std::wstring buffer(static_cast<std::size_t>(maxCharacters), L'\0');
    const int length = GetWindowTextW(toHwnd(window), buffer.data(), maxCharacters);
    buffer.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return buffer;
}

bool Win32WindowServices::showWindow(WindowHandle window, int showCommand) {
    return ShowWindow(toHwnd(window), showCommand) != 0;
}

bool Win32WindowServices::setForegroundWindow(WindowHandle window) {
    return SetForegroundWindow(toHwnd(window)) != 0;
}

bool Win32WindowServices::bringWindowToTop(WindowHandle window) {
    return BringWindowToTop(toHwnd(window)) != 0;
}

std::int32_t Win32WindowServices::getWindowLong(WindowHandle window, int index) {
    return GetWindowLongA(toHwnd(window), index);
}

std::int32_t Win32WindowServices::setWindowLong(WindowHandle window, int index, std::int32_t value) {
    return SetWindowLongA(toHwnd(window), index, value);
}

bool Win32WindowServices::setWindowPos(WindowHandle window,
                                       WindowHandle insertAfter,
                                       int x,
                                       int y,
                                       int cx,
                                       int cy,
                                       std::uint32_t flags) {
    return SetWindowPos(toHwnd(window), toHwnd(insertAfter), x, y, cx, cy, flags) != 0;
}

bool Win32WindowServices::notifyIcon(std::uint32_t operation, const TrayRecordBytes& record) {
    NOTIFYICONDATAA data;
#ifdef _WIN64
    // The record is the 32-bit program's bytes; the x86_64 build that the Wine tiers run where no i386 code runs
    // lays the same fields out as its own first form of the structure.
    const auto field = [&](std::size_t offset) {
        std::uint32_t value;
        std::memcpy(&value, record.data() + offset, sizeof(value));
        return value;
    };
    data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = toHwnd(field(4));
    data.uID = field(8);
    data.uFlags = field(12);
    data.uCallbackMessage = field(16);
    data.hIcon = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(field(20)));
    std::memcpy(data.szTip, record.data() + 24, sizeof(data.szTip));
#else
    std::memcpy(&data, record.data(), record.size());
#endif
    return Shell_NotifyIconA(operation, &data) != 0;
}

}  // namespace marquill::win32
