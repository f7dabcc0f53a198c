#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "platform/win32_numbers.h"

namespace marquill::sim {
namespace {

bool sameClass(const std::string& a, const char* b) {
    const std::size_t length = std::strlen(b);
    if (a.size() != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

std::string replyText(const std::optional<std::int32_t>& reply) {
    return reply ? number(*reply) : "no answer";
}

struct Name {
    std::int64_t value;
    const char* name;
};

// A recorded call names the numbers it knows as Windows does, so an expectation reads like the call it stands for.
template <std::size_t Size>
std::string named(std::int64_t value, const Name (&names)[Size]) {
    for (const Name& known : names) {
        if (known.value == value) {
            return known.name;
        }
    }
    return number(value);
}

constexpr Name kMessageNames[] = {
    {wm::kSetText, "WM_SETTEXT"},        {wm::kGetText, "WM_GETTEXT"},     {wm::kChar, "WM_CHAR"},
    {wm::kCommand, "WM_COMMAND"},        {wm::kMouseMove, "WM_MOUSEMOVE"}, {wm::kLeftButtonDown, "WM_LBUTTONDOWN"},
    {wm::kLeftButtonUp, "WM_LBUTTONUP"}, {wm::kUser, "WM_USER"},
};
constexpr Name kLongNames[] = {{gwl::kStyle, "GWL_STYLE"}, {gwl::kExStyle, "GWL_EXSTYLE"}};
constexpr Name kTrayOperationNames[] = {{nim::kAdd, "NIM_ADD"},
                                        {nim::kModify, "NIM_MODIFY"},
                                        {nim::kDelete, "NIM_DELETE"}};
constexpr Name kShowCommandNames[] = {{sw::kRestore, "SW_RESTORE"}};

std::uint32_t readUint32(const TrayRecordBytes& record, std::size_t offset) {
    return static_cast<std::uint32_t>(record[offset]) | static_cast<std::uint32_t>(record[offset + 1]) << 8 |
           static_cast<std::uint32_t>(record[offset + 2]) << 16 | static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

}  // namespace

SimDesktop::SimDesktop(const AnsiCodec& codec) : codec_(codec) {}

WindowHandle SimDesktop::createWindow(const std::string& className, const std::wstring& title, WindowHandle parent) {
    if (parent != 0 && !exists(parent)) {
        throw std::invalid_argument("sim: parent window " + std::to_string(parent) + " does not exist");
    }
    const WindowHandle handle = nextHandle_++;
    Window window;
    window.className = className;
    window.title = title;
    window.parent = parent;
    windows_[handle] = std::move(window);
    if (parent == 0) {
        topLevel_.insert(topLevel_.begin(), handle);
    } else {
        find(parent)->children.push_back(handle);
    }
    return handle;
}

void SimDesktop::destroyWindow(WindowHandle window) {
    Window* found = find(window);
    if (!found) {
        return;
    }
    const std::vector<WindowHandle> children = found->children;
    for (WindowHandle child : children) {
        destroyWindow(child);
    }
    std::vector<WindowHandle>& siblings = siblingsOf(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    windows_.erase(window);
    if (foreground_ == window) {
        foreground_ = 0;
    }
}

bool SimDesktop::exists(WindowHandle window) const {
    return find(window) != nullptr;
}

void SimDesktop::setTitle(WindowHandle window, const std::wstring& title) {
    find(window)->title = title;
}

void SimDesktop::setHandler(WindowHandle window, MessageHandler handler) {
    find(window)->handler = std::move(handler);
}

void SimDesktop::setHung(WindowHandle window, bool hung) {
    find(window)->hung = hung;
}

void SimDesktop::setUnicode(WindowHandle window, bool unicode) {
    find(window)->unicode = unicode;
}

void SimDesktop::setRejectsPosts(WindowHandle window, bool rejects) {
    find(window)->rejectsPosts = rejects;
}

int SimDesktop::lastShowCommand(WindowHandle window) const {
    const Window* found = find(window);
    return found ? found->lastShowCommand : -1;
}

bool SimDesktop::trayIconShown(WindowHandle owner, std::uint32_t id) const {
    return trayIcons_.count({owner, id}) != 0;
}

std::uint32_t SimDesktop::trayIconImage(WindowHandle owner, std::uint32_t id) const {
    const auto icon = trayIcons_.find({owner, id});
    return icon == trayIcons_.end() ? 0 : icon->second;
}

WindowHandle SimDesktop::findWindow(const char* className) {
    WindowHandle result = 0;
    for (WindowHandle candidate : topLevel_) {
        if (sameClass(windows_.at(candidate).className, className)) {
            result = candidate;
            break;
        }
    }
    record("FindWindowA(\"" + std::string(className) + "\") = " + number(result));
    return result;
}

WindowHandle SimDesktop::findChildWindow(WindowHandle parent, WindowHandle after, const char* className) {
    WindowHandle result = 0;
    if (const Window* owner = find(parent)) {
        const std::vector<WindowHandle>& children = owner->children;
        auto it = children.begin();
        if (after != 0) {
            it = std::find(children.begin(), children.end(), after);
            if (it != children.end()) {
                ++it;
            }
        }
        for (; it != children.end(); ++it) {
            if (sameClass(windows_.at(*it).className, className)) {
                result = *it;
                break;
            }
        }
    }
    record("FindWindowExA(" + number(parent) + ", " + number(after) + ", \"" + className + "\") = " + number(result));
    return result;
}

std::optional<std::int32_t> SimDesktop::sendMessageTimeout(WindowHandle window,
                                                           std::uint32_t message,
                                                           std::uint32_t wParam,
                                                           std::int32_t lParam,
                                                           std::uint32_t timeoutMs) {
    SimMessage sent{message, wParam, lParam, {}, false};
    const std::optional<std::int32_t> reply = deliverSent(window, sent);
    record("SendMessageTimeoutA(" + number(window) + ", " + named(message, kMessageNames) + ", " + number(wParam) +
           ", " + number(lParam) + ", " + number(timeoutMs) + ") = " + replyText(reply));
    return reply;
}

std::optional<std::int32_t> SimDesktop::sendTextMessageTimeout(WindowHandle window,
                                                               std::uint32_t message,
                                                               std::uint32_t wParam,
                                                               const std::wstring& text,
                                                               std::uint32_t timeoutMs) {
    const Window* target = find(window);
    const bool unicode = target && target->unicode;
    SimMessage sent{message, wParam, 0, unicode ? text : codec_.fromAnsi(codec_.toAnsi(text)), false};
    const std::optional<std::int32_t> reply = deliverSent(window, sent);
    record(std::string(unicode ? "SendMessageTimeoutW(" : "SendMessageTimeoutA(") + number(window) + ", " +
           named(message, kMessageNames) + ", " + number(wParam) + ", " + quoted(text) + ", " + number(timeoutMs) +
           ") = " + replyText(reply));
    return reply;
}

std::optional<std::int32_t> SimDesktop::sendGetTextTimeout(WindowHandle window,
                                                           std::uint32_t maxCharacters,
                                                           std::uint32_t timeoutMs) {
    const Window* target = find(window);
    const std::optional<std::int32_t> reply =
        deliverSent(window, SimMessage{wm::kGetText, maxCharacters, 0, {}, false});
    record(std::string(target && target->unicode ? "SendMessageTimeoutW(" : "SendMessageTimeoutA(") + number(window) +
           ", WM_GETTEXT, " + number(maxCharacters) + ", buffer, " + number(timeoutMs) + ") = " + replyText(reply));
    return reply;
}

std::int32_t SimDesktop::postMessage(WindowHandle window,
                                     std::uint32_t message,
                                     std::uint32_t wParam,
                                     std::int32_t lParam) {
    std::int32_t result = 0;
    if (window == 0) {
        result = 1;
    } else if (Window* target = find(window); target && !target->rejectsPosts) {
        result = 1;
        if (target->handler) {
            target->handler(SimMessage{message, wParam, lParam, {}, true});
        }
    }
    record("PostMessageA(" + number(window) + ", " + named(message, kMessageNames) + ", " + number(wParam) + ", " +
           number(lParam) + ") = " + number(result));
    return result;
}

std::wstring SimDesktop::getWindowText(WindowHandle window, int maxCharacters) {
    std::wstring result;
    if (const Window* found = find(window); found && maxCharacters > 0) {
        result = found->title.substr(0, static_cast<std::size_t>(maxCharacters - 1));
    }
    record("GetWindowTextW(" + number(window) + ", " + number(maxCharacters) + ") = " + quoted(result));
    return result;
}

bool SimDesktop::showWindow(WindowHandle window, int showCommand) {
    Window* found = find(window);
    if (found) {
        found->lastShowCommand = showCommand;
    }
    record("ShowWindow(" + number(window) + ", " + named(showCommand, kShowCommandNames) + ")");
    return found != nullptr;
}

bool SimDesktop::setForegroundWindow(WindowHandle window) {
    const bool found = exists(window);
    if (found) {
        foreground_ = window;
    }
    record("SetForegroundWindow(" + number(window) + ")");
    return found;
}

bool SimDesktop::bringWindowToTop(WindowHandle window) {
    const bool found = exists(window);
    if (found) {
        std::vector<WindowHandle>& siblings = siblingsOf(window);
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
        siblings.insert(siblings.begin(), window);
    }
    record("BringWindowToTop(" + number(window) + ")");
    return found;
}

std::int32_t SimDesktop::getWindowLong(WindowHandle window, int index) {
    std::int32_t value = 0;
    if (const Window* found = find(window)) {
        auto it = found->longs.find(index);
        value = it == found->longs.end() ? 0 : it->second;
    }
    record("GetWindowLongA(" + number(window) + ", " + named(index, kLongNames) + ") = " + number(value));
    return value;
}

std::int32_t SimDesktop::setWindowLong(WindowHandle window, int index, std::int32_t value) {
    std::int32_t previous = 0;
    if (Window* found = find(window)) {
        previous = found->longs[index];
        found->longs[index] = value;
    }
    record("SetWindowLongA(" + number(window) + ", " + named(index, kLongNames) + ", " + number(value) +
           ") = " + number(previous));
    return previous;
}

bool SimDesktop::setWindowPos(WindowHandle window,
                              WindowHandle insertAfter,
                              int x,
                              int y,
                              int cx,
                              int cy,
                              std::uint32_t flags) {
    record("SetWindowPos(" + number(window) + ", " + number(insertAfter) + ", " + number(x) + ", " + number(y) + ", " +
           number(cx) + ", " + number(cy) + ", " + number(flags) + ")");
    return exists(window);
}

bool SimDesktop::notifyIcon(std::uint32_t operation, const TrayRecordBytes& record) {
    const std::pair<WindowHandle, std::uint32_t> icon{readUint32(record, 4), readUint32(record, 8)};
    bool result = false;
    if (operation == nim::kAdd) {
        result = shellRunning_ && exists(icon.first) && trayIcons_.emplace(icon, readUint32(record, 20)).second;
    } else if (operation == nim::kModify) {
        result = shellRunning_ && trayIcons_.count(icon) != 0;
        if (result) {
            trayIcons_[icon] = readUint32(record, 20);
        }
    } else if (operation == nim::kDelete) {
        result = trayIcons_.erase(icon) != 0;
    }
    this->record("Shell_NotifyIconA(" + named(operation, kTrayOperationNames) + ", " + number(icon.first) + ", " +
                 number(icon.second) + ") = " + number(result));
    return result;
}

// One of our blocks: its name is free again once it is given back.
class SimDesktop::Block final : public SharedBlock {
public:
    Block(SimDesktop& desktop, std::wstring name) : desktop_(desktop), name_(std::move(name)) {}
    ~Block() override {
        desktop_.sharedNames_.erase(name_);
        desktop_.record("CloseHandle(" + desktop_.quoted(name_) + ")");
    }

private:
    SimDesktop& desktop_;
    std::wstring name_;
};

void SimDesktop::takeSharedName(const std::wstring& name, bool guarded) {
    sharedNames_[name] = {L"", guarded};
}

std::optional<std::wstring> SimDesktop::sharedText(const std::wstring& name) const {
    const auto found = sharedNames_.find(name);
    return found == sharedNames_.end() ? std::nullopt : std::optional<std::wstring>(found->second.text);
}

NewSharedBlock SimDesktop::createSharedBlock(const std::wstring& name, std::uint32_t bytes, const std::wstring& text) {
    const auto taken = sharedNames_.find(name);
    const std::string call = "CreateFileMappingW(" + quoted(name) + ", " + number(bytes) + ") = ";
    if (taken != sharedNames_.end()) {
        record(call + (taken->second.guarded ? "access denied" : "exists"));
        return {nullptr, true};
    }
    sharedNames_[name] = {text, false};
    record(call + "made");
    return {std::make_unique<Block>(*this, name), false};
}

SimDesktop::Window* SimDesktop::find(WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimDesktop::Window* SimDesktop::find(WindowHandle window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowHandle>& SimDesktop::siblingsOf(WindowHandle window) {
    const WindowHandle parent = windows_.at(window).parent;
    return parent == 0 ? topLevel_ : windows_.at(parent).children;
}

std::optional<std::int32_t> SimDesktop::deliverSent(WindowHandle window, const SimMessage& message) {
    Window* target = find(window);
    if (!target || target->hung) {
        return std::nullopt;
    }
    return target->handler ? target->handler(message) : 0;
}

// ANSI bytes as the code page has them; a character it lacks as \u and its code, so a recording shows what a
// Unicode window received.
std::string SimDesktop::quoted(const std::wstring& text) const {
    std::string out = "\"";
    for (const wchar_t character : text) {
        const std::optional<std::string> bytes = codec_.toAnsiExactly(std::wstring_view(&character, 1));
        if (!bytes) {
            char escaped[12];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(character));
            out += escaped;
            continue;
        }
        for (const unsigned char byte : *bytes) {
            if (byte == '"' || byte == '\\') {
                out += '\\';
                out += static_cast<char>(byte);
            } else if (byte == '\r') {
                out += "\\r";
            } else if (byte == '\n') {
                out += "\\n";
            } else if (byte < 0x20 || byte >= 0x7F) {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                out += escaped;
            } else {
                out += static_cast<char>(byte);
            }
        }
    }
    return out + "\"";
}

void SimDesktop::record(std::string call) {
    calls_.push_back(std::move(call));
}

}  // namespace marquill::sim
