#include "app/win32/win32_main_view.h"

#include <cstdint>
#include <string>

#include "app/main_window_description.h"
#include "app/sys_tray.h"
#include "app/win32/later_user32.h"
#include "app/win32/newer_windows.h"
#include "app/win32/session_copy.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_procedure.h"

namespace marquill::win32 {
namespace {

namespace id = mainwindow::id;

constexpr int kIconResource = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

std::wstring wideClassName() {
    const std::string name = mainwindow::kWindowClass;
    return std::wstring(name.begin(), name.end());
}

}  // namespace

Win32MainView::Win32MainView(HINSTANCE instance, const AnsiCodec& codec, const DisplaySettings& display)
    : instance_(instance),
      codec_(codec),
      dpi_(instance, kWindowStyle, kWindowExStyle, display),
      appearance_(display),
      taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")),
      bringBack_(bringBackMessage()) {}

Win32MainView::~Win32MainView() {
    // The controller goes first, taking its tray icon with it while the window the icon names still exists; the
    // window's last messages then find no controller.
    controller_.reset();
    if (window_) {
        DestroyWindow(window_);
    }
}

bool Win32MainView::registerClass() const {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = attachedWindowProc<Win32MainView>;
    windowClass.hInstance = instance_;
    // At the system's sizes: the window's own only at another DPI.
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(kIconResource));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    const std::wstring className = wideClassName();
    windowClass.lpszClassName = className.c_str();
    // A second view in one process (the tests make several) finds the class there already.
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Win32MainView::create(const MainServices& services) {
    if (!registerClass()) {
        return false;
    }
    const int dpi = dpi_.resources().dpi;
    const RECT frame = dpi_.frameAt(dpi);
    const int left = mainwindow::twipsToPixels(mainwindow::kClientLeftTwips, dpi) + frame.left;
    const int top = mainwindow::twipsToPixels(mainwindow::kClientTopTwips, dpi) + frame.top;
    window_ = CreateWindowExW(kWindowExStyle, wideClassName().c_str(), L"", kWindowStyle, left, top,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_, this);
    if (!window_) {
        return false;
    }
    allowMessagesFromLowerIntegrity();
    createControls(window_, instance_, dpi_.resources(), codec_);
    appearance_.readSetting(window_);
    dpi_.settle(window_);
    controller_ = std::make_unique<MainController>(*this, services);
    controller_->load();
    return true;
}

// Run as administrator, the window hears nothing from the shell or a new start of a lower integrity level, and its
// tray icon would be gone for good after Explorer restarts. The call exists from Windows 7 on, so it is looked up.
void Win32MainView::allowMessagesFromLowerIntegrity() const {
    using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    if (const auto filter = laterUser32Function<Filter>("ChangeWindowMessageFilterEx")) {
        for (const UINT message : {taskbarCreated_, bringBack_}) {
            filter(window_, message, kMessageFilterAllow, nullptr);
        }
    }
}

std::wstring Win32MainView::text(int control) const {
    HWND window = item(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Win32MainView::setText(int control, const std::wstring& text) {
    // The polling tick writes the same texts many times a second; an unchanged control is not redrawn.
    if (this->text(control) != text) {
        SetWindowTextW(item(control), text.c_str());
    }
}

void Win32MainView::setVisible(int control, bool visible) {
    ShowWindow(item(control), visible ? SW_SHOW : SW_HIDE);
}

void Win32MainView::setBold(int control, bool bold) {
    SendMessageW(item(control), WM_SETFONT, reinterpret_cast<WPARAM>(dpi_.resources().font(bold)), TRUE);
}

WindowHandle Win32MainView::controlHandle(int control) const {
    return fromHwnd(item(control));
}

void Win32MainView::setCaption(const std::wstring& caption) {
    SetWindowTextW(window_, caption.c_str());
}

void Win32MainView::setTimerEnabled(bool enabled) {
    if (enabled) {
        SetTimer(window_, id::kTmrAmp, mainwindow::kTimerIntervalMs, nullptr);
    } else {
        KillTimer(window_, id::kTmrAmp);
    }
    timerEnabled_ = enabled;
}

void Win32MainView::setTrayRetryTimer(bool enabled) {
    if (enabled) {
        SetTimer(window_, kTrayRetryTimer, kTrayRetryIntervalMs, nullptr);
    } else {
        KillTimer(window_, kTrayRetryTimer);
    }
}

WindowState Win32MainView::windowState() const {
    if (IsIconic(window_)) {
        return WindowState::Minimised;
    }
    return IsZoomed(window_) ? WindowState::Maximised : WindowState::Normal;
}

void Win32MainView::setWindowState(WindowState state) {
    switch (state) {
        case WindowState::Normal:
            // A window maximised before it was minimised restores to maximised first, then to normal. Restored
            // straight from hidden, Wine later puts WS_MAXIMIZE back at the normal size; shown minimised first,
            // it stays normal.
            if (IsIconic(window_)) {
                ShowWindow(window_, SW_SHOWMINNOACTIVE);
                ShowWindow(window_, SW_RESTORE);
            }
            if (IsZoomed(window_)) {
                ShowWindow(window_, SW_RESTORE);
            }
            break;
        case WindowState::Minimised:
            ShowWindow(window_, SW_SHOWMINNOACTIVE);
            break;
        case WindowState::Maximised:
            ShowWindow(window_, SW_MAXIMIZE);
            break;
    }
}

void Win32MainView::hideWindow() {
    ShowWindow(window_, SW_HIDE);
}

void Win32MainView::showWindow() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

WindowHandle Win32MainView::windowHandle() const {
    return fromHwnd(window_);
}

std::uint32_t Win32MainView::iconHandle() const {
    const HICON small = dpi_.resources().smallIcon.get();
    const HICON icon = small ? small : reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICONSM));
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(icon));
}

void Win32MainView::messageBox(const std::wstring& text, const std::wstring& caption) {
    MessageBoxW(window_, text.c_str(), caption.c_str(), MB_OK);
}

void Win32MainView::endProgram() {
    HWND window = window_;
    window_ = nullptr;
    DestroyWindow(window);
}

}  // namespace marquill::win32
