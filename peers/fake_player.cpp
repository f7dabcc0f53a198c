#include "peers/fake_player.h"

#include <iterator>

#include "platform/win32/window_procedure.h"

namespace marquill::peers {
namespace {

constexpr const wchar_t* kPlayerClass = L"Winamp v1.x";
constexpr UINT kQueryMessage = WM_USER;
constexpr UINT_PTR kScrollTimer = 1;

void registerPlayerClass(WNDPROC procedure) {
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleA(nullptr), kPlayerClass, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kPlayerClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

FakePlayer::FakePlayer(const std::string& title, const PlayerReplies& replies, bool visible) : replies_(replies) {
    registerPlayerClass(win32::attachedWindowProc<FakePlayer>);
    CreateWindowExW(0, kPlayerClass, L"", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 0, 0, 360, 90, nullptr,
                    nullptr, GetModuleHandleA(nullptr), this);
    setTitle(title);
}

FakePlayer::~FakePlayer() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

void FakePlayer::setTitle(const std::string& title) {
    const int size = static_cast<int>(title.size());
    std::wstring plain(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, title.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, title.data(), size, plain.data(), static_cast<int>(plain.size()));
    restartScroll(std::move(plain));
    SetWindowTextA(window_, title.c_str());  // the bytes as they are
    InvalidateRect(window_, nullptr, TRUE);
}

void FakePlayer::setTitle(const std::wstring& title) {
    restartScroll(title);
    showTitle(title);
}

void FakePlayer::restartScroll(std::wstring plain) {
    // Before the caption is shown, so that the next step of a scroll is already one of this song's.
    std::lock_guard<std::mutex> lock(mutex_);
    plain_ = std::move(plain);
    step_ = 0;
}

void FakePlayer::setScroll(unsigned stepsPerSecond) {
    if (stepsPerSecond == 0) {
        KillTimer(window_, kScrollTimer);
    } else {
        SetTimer(window_, kScrollTimer, 1000 / stepsPerSecond, nullptr);
    }
}

void FakePlayer::showTitle(const std::wstring& caption) {
    SetWindowTextW(window_, caption.c_str());
    InvalidateRect(window_, nullptr, TRUE);
}

void FakePlayer::scrollOneStep() {
    std::wstring caption;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        step_ = (step_ + 1) % (plain_.size() + 5);
        caption = step_ == 0 ? plain_ : (plain_ + L" *** " + plain_).substr(step_);
    }
    showTitle(caption);
}

void FakePlayer::setPlayState(PlayState state) {
    std::wstring caption;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        replies_.status = state == PlayState::Playing ? 1 : state == PlayState::Paused ? 3 : 0;
        caption = plain_ + (state == PlayState::Playing  ? L""
                            : state == PlayState::Paused ? L" [Paused]"
                                                         : L" [Stopped]");
    }
    showTitle(caption);
}

void FakePlayer::setReplies(const PlayerReplies& replies) {
    std::lock_guard<std::mutex> lock(mutex_);
    replies_ = replies;
}

void FakePlayer::queueSong(const std::string& title, const PlayerReplies& replies) {
    std::lock_guard<std::mutex> lock(mutex_);
    queued_ = Song{title, replies};
}

std::vector<std::int32_t> FakePlayer::commands() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return commands_;
}

int FakePlayer::queryCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queryCount_;
}

int FakePlayer::queryCount(std::int32_t queryCode) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = queryCountByCode_.find(queryCode);
    return found == queryCountByCode_.end() ? 0 : found->second;
}

LRESULT FakePlayer::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        window_ = window;
    }
    if (message == kQueryMessage) {
        const LRESULT reply = answer(wParam, lParam);
        std::optional<Song> next;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (lParam == 124) {
                next.swap(queued_);
            }
        }
        if (next) {
            setReplies(next->replies);
            setTitle(next->title);
        }
        return reply;
    }
    if (message == WM_TIMER && wParam == kScrollTimer) {
        scrollOneStep();
        return 0;
    }
    if (message == WM_COMMAND) {
        std::lock_guard<std::mutex> lock(mutex_);
        commands_.push_back(static_cast<std::int32_t>(wParam));
        return 0;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window_, &paint);
        wchar_t title[1024];
        GetWindowTextW(window_, title, static_cast<int>(std::size(title)));
        RECT client;
        GetClientRect(window_, &client);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        DrawTextW(dc, title, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        EndPaint(window_, &paint);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT FakePlayer::answer(WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++queryCount_;
    ++queryCountByCode_[static_cast<std::int32_t>(lParam)];
    switch (lParam) {
        case 0:
            return replies_.version;
        case 104:
            return replies_.status;
        case 105:
            return wParam == 1 ? replies_.lengthSeconds : replies_.positionMs;
        case 124:
            return replies_.playlistLength;
        case 125:
            return replies_.listPosition;
        default:
            return 0;
    }
}

}  // namespace marquill::peers
