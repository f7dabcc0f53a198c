#include "support/app_process.h"

#include <cstdio>

#include "peers/remote_control.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

constexpr DWORD kStartTimeoutMs = 15000;

std::string freshFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof(name), "%smarquill-e2e-%lu-%d", temp, GetCurrentProcessId(), ++serial);
        if (CreateDirectoryA(name, nullptr)) {
            return name;
        }
    }
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
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
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner != search->processId || std::string(className) != layout::kWindowClass || !IsWindowVisible(window)) {
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

AppProcess::AppProcess(const std::string& exePath) : folder_(freshFolder()) {
    copied_ = CopyFileA(windowsPath(exePath).c_str(), pathOf("MarquillAmp.exe").c_str(), FALSE) != 0;
}

AppProcess::~AppProcess() {
    if (process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    closeHandles();
    removeFolder(folder_);
}

bool AppProcess::start() {
    if (!copied_ || (process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)) {
        return false;
    }
    closeHandles();
    mainWindow_ = nullptr;
    const std::string copy = pathOf("MarquillAmp.exe");
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + copy + "\"";
    if (!CreateProcessA(copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                        &process_)) {
        process_ = {};
        return false;
    }
    WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
    WindowSearch search = {process_.dwProcessId, nullptr};
    peers::waitUntil(
        [&] {
            EnumWindows(matchMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        kStartTimeoutMs);
    mainWindow_ = search.found;
    return mainWindow_ != nullptr;
}

std::string AppProcess::pathOf(const std::string& name) const {
    return folder_ + "\\" + name;
}

std::vector<std::string> AppProcess::files() const {
    return filesIn(folder_);
}

bool AppProcess::waitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}

void AppProcess::closeHandles() {
    if (process_.hProcess) {
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    process_ = {};
}

}  // namespace marquill::test
