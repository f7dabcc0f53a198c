#pragma once

#include <cstdint>

// The window message numbers the program sends, posts or receives as numbers.
namespace marquill::wm {

constexpr std::uint32_t kSetText = 12;           // WM_SETTEXT
constexpr std::uint32_t kChar = 258;             // WM_CHAR
constexpr std::uint32_t kCommand = 273;          // WM_COMMAND
constexpr std::uint32_t kMouseMove = 512;        // WM_MOUSEMOVE
constexpr std::uint32_t kLeftButtonDown = 513;   // WM_LBUTTONDOWN
constexpr std::uint32_t kLeftButtonUp = 514;     // WM_LBUTTONUP
constexpr std::uint32_t kLeftDoubleClick = 515;  // WM_LBUTTONDBLCLK
constexpr std::uint32_t kRightButtonUp = 517;    // WM_RBUTTONUP
constexpr std::uint32_t kUser = 1024;            // WM_USER

}  // namespace marquill::wm
