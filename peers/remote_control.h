#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace marquill::peers {

// The user's side of another program's windows: everything goes through window messages that the system carries
// across processes, each with a bound, so a hung program fails a wait instead of stopping the caller.
constexpr DWORD kReplyTimeoutMs = 2000;

// Polls `condition` every `pollMs` until it holds or `timeoutMs` has passed; true when it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 10);

// WM_GETTEXT: the text of an edit box or the caption of a label or button; empty when the window does not answer.
std::string controlText(HWND window);
bool setControlText(HWND window, const std::string& text);
// The same through the W calls, the text as UTF-8: what a Unicode window holds, whole.
std::string controlTextUtf8(HWND window);
bool setControlTextUtf8(HWND window, const std::string& text);

// A child of `parent` as a user's tool finds it: the one of class `className` with caption `caption`, or, with no
// caption given, the `ordinal`-th of that class, topmost first, counting from 1. Null when there is none.
HWND childWindow(HWND parent, const char* className, const char* caption, int ordinal);

// BM_CLICK, as the mouse would click a button, check box or option button; handled before it returns.
bool click(HWND window);

// A posted WM_CLOSE, as the close box sends it.
bool requestClose(HWND window);

}  // namespace marquill::peers
