#pragma once

#include <cstdint>

// Every Win32 number that the program, the sim desktop and the tests pass or compare, each named once here with
// its Windows name. The Windows build checks each against <windows.h> (platform/win32/win32_numbers_check.cpp).
namespace marquill {

namespace wm {
constexpr std::uint32_t kSetText = 12;           // WM_SETTEXT
constexpr std::uint32_t kGetText = 13;           // WM_GETTEXT
constexpr std::uint32_t kChar = 258;             // WM_CHAR
constexpr std::uint32_t kCommand = 273;          // WM_COMMAND
constexpr std::uint32_t kMouseMove = 512;        // WM_MOUSEMOVE
constexpr std::uint32_t kLeftButtonDown = 513;   // WM_LBUTTONDOWN
constexpr std::uint32_t kLeftButtonUp = 514;     // WM_LBUTTONUP
constexpr std::uint32_t kLeftDoubleClick = 515;  // WM_LBUTTONDBLCLK
constexpr std::uint32_t kRightButtonDown = 516;  // WM_RBUTTONDOWN
constexpr std::uint32_t kRightButtonUp = 517;    // WM_RBUTTONUP
constexpr std::uint32_t kUser = 1024;            // WM_USER
}  // namespace wm

// The character code of the Enter key as WM_CHAR carries it.
constexpr std::uint32_t kEnterKey = 13;  // VK_RETURN

namespace nim {
constexpr std::uint32_t kAdd = 0;     // NIM_ADD
constexpr std::uint32_t kModify = 1;  // NIM_MODIFY
constexpr std::uint32_t kDelete = 2;  // NIM_DELETE
}  // namespace nim

namespace nif {
constexpr std::uint32_t kMessage = 1;  // NIF_MESSAGE
constexpr std::uint32_t kIcon = 2;     // NIF_ICON
constexpr std::uint32_t kTip = 4;      // NIF_TIP
}  // namespace nif

namespace gwl {
constexpr int kStyle = -16;    // GWL_STYLE
constexpr int kExStyle = -20;  // GWL_EXSTYLE
}  // namespace gwl

namespace ws {
constexpr std::uint32_t kBorder = 0x00800000;        // WS_BORDER
constexpr std::uint32_t kDialogFrame = 0x00400000;   // WS_DLGFRAME
constexpr std::uint32_t kThickFrame = 0x00040000;    // WS_THICKFRAME
constexpr std::uint32_t kExClientEdge = 0x00000200;  // WS_EX_CLIENTEDGE
constexpr std::uint32_t kExStaticEdge = 0x00020000;  // WS_EX_STATICEDGE
}  // namespace ws

namespace swp {
constexpr std::uint32_t kNoSize = 0x01;        // SWP_NOSIZE
constexpr std::uint32_t kNoMove = 0x02;        // SWP_NOMOVE
constexpr std::uint32_t kNoZOrder = 0x04;      // SWP_NOZORDER
constexpr std::uint32_t kNoActivate = 0x10;    // SWP_NOACTIVATE
constexpr std::uint32_t kFrameChanged = 0x20;  // SWP_FRAMECHANGED
}  // namespace swp

namespace sw {
constexpr int kRestore = 9;  // SW_RESTORE
}  // namespace sw

}  // namespace marquill
