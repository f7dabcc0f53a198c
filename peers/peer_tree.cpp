#include "peers/peer_tree.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/win32/owners.h"
#include "platform/win32/window_procedure.h"

namespace marquill::peers {
namespace {

// The text of the mapping mIRC's command message names: UTF-16 with `unicode`, else ANSI bytes, up to its NUL or
// the end of the mapping; nothing when there is no mapping of that name.
std::optional<std::string> mappedText(LPARAM n, bool unicode) {
    const win32::KernelHandle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, mircMappingName(n).c_str()));
    const win32::MappedView view(mapping ? MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0) : nullptr);
    MEMORY_BASIC_INFORMATION region = {};
    if (!view || VirtualQuery(view.get(), &region, sizeof region) == 0) {
        return std::nullopt;
    }
    if (unicode) {
        const auto* text = static_cast<const wchar_t*>(view.get());
        return utf8FromWide(std::wstring(text, wcsnlen(text, region.RegionSize / sizeof(wchar_t))));
    }
    const auto* text = static_cast<const char*>(view.get());
    return std::string(text, strnlen(text, region.RegionSize));
}

void ensureClass(const char* className) {
    if (std::strcmp(className, "RichEdit20W") == 0) {
        LoadLibraryW(L"riched20.dll");  // registers the rich edit classes; stays for the process
    }
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof(existing);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(instance, className, &existing) || GetClassInfoExA(nullptr, className, &existing)) {
        return;
    }
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

}  // namespace

// One window of the tree, subclassed: it records what it receives, then hands it to its class's own procedure.
struct PeerTree::Node {
    PeerTree* tree;
    std::string label;
    WNDPROC original;
    bool top;
    bool unicode;
    bool takesCommands;

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

PeerTree::PeerTree(const std::vector<PeerNode>& nodes, const PeerWindowOptions& options)
    : quitOnClose_(options.quitOnClose),
      onText_(options.onText),
      onChar_(options.onChar),
      onCommand_(options.onCommand) {
    for (const PeerNode& node : nodes) {
        ensureClass(node.className);
        const bool top = node.parent < 0;
        const HWND parent = top ? nullptr : windows_.at(static_cast<std::size_t>(node.parent));
        DWORD style = top ? WS_OVERLAPPEDWINDOW : WS_CHILD | WS_CLIPSIBLINGS;
        if (top && options.visible) {
            style |= WS_VISIBLE;
        }
        const RECT place = top ? options.frame : RECT{0, 0, 0, 0};
        CLIENTCREATESTRUCT mdi = {nullptr, 0xFF00};  // the MDI client reads this at creation
        const std::string title = top ? options.title : "";
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(node.id));
        // A window procedure set with the W call makes the window a Unicode one, whatever its class.
        const HWND window =
            options.unicode
                ? CreateWindowExW(0, wideFromUtf8(node.className).c_str(), wideFromUtf8(title).c_str(), style,
                                  place.left, place.top, width, height, parent, id, GetModuleHandleA(nullptr), &mdi)
                : CreateWindowExA(0, node.className, title.c_str(), style, place.left, place.top, width, height, parent,
                                  id, GetModuleHandleA(nullptr), &mdi);
        windows_.push_back(window);
        nodes_.push_back(std::make_unique<Node>(
            Node{this, node.label, nullptr, top, options.unicode, takesMircCommands(node.className)}));
        win32::attachWindow(window, nodes_.back().get());
        const auto procedure = reinterpret_cast<LONG_PTR>(win32::attachedWindowProc<Node>);
        nodes_.back()->original =
            reinterpret_cast<WNDPROC>(options.unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                                                      : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure));
    }
    if (options.listEvents) {
        RECT client;
        GetClientRect(top(), &client);
        list_ = CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0,
                                client.right, client.bottom, top(), nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        recorder_.setListener([this](const std::string& line) { showLine(line); });
    }
}

PeerTree::~PeerTree() {
    recorder_.setListener(nullptr);
    if (IsWindow(top())) {
        DestroyWindow(top());
    }
}

LRESULT PeerTree::Node::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (takesCommands && message == kMircCommand) {
        const std::optional<std::string> text = mappedText(lParam, (wParam & 8) != 0);
        tree->recorder_.add(label + " command " + std::to_string(wParam) + " " + text.value_or("(no mapping)"));
        if (text && tree->onCommand_) {
            tree->onCommand_(wParam, *text);
        }
        return text ? 1 : 0;
    }
    switch (message) {
        case WM_SETTEXT: {
            const std::string text = lParam == 0 ? ""
                                     : unicode   ? utf8FromWide(reinterpret_cast<const wchar_t*>(lParam))
                                                 : reinterpret_cast<const char*>(lParam);
            tree->recorder_.add(label + " text " + text);
            if (tree->onText_) {
                tree->onText_(label);
            }
            break;
        }
        case WM_CHAR:
            tree->recorder_.add(label + " char " + std::to_string(wParam));
            if (tree->onChar_) {
                tree->onChar_(window, label, wParam);  // reads the input before the Enter empties it
            }
            if (label == "input" && wParam == VK_RETURN) {
                tree->emptyInput();
            }
            break;
        case WM_LBUTTONDOWN:
            tree->recorder_.add(label + " down");
            break;
        case WM_LBUTTONUP:
            tree->recorder_.add(label + " up");
            if (label == "send") {
                tree->emptyInput();
            }
            break;
        case WM_SIZE:
            if (top && tree->list_) {
                MoveWindow(tree->list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            }
            break;
        case WM_DESTROY:
            if (top && tree->quitOnClose_) {
                PostQuitMessage(0);
            }
            break;
    }
    return unicode ? CallWindowProcW(original, window, message, wParam, lParam)
                   : CallWindowProcA(original, window, message, wParam, lParam);
}

HWND PeerTree::window(const std::string& label) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i]->label == label) {
            return windows_[i];
        }
    }
    return nullptr;
}

// Past the recording: the text went out, it did not arrive.
void PeerTree::emptyInput() {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (nodes_[i]->label == "input") {
            const Node& input = *nodes_[i];
            if (input.unicode) {
                CallWindowProcW(input.original, windows_[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
            } else {
                CallWindowProcA(input.original, windows_[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
            }
            return;
        }
    }
}

void PeerTree::showLine(const std::string& line) {
    if (!IsWindow(list_)) {
        return;
    }
    // The recorded lines are UTF-8: shown as such, whatever the window that got them.
    const std::wstring shown = wideFromUtf8(printable(line));
    const LRESULT index = SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

std::string printable(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\\') {
            shown += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string utf8FromWide(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    std::string utf8(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

std::string ansiFromWide(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    std::string ansi(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size,
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, &ansi[0], static_cast<int>(ansi.size()),
                        nullptr, nullptr);
    return ansi;
}

std::wstring wideFromUtf8(const std::string& text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &wide[0], static_cast<int>(wide.size()));
    return wide;
}

}  // namespace marquill::peers
