#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// The one owner of each kind of handle the program, the peers and the tests hold: moved, never copied, released
// exactly once. A handle that failed to come is held as null (CreateFile's INVALID_HANDLE_VALUE included).
namespace marquill::win32 {

struct KernelHandleCloser {
    using pointer = HANDLE;
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// An event, file, process or thread.
using KernelHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

inline KernelHandle ownedFile(HANDLE file) {
    return KernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// A font, brush, bitmap or other GDI object.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

struct FileSearchCloser {
    using pointer = HANDLE;
    void operator()(HANDLE search) const { FindClose(search); }
};
// A search begun by FindFirstFile; null when nothing matched.
using FileSearch = std::unique_ptr<std::remove_pointer_t<HANDLE>, FileSearchCloser>;

inline FileSearch ownedSearch(HANDLE search) {
    return FileSearch(search == INVALID_HANDLE_VALUE ? nullptr : search);
}

// The screen's device context, for as long as it is needed.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_) {
            ReleaseDC(nullptr, dc_);
        }
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace marquill::win32
