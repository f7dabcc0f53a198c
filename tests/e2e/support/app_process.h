#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace marquill::test {

// A copy of the program in a fresh temporary folder, started as a user starts it. The destructor ends a copy that
// is still running and removes the folder with whatever the program or the test put there.
class AppProcess {
public:
    // `exePath`: the built program, as a Windows path or as a Unix path of the Wine session's Z: drive. The copy is
    // made at once, so a test can put files beside it before it starts.
    explicit AppProcess(const std::string& exePath);
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // Starts the copy, or starts it again once it has ended, and waits (with a bound) for its main window; false
    // while it still runs or when the window never came.
    bool start();

    // The program's main window once it has been shown; null when it never came.
    HWND mainWindow() const { return mainWindow_; }
    // The Windows path of `name` in the program's folder.
    std::string pathOf(const std::string& name) const;
    // The names of the files and folders in the program's folder, its own copy included.
    std::vector<std::string> files() const;

    // Waits for the process to end; its exit code, or nothing when it is still running after `timeoutMs`.
    bool waitForExit(DWORD timeoutMs, DWORD& exitCode);

private:
    void closeHandles();

    std::string folder_;
    bool copied_ = false;
    PROCESS_INFORMATION process_ = {};
    HWND mainWindow_ = nullptr;
};

// The Windows form of a path: a Unix path is reached through Wine's Z: drive.
std::string windowsPath(const std::string& path);

}  // namespace marquill::test
