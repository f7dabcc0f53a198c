#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace marquill::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// The one owner of a font, brush or other GDI object.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

}  // namespace marquill::win32
