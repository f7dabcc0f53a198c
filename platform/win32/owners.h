#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

// The one owner of each kind of handle the program, the peers and the tests hold: moved, never copied, released
// exactly once. A handle that failed to come is held as null (CreateFile's INVALID_HANDLE_VALUE included).
namespace marquill::win32 {

template <BOOL(WINAPI* Close)(HANDLE)>
struct HandleCloser {
    using pointer = HANDLE;
    void operator()(HANDLE handle) const { Close(handle); }
};

// An event, file, file mapping, mutex, process or thread.
using KernelHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser<CloseHandle>>;
// A search begun by FindFirstFile.
using FileSearch = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser<FindClose>>;

// A handle that is a number rather than a pointer (a socket), `None` standing for no handle.
template <typename Handle, Handle None, auto Close>
class NumberHandle {
public:
    NumberHandle() = default;
    explicit NumberHandle(Handle handle) : handle_(handle) {}
    ~NumberHandle() { reset(); }
    NumberHandle(NumberHandle&& other) noexcept : handle_(other.release()) {}
    NumberHandle& operator=(NumberHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != None; }
    Handle release() { return std::exchange(handle_, None); }
    void reset(Handle handle = None) {
        if (handle_ != None) {
            Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = None;
};

// A file or search handle as it came back from its call, failed ones (INVALID_HANDLE_VALUE) held as null.
template <typename Owner>
Owner owned(HANDLE handle) {
    return Owner(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

struct ViewUnmapper {
    void operator()(void* view) const { UnmapViewOfFile(view); }
};
// A view of a file mapping (MapViewOfFile).
using MappedView = std::unique_ptr<void, ViewUnmapper>;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// A font, brush, bitmap or other GDI object.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

struct IconDestroyer {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
// An icon loaded at a size of its own, which the system does not share.
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

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
