#include "app/win32/win32_main_view.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/main_window_description.h"
#include "app/chat_clients.h"
#include "platform/win32/handles.h"

namespace marquill::win32 {
namespace {

using mainwindow::ControlDescription;
using mainwindow::ControlKind;
namespace id = mainwindow::id;

constexpr int kIconResource = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = 0;

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::OptionButton:
            // Not an automatic radio button: the group's controls are not adjacent in the window's order, so the
            // view checks the clicked one itself.
            return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::Label:
            // One line, cut at the right edge: a wrapped second line would fall outside the label's height.
            return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
        case ControlKind::Picture:
            return {L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE, 0};
        case ControlKind::TextBox:
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::MultiLineTextBox:
            return {L"EDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::Timer:
            break;
    }
    return {nullptr, 0, 0};
}

// The stacking follows the description, first on top, so that of two overlapping option buttons the later one
// (AOL over AIM, Mirc over Yahoo) shows its button. Each new window goes under the ones before it. The frame's
// children lie directly above the frame.
std::vector<const ControlDescription*> stackingOrder() {
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& control : mainwindow::kControls) {
        if (control.kind == ControlKind::Frame) {
            for (const ControlDescription& child : mainwindow::kControls) {
                if (child.inFrame) {
                    order.push_back(&child);
                }
            }
        }
        if (control.kind != ControlKind::Timer && !control.inFrame) {
            order.push_back(&control);
        }
    }
    return order;
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Frame && kind != ControlKind::Label && kind != ControlKind::Picture &&
           kind != ControlKind::Timer;
}

// The controls that take the focus, by tab index: Tab walks them in this order, not in the stacking order. Decided
// here rather than by WS_TABSTOP, which an option button loses whenever it is unchecked.
std::vector<int> tabOrder() {
    std::vector<const ControlDescription*> controls;
    for (const ControlDescription& control : mainwindow::kControls) {
        if (control.tabIndex != mainwindow::kNoTabIndex && takesFocus(control.kind)) {
            controls.push_back(&control);
        }
    }
    std::sort(controls.begin(), controls.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<int> ids;
    for (const ControlDescription* control : controls) {
        ids.push_back(control->id);
    }
    return ids;
}

GdiObject<HFONT> createFont(int dpiY, bool bold) {
    return GdiObject<HFONT>(CreateFontA(mainwindow::fontHeightPixels(dpiY), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, mainwindow::kFontFace));
}

}  // namespace

Win32MainView::Win32MainView(HINSTANCE instance, const AnsiCodec& codec)
    : instance_(instance), codec_(codec), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    if (HDC screen = GetDC(nullptr)) {
        dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
        dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    icon_ = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    regularFont_ = createFont(dpiY_, false);
    boldFont_ = createFont(dpiY_, true);
    for (const ControlDescription& control : mainwindow::kControls) {
        if (const auto& colour = control.background) {
            backgrounds_[control.id].reset(CreateSolidBrush(RGB(colour->red, colour->green, colour->blue)));
        }
    }
}

Win32MainView::~Win32MainView() {
    // The controller goes first, taking its tray icon with it while the window the icon names still exists; the
    // window's last messages then find no controller.
    controller_.reset();
    if (window_) {
        DestroyWindow(window_);
    }
}

bool Win32MainView::create(const MainServices& services) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = icon_;
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    const std::string ansiClassName = mainwindow::kWindowClass;
    const std::wstring className(ansiClassName.begin(), ansiClassName.end());
    windowClass.lpszClassName = className.c_str();
    if (!RegisterClassExW(&windowClass)) {
        return false;
    }

    RECT frame = {0, 0, mainwindow::twipsToPixels(mainwindow::kClientWidthTwips, dpiX_),
                  mainwindow::twipsToPixels(mainwindow::kClientHeightTwips, dpiY_)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
    const int left = mainwindow::twipsToPixels(mainwindow::kClientLeftTwips, dpiX_) + frame.left;
    const int top = mainwindow::twipsToPixels(mainwindow::kClientTopTwips, dpiY_) + frame.top;
    controller_ = std::make_unique<MainController>(*this, services);
    window_ = CreateWindowExW(kWindowExStyle, className.c_str(), L"", kWindowStyle, left, top, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance_, this);
    if (!window_) {
        controller_.reset();
        return false;
    }
    createControls();
    controller_->load();
    return true;
}

void Win32MainView::createControls() {
    for (const ControlDescription* control : stackingOrder()) {
        const ControlClass kind = classOf(control->kind);
        const mainwindow::PixelRect rect = mainwindow::clientPixelRect(*control, dpiX_, dpiY_);
        const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | (control->visible ? WS_VISIBLE : 0);
        const std::wstring text = mainwindow::initialText(*control, codec_);
        HWND created = CreateWindowExW(
            kind.exStyle, kind.className, text.c_str(), style, rect.left, rect.top, rect.width, rect.height, window_,
            reinterpret_cast<HMENU>(static_cast<std::intptr_t>(control->id)), instance_, nullptr);
        SendMessageW(created, WM_SETFONT,
                     reinterpret_cast<WPARAM>(control->bold ? boldFont_.get() : regularFont_.get()), FALSE);
        if (control->kind == ControlKind::Picture) {
            SendMessageW(created, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
        }
    }
    SendMessageW(item(id::optFormate(0)), BM_SETCHECK, BST_CHECKED, 0);
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
    SendMessageW(item(control), WM_SETFONT, reinterpret_cast<WPARAM>(bold ? boldFont_.get() : regularFont_.get()),
                 TRUE);
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
            ShowWindow(window_, SW_MINIMIZE);
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
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(icon_));
}

void Win32MainView::messageBox(const std::wstring& text, const std::wstring& caption) {
    MessageBoxW(window_, text.c_str(), caption.c_str(), MB_OK);
}

void Win32MainView::endProgram() {
    HWND window = window_;
    window_ = nullptr;
    DestroyWindow(window);
}

LRESULT CALLBACK Win32MainView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* view = static_cast<Win32MainView*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        view->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
    }
    auto* view = reinterpret_cast<Win32MainView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view && view->controller_ && view->window_ == window) {
        try {
            return view->handle(message, wParam, lParam);
        } catch (...) {
            return 0;  // a handler's failure must not unwind through the system's code
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32MainView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        controller_->shellRestarted();
        return 0;
    }
    switch (message) {
        case WM_COMMAND:
            command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == static_cast<WPARAM>(id::kTmrAmp)) {
                controller_->tick();
            }
            return 0;
        case WM_SIZE:
            controller_->resized();
            return 0;
        case WM_MOUSEMOVE:
            controller_->mouseMoved(GET_X_LPARAM(lParam));
            return 0;
        case WM_CLOSE:
            controller_->queryUnload();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                controller_->queryUnload();
            }
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = background(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_ACTIVATE:
            // Keep the focused control over a switch to another program, as a dialog does.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                lastFocus_ = focus && IsChild(window_, focus) ? focus : lastFocus_;
            }
            break;
        case WM_SETFOCUS:
            if (lastFocus_ && IsWindowVisible(lastFocus_)) {
                SetFocus(lastFocus_);
            } else {
                moveFocus(false);
            }
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32MainView::command(int control, int notification) {
    if (control == id::kTxtTitle && notification == EN_CHANGE) {
        // An edit control notifies every WM_SETTEXT, also of the text it holds; only a real change is one.
        std::wstring title = text(id::kTxtTitle);
        if (title != title_) {
            title_ = std::move(title);
            controller_->titleChanged();
        }
        return;
    }
    if (notification != BN_CLICKED) {
        return;
    }
    if (control >= id::optFormate(0) && control < id::optFormate(kClientCount)) {
        for (int option = 0; option < kClientCount; ++option) {
            SendMessageW(item(id::optFormate(option)), BM_SETCHECK,
                         id::optFormate(option) == control ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        controller_->optionClicked(static_cast<std::int16_t>(control - id::optFormate(0)));
    } else if (control == id::kChkEnable) {
        controller_->enableClicked();
    } else if (control == id::kCommand1) {
        controller_->command1Clicked();
    } else if (control == id::kCmdSave) {
        controller_->saveClicked();
    }
}

bool Win32MainView::navigate(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !window_ ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd)) || GetKeyState(VK_CONTROL) < 0) {
        return false;
    }
    moveFocus(GetKeyState(VK_SHIFT) < 0);
    return true;
}

void Win32MainView::moveFocus(bool backwards) {
    static const std::vector<int> order = tabOrder();
    const auto count = static_cast<int>(order.size());
    const auto focused = std::find(order.begin(), order.end(), GetDlgCtrlID(GetFocus()));
    int position = focused == order.end() ? (backwards ? 0 : -1) : static_cast<int>(focused - order.begin());
    for (int step = 0; step < count; ++step) {
        position = (position + (backwards ? count - 1 : 1)) % count;
        HWND candidate = item(order[static_cast<std::size_t>(position)]);
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            SetFocus(candidate);
            return;
        }
    }
}

HBRUSH Win32MainView::background(HWND control, HDC dc) const {
    const ControlDescription* description = mainwindow::findControl(GetDlgCtrlID(control));
    const auto brush = description ? backgrounds_.find(description->id) : backgrounds_.end();
    if (brush == backgrounds_.end()) {
        return nullptr;
    }
    const mainwindow::Colour& colour = *description->background;
    SetBkColor(dc, RGB(colour.red, colour.green, colour.blue));
    return brush->second.get();
}

}  // namespace marquill::win32
