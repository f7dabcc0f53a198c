#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/win32/owners.h"

namespace marquill::win32 {
namespace {

constexpr std::size_t kWriteChunkBytes = 1 << 20;

KernelHandle openFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    return owned<KernelHandle>(
        CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::wstring systemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    return text.empty() ? L"Error " + std::to_wstring(error) + L"." : text;
}

// The error of creating, writing or flushing the file; 0 when all of `bytes` reached the disk.
DWORD writeNewFile(const std::wstring& path, std::string_view bytes) {
    const KernelHandle file = openFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) {
        return GetLastError();
    }
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kWriteChunkBytes));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) {
            return GetLastError();
        }
        if (written == 0) {
            return ERROR_WRITE_FAULT;
        }
        bytes.remove_prefix(written);
    }
    return FlushFileBuffers(file.get()) ? 0 : GetLastError();
}

}  // namespace

std::wstring folderOfModule(const std::wstring& modulePath) {
    const std::size_t slash = modulePath.find_last_of(L'\\');
    if (slash == std::wstring::npos) {
        return {};
    }
    const bool driveRoot = slash == 2 && modulePath[1] == L':';
    return modulePath.substr(0, driveRoot ? slash + 1 : slash);
}

std::wstring Win32Files::programDirectory() const {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            return folderOfModule(std::wstring(buffer.data(), length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool Win32Files::isPlainFile(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

std::optional<std::string> Win32Files::readAll(const std::wstring& path, std::size_t maxBytes) {
    const KernelHandle file = openFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size) || static_cast<std::uint64_t>(size.QuadPart) > maxBytes) {
        return std::nullopt;
    }
    // One byte more than the size, so a file that grew since its size was taken is seen and not cut.
    std::string bytes(static_cast<std::size_t>(size.QuadPart) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), &bytes[filled], static_cast<DWORD>(bytes.size() - filled), &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        filled += read;
        if (filled == bytes.size()) {
            return std::nullopt;  // it grew while being read: not the whole file
        }
    }
    bytes.resize(filled);
    return bytes;
}

std::optional<std::wstring> Win32Files::replaceContent(const std::wstring& path, std::string_view bytes) {
    const std::wstring temporary = path + L".new";
    if (const DWORD error = writeNewFile(temporary, bytes)) {
        DeleteFileW(temporary.c_str());
        return systemErrorText(error);
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return systemErrorText(error);
    }
    return std::nullopt;
}

}  // namespace marquill::win32
