#pragma once

#include <windows.h>

// Functions of user32 that later versions of Windows added, looked up at run time: the program also runs where
// they are missing, and the headers are set for the oldest system it runs on.
namespace marquill::win32 {

// The function `name` of user32 as `Function`, or null.
template <typename Function>
Function laterUser32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace marquill::win32
