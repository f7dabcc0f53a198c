#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/owners.h"

namespace marquill::peers {

// A copy of a program in a fresh temporary folder, started as a user starts it. The destructor ends a copy that is
// still running and removes the folder with whatever the program or its driver put there.
class AppProcess {
public:
    // `exePath`: the built program, as a Windows path or as a Unix path of the Wine session's Z: drive. The copy,
    // under the same file name, is made at once, so a test can put files beside it before it starts. `arguments`
    // follow the program's name on its command line.
    explicit AppProcess(const std::string& exePath, const std::string& arguments = "");
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // Starts the copy, or starts it again once it has ended, and waits (with a bound) until its main window (its
    // first visible top-level window that no other window owns) is shown and it waits for input; false while it
    // still runs, when the window never came, or when the program ended without one.
    bool start();

    // The program's main window once it has been shown; null when it never came.
    HWND mainWindow() const { return mainWindow_; }
    // From the call that created the process to the first sight of its main window, in seconds.
    double secondsToWindow() const { return secondsToWindow_; }
    // The running program's process; null before start().
    HANDLE process() const { return process_.get(); }
    // The Windows path of `name` in the program's folder.
    std::string pathOf(const std::string& name) const;
    // The names of the files and folders in the program's folder, its own copy included.
    std::vector<std::string> files() const;

    // Waits for the process to end; its exit code, or nothing when it is still running after `timeoutMs`.
    bool waitForExit(DWORD timeoutMs, DWORD& exitCode);

private:
    std::string folder_;
    std::string fileName_;
    std::string arguments_;
    bool copied_ = false;
    double secondsToWindow_ = 0;
    win32::KernelHandle process_;
    HWND mainWindow_ = nullptr;
};

// The Windows form of a path: a Unix path is reached through Wine's Z: drive.
std::string windowsPath(const std::string& path);

}  // namespace marquill::peers
