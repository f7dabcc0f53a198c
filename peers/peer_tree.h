#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "peers/recorder.h"
#include "peers/window_trees.h"

namespace marquill::peers {

struct PeerWindowOptions {
    std::string title;
    bool visible = false;
    RECT frame = {0, 0, 320, 200};
    bool listEvents = false;   // a list box over the top window shows each recorded line
    bool quitOnClose = false;  // closing the top window ends the thread's message loop
    // Unicode windows (IsWindowUnicode): they receive text as UTF-16 and record it as UTF-8. Otherwise the windows
    // are ANSI ones and record the bytes they receive.
    bool unicode = false;
    // Called with the window's label after it has recorded a WM_SETTEXT, inside the sender's call.
    std::function<void(const std::string& label)> onText;
    // Called with the window and its label after it has recorded a WM_CHAR, inside the sender's call, before the
    // window's class handles it.
    std::function<void(HWND window, const std::string& label, WPARAM code)> onChar;
    // Called with mIRC's command message that a window took (kMircCommand): its wParam and the text (UTF-8) of the
    // mapping it named, inside the sender's call.
    std::function<void(WPARAM how, const std::string& text)> onCommand;
};

// The windows of one outside program, created in table order on the calling thread (which must pump messages and
// must be the one that destroys the tree). Siblings come in table order in the child search, so a table places
// decoys before and after each target, and a search for the wrong ordinal records into a decoy. Every window
// records WM_SETTEXT ("<label> text <text>"), WM_CHAR ("<label> char <code>") and left-button messages
// ("<label> down", "<label> up"), then handles them as its class does. As a chat client does when it sends, the
// window labelled "input" is emptied by an Enter it receives and by the release of the button labelled "send".
// mIRC's main and channel windows take its command message as mIRC's help describes: they read the mapping it
// names, record "<label> command <wParam> <text>" and answer 1, or 0 when there is no such mapping.
// "Button", "Edit", "MDIClient" and "RichEdit20W" are the system's own controls; other classes are plain windows.
// Nothing else of the real programs is simulated.
class PeerTree {
public:
    PeerTree(const std::vector<PeerNode>& nodes, const PeerWindowOptions& options);
    ~PeerTree();
    PeerTree(const PeerTree&) = delete;
    PeerTree& operator=(const PeerTree&) = delete;

    HWND top() const { return windows_.front(); }
    // The first window of the table with this label, as the user of the program finds it on the screen.
    HWND window(const std::string& label) const;
    Recorder& recorder() { return recorder_; }
    const Recorder& recorder() const { return recorder_; }

private:
    struct Node;
    void emptyInput();
    void showLine(const std::string& line);

    Recorder recorder_;
    std::vector<std::unique_ptr<Node>> nodes_;
    std::vector<HWND> windows_;
    HWND list_ = nullptr;
    bool quitOnClose_;
    std::function<void(const std::string& label)> onText_;
    std::function<void(HWND window, const std::string& label, WPARAM code)> onChar_;
    std::function<void(WPARAM how, const std::string& text)> onCommand_;
};

// Control characters as C escapes, so a recorded line prints on one line.
std::string printable(const std::string& text);

std::string utf8FromWide(const std::wstring& text);
// In the ANSI code page, with "?" for what it lacks: what an ANSI window receives of the text.
std::string ansiFromWide(const std::wstring& text);
std::wstring wideFromUtf8(const std::string& text);

}  // namespace marquill::peers
