#include "peers/app_process.h"

#include <cstdio>

#include "peers/remote_control.h"
#include "peers/stopwatch.h"

namespace marquill::peers {
namespace {

constexpr DWORD kStartTimeoutMs = 15000;

std::string freshFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof(name), "%smarquill-run-%lu-%d", temp, GetCurrentProcessId(), ++serial);
        if (CreateDirectoryA(name, nullptr)) {
            return name;
        }
    }
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const win32::FileSearch search = win32::owned<win32::FileSearch>(FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (!search) {
        return names;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(search.get(), &entry));
    return names;
}

void removeFolder(const std::string& folder) {
    for (const std::string& name : filesIn(folder)) {
        const std::string path = folder + "\\" + name;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            removeFolder(path);
            continue;
        }
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchMainWindow(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<WindowSearch*>(state);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

std::string windowsPath(const std::string& path) {
    if (path.empty() || path.front() != '/') {
        return path;
    }
    std::string converted = "Z:" + path;
    for (char& c : converted) {
        if (c == '/') {
            c = '\\';
        }
    }
    return converted;
}

AppProcess::AppProcess(const std::string& exePath, const std::string& arguments)
    : folder_(freshFolder()), fileName_(exePath.substr(exePath.find_last_of("/\\") + 1)), arguments_(arguments) {
    copied_ = CopyFileA(windowsPath(exePath).c_str(), pathOf(fileName_).c_str(), FALSE) != 0;
}

AppProcess::~AppProcess() {
    if (process_.get() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
    process_.reset();
    removeFolder(folder_);
}

bool AppProcess::start() {
    if (!copied_ || (process_.get() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)) {
        return false;
    }
    process_.reset();
    mainWindow_ = nullptr;
    const std::string copy = pathOf(fileName_);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + copy + "\"" + (arguments_.empty() ? "" : " " + arguments_);
    const Stopwatch sinceStart;
    PROCESS_INFORMATION created = {};
    if (!CreateProcessA(copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                        &created)) {
        return false;
    }
    const win32::KernelHandle thread(created.hThread);  // never waited on
    process_.reset(created.hProcess);
    // Looked for every millisecond, so that the time to the window is worth measuring; a program that ends
    // without one is not waited for.
    WindowSearch search = {created.dwProcessId, nullptr};
    waitUntil(
        [&] {
            EnumWindows(matchMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
        },
        kStartTimeoutMs, 1);
    secondsToWindow_ = sinceStart.seconds();
    mainWindow_ = search.found;
    if (mainWindow_) {
        WaitForInputIdle(process_.get(), kStartTimeoutMs);
    }
    return mainWindow_ != nullptr;
}

std::string AppProcess::pathOf(const std::string& name) const {
    return folder_ + "\\" + name;
}

std::vector<std::string> AppProcess::files() const {
    return filesIn(folder_);
}

bool AppProcess::waitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (!process_.get() || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process_.get(), &exitCode) != 0;
}

}  // namespace marquill::peers
