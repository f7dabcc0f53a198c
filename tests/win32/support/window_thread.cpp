#include "tests/win32/support/window_thread.h"

#include <future>
#include <memory>

#include "platform/win32/window_procedure.h"

namespace marquill::test {
namespace {

constexpr UINT kRunWork = WM_APP + 1;

// A test window's handler, owned by its window until WM_NCDESTROY.
struct TestWindow {
    TestHandler handler;

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        LRESULT reply = 0;
        const bool handled = handler && handler(message, wParam, lParam, reply);
        const LRESULT result = handled ? reply : DefWindowProcA(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            delete this;
        }
        return result;
    }
};

}  // namespace

WindowThread::WindowThread() : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { loop(); });
    WaitForSingleObject(ready_.get(), INFINITE);
}

WindowThread::~WindowThread() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void WindowThread::run(const std::function<void()>& work) {
    std::promise<void> done;
    auto job = std::make_unique<std::function<void()>>([&] {
        work();
        done.set_value();
    });
    PostThreadMessageA(threadId_, kRunWork, 0, reinterpret_cast<LPARAM>(job.release()));
    done.get_future().wait();
}

HWND WindowThread::createWindow(const std::string& className,
                                const std::string& title,
                                HWND parent,
                                TestHandler handler) {
    HWND created = nullptr;
    run([&] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = win32::attachedWindowProc<TestWindow>;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = className.c_str();
        RegisterClassA(&windowClass);  // fails harmlessly when the class exists
        const DWORD style = parent ? WS_CHILD : WS_OVERLAPPEDWINDOW;
        created = CreateWindowExA(0, className.c_str(), title.c_str(), style, 0, 0, 100, 100, parent, nullptr,
                                  GetModuleHandleA(nullptr), new TestWindow{std::move(handler)});
    });
    return created;
}

void WindowThread::loop() {
    threadId_ = GetCurrentThreadId();
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // creates the queue before anyone posts to it
    SetEvent(ready_.get());
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kRunWork) {
            std::unique_ptr<std::function<void()>> job(reinterpret_cast<std::function<void()>*>(message.lParam));
            (*job)();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace marquill::test
