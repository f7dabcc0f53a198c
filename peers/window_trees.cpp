#include "peers/window_trees.h"

namespace marquill::peers {

// One node per line: the tables are pictures of the trees.
// clang-format off
const std::vector<PeerNode>& chatWindowTree(ChatClient client) {
    static const std::vector<PeerNode> aim = {
        {"AIM_ChatWnd", -1, "chat"},
        {"WndAte32Class", 0, "decoy"},      // 1st pane: the conversation view
        {"Ate32Class", 1, "decoy"},
        {"WndAte32Class", 0, "pane"},       // 2nd pane: where the user types
        {"Ate32Class", 3, "input"},
        {"Ate32Class", 3, "decoy"},
        {"WndAte32Class", 0, "decoy"},
        {"Ate32Class", 6, "decoy"},
        {"_Oscar_IconBtn", 0, "decoy"},
        {"_Oscar_IconBtn", 0, "decoy"},
        {"_Oscar_IconBtn", 0, "decoy"},
        {"_Oscar_IconBtn", 0, "decoy"},
        {"_Oscar_IconBtn", 0, "send"},      // 5th button
        {"_Oscar_IconBtn", 0, "decoy"},
    };
    static const std::vector<PeerNode> aol = {
        {"AOL Frame25", -1, "frame"},
        {"MDIClient", 0, "client"},
        {"MDIClient", 0, "decoy"},
        {"AOL Child", 1, "room"},           // the topmost document window
        {"RICHCNTL", 3, "input"},
        {"RICHCNTL", 3, "decoy"},
        {"AOL Child", 1, "decoy"},
        {"RICHCNTL", 6, "decoy"},
        {"AOL Child", 2, "decoy"},
        {"RICHCNTL", 8, "decoy"},
    };
    static const std::vector<PeerNode> yahoo = {
        {"IMClass", -1, "chat"},
        {"YIMInputWindow", 0, "input"},
        {"YIMInputWindow", 0, "decoy"},
        {"Button", 0, "decoy"},
        {"Button", 0, "decoy"},
        {"Button", 0, "decoy"},
        {"Button", 0, "send"},              // 4th button
        {"Button", 0, "decoy"},
    };
    // Since 7.0 the editbox is a rich edit, a direct child of the channel window (a screen reader's mIRC module
    // matches exactly that class and id); the program must never touch it.
    static const std::vector<PeerNode> mirc = {
        {"mIRC", -1, "frame"},
        {"MDIClient", 0, "client"},
        {"MDIClient", 0, "decoy"},
        {"mIRC_Channel", 1, "channel"},     // the topmost channel window
        {"RichEdit20W", 3, "input", 32921},
        {"mIRC_Channel", 1, "decoy"},
        {"RichEdit20W", 5, "decoy", 32921},
        {"mIRC_Channel", 2, "decoy"},
        {"RichEdit20W", 7, "decoy", 32921},
    };
    static const std::vector<PeerNode> mirc6 = {
        {"mIRC", -1, "frame"},
        {"MDIClient", 0, "client"},
        {"MDIClient", 0, "decoy"},
        {"mIRC_Channel", 1, "channel"},     // the topmost channel window
        {"Edit", 3, "input"},
        {"Edit", 3, "decoy"},
        {"mIRC_Channel", 1, "decoy"},
        {"Edit", 6, "decoy"},
        {"mIRC_Channel", 2, "decoy"},
        {"Edit", 8, "decoy"},
    };
    switch (client) {
        case ChatClient::AIM:
            return aim;
        case ChatClient::AOL:
            return aol;
        case ChatClient::Yahoo:
            return yahoo;
        case ChatClient::Mirc:
            return mirc;
        case ChatClient::Mirc6:
            break;
    }
    return mirc6;
}
// clang-format on

const char* chatClientName(ChatClient client) {
    switch (client) {
        case ChatClient::AIM:
            return "AIM";
        case ChatClient::AOL:
            return "AOL";
        case ChatClient::Yahoo:
            return "Yahoo";
        case ChatClient::Mirc:
            return "mIRC";
        case ChatClient::Mirc6:
            break;
    }
    return "mIRC 6";
}

bool takesMircCommands(const char* className) {
    const std::string name = className;
    return name == "mIRC" || name == "mIRC_Channel";
}

// clang-format off
const std::vector<PeerNode>& gtkWindowTree() {
    static const std::vector<PeerNode> gtk = {
        {"gdkWindowToplevel", -1, "top"},
        {"gdkWindowChild", 0, "decoy"},
        {"gdkWindowChild", 0, "decoy"},
        {"gdkWindowChild", 0, "decoy"},
        {"gdkWindowChild", 0, "child4"},    // 4th child
        {"gdkWindowChild", 0, "decoy"},
        {"gdkWindowChild", 4, "child4.1"},  // 6
        {"gdkWindowChild", 4, "decoy"},     // 7
        {"gdkWindowChild", 6, "target"},
        {"gdkWindowChild", 6, "decoy"},
        {"gdkWindowChild", 7, "decoy"},
        {"gdkWindowChild", 3, "decoy"},     // 11: the same depth under the 3rd and 5th children
        {"gdkWindowChild", 11, "decoy"},
        {"gdkWindowChild", 5, "decoy"},     // 13
        {"gdkWindowChild", 13, "decoy"},
        {"gdkWindowChild", 1, "decoy"},     // 15: where a search that started over at the 1st child would land
        {"gdkWindowChild", 15, "decoy"},
    };
    return gtk;
}
// clang-format on

}  // namespace marquill::peers
