#include "platform/win32/win32_shared_memory.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/owners.h"

namespace marquill::win32 {
namespace {

class FileMapping final : public SharedBlock {
public:
    explicit FileMapping(KernelHandle mapping) : mapping_(std::move(mapping)) {}

private:
    KernelHandle mapping_;
};

}  // namespace

NewSharedBlock Win32SharedMemory::createSharedBlock(const std::wstring& name,
                                                    std::uint32_t bytes,
                                                    const std::wstring& text) {
    KernelHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, bytes, name.c_str()));
    const DWORD error = GetLastError();
    if (!mapping || error == ERROR_ALREADY_EXISTS) {
        return {nullptr, mapping != nullptr || error == ERROR_ACCESS_DENIED};
    }
    const MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, bytes));
    if (!view) {
        return {};
    }
    // A new mapping of the paging file is zero-filled: the NUL after the text is there already.
    const std::size_t room = bytes / sizeof(wchar_t);
    const std::size_t units = room > 0 ? std::min(text.size(), room - 1) : 0;
    std::memcpy(view.get(), text.data(), units * sizeof(wchar_t));
    return {std::make_unique<FileMapping>(std::move(mapping)), false};
}

}  // namespace marquill::win32
