#include <windows.h>
#include <shellapi.h>

#include "platform/win32_numbers.h"

// The portable names of the Win32 numbers are the system's own: a wrong one fails the Windows build.
namespace marquill {

static_assert(wm::kSetText == WM_SETTEXT);
static_assert(wm::kGetText == WM_GETTEXT);
static_assert(wm::kChar == WM_CHAR);
static_assert(wm::kCommand == WM_COMMAND);
static_assert(wm::kMouseMove == WM_MOUSEMOVE);
static_assert(wm::kLeftButtonDown == WM_LBUTTONDOWN);
static_assert(wm::kLeftButtonUp == WM_LBUTTONUP);
static_assert(wm::kLeftDoubleClick == WM_LBUTTONDBLCLK);
static_assert(wm::kRightButtonDown == WM_RBUTTONDOWN);
static_assert(wm::kRightButtonUp == WM_RBUTTONUP);
static_assert(wm::kUser == WM_USER);
static_assert(kEnterKey == VK_RETURN);
static_assert(nim::kAdd == NIM_ADD);
static_assert(nim::kDelete == NIM_DELETE);
static_assert(nif::kMessage == NIF_MESSAGE);
static_assert(nif::kIcon == NIF_ICON);
static_assert(nif::kTip == NIF_TIP);
static_assert(gwl::kStyle == GWL_STYLE);
static_assert(gwl::kExStyle == GWL_EXSTYLE);
static_assert(ws::kBorder == WS_BORDER);
static_assert(ws::kDialogFrame == WS_DLGFRAME);
static_assert(ws::kThickFrame == WS_THICKFRAME);
static_assert(ws::kExClientEdge == WS_EX_CLIENTEDGE);
static_assert(ws::kExStaticEdge == WS_EX_STATICEDGE);
static_assert(swp::kNoSize == SWP_NOSIZE);
static_assert(swp::kNoMove == SWP_NOMOVE);
static_assert(swp::kNoZOrder == SWP_NOZORDER);
static_assert(swp::kNoActivate == SWP_NOACTIVATE);
static_assert(swp::kFrameChanged == SWP_FRAMECHANGED);
static_assert(sw::kRestore == SW_RESTORE);

}  // namespace marquill
