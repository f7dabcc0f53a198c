#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/win32/owners.h"

namespace marquill::test {

// What a test window answers to a message; returns false to leave it to DefWindowProc.
using TestHandler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& reply)>;

// A thread of its own with a message loop, owning the windows a test creates on it, so the test's thread can
// talk to them as the program talks to other programs' windows.
class WindowThread {
public:
    WindowThread();
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    // Runs `work` on the window thread and waits for it.
    void run(const std::function<void()>& work);

    // A hidden window of class `className` (registered on first use); a child when `parent` is given.
    HWND createWindow(const std::string& className,
                      const std::string& title,
                      HWND parent = nullptr,
                      TestHandler handler = nullptr);

private:
    void loop();

    std::thread thread_;
    DWORD threadId_ = 0;
    win32::KernelHandle ready_;
};

}  // namespace marquill::test
