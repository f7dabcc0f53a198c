#include "peers/irc/fake_mirc.h"

#include <algorithm>
#include <cctype>

#include "peers/window_trees.h"

namespace marquill::peers {
namespace {

std::vector<std::string> inputLines(const std::string& input) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = input.find_first_of("\r\n"); start <= input.size();
         end = input.find_first_of("\r\n", start)) {
        const std::string line = input.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty()) {
            lines.push_back(line);
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + (input.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

void addMessage(std::vector<std::string>& commands,
                const std::string& target,
                const std::string& text,
                const std::string& mask) {
    const std::string head = "PRIVMSG " + target + " :";
    const std::size_t relayed = 1 + mask.size() + 1 + head.size() + 2;  // ":mask " before, CR LF after
    const std::size_t room = kIrcLineLimit > relayed ? kIrcLineLimit - relayed : 1;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = std::min(room, text.size() - at);
        while (length > 1 && at + length < text.size() && continuesCharacter(text[at + length])) {
            --length;
        }
        commands.push_back(head + text.substr(at, length));
        at += length;
    }
}

}  // namespace

std::vector<std::string> mircCommands(const std::string& input,
                                      const std::string& channel,
                                      const std::string& mask,
                                      bool plainText) {
    std::vector<std::string> commands;
    for (const std::string& line : inputLines(input)) {
        if (plainText || line[0] != '/') {
            addMessage(commands, channel, line, mask);
            continue;
        }
        const std::size_t nameStart = line.find_first_not_of('/');
        const std::size_t nameEnd = std::min(line.find(' ', nameStart), line.size());
        std::string name = nameStart == std::string::npos ? "" : line.substr(nameStart, nameEnd - nameStart);
        for (char& c : name) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        const std::string arguments = nameEnd < line.size() ? line.substr(nameEnd + 1) : "";
        if (name.empty()) {
            continue;
        }
        if (name == "me") {
            addMessage(commands, channel,
                       "\x01"
                       "ACTION " +
                           arguments + "\x01",
                       mask);
        } else if (name == "say") {
            addMessage(commands, channel, arguments, mask);
        } else if (name == "msg") {
            const std::size_t blank = arguments.find(' ');
            if (blank != std::string::npos) {
                addMessage(commands, arguments.substr(0, blank), arguments.substr(blank + 1), mask);
            }
        } else if (name == "raw" || name == "quote") {
            commands.push_back(arguments);
        } else {
            for (char& c : name) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            commands.push_back(arguments.empty() ? name : name + " " + arguments);
        }
    }
    return commands;
}

FakeMirc::FakeMirc(std::uint16_t port, const std::string& nick, const std::string& channel, PeerWindowOptions options)
    : connection_(port, nick), channel_(channel) {
    options.unicode = true;  // mIRC's windows are Unicode ones since version 7
    options.onChar = [this](HWND window, const std::string& label, WPARAM code) {
        if (label == "input" && code == '\r') {
            std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
            send(utf8FromWide(text), false);
        }
    };
    options.onCommand = [this](WPARAM how, const std::string& text) { send(text, (how & 2) != 0); };
    tree_ = std::make_unique<PeerTree>(chatWindowTree(ChatClient::Mirc), options);
}

bool FakeMirc::joined(DWORD timeoutMs) {
    return connection_.registered(timeoutMs) && connection_.join(channel_, timeoutMs);
}

std::vector<IrcLine> FakeMirc::sent() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return sent_;
}

void FakeMirc::send(const std::string& input, bool plainText) {
    for (const std::string& command : mircCommands(input, channel_, connection_.mask(), plainText)) {
        if (connection_.send(command)) {
            std::lock_guard<std::mutex> lock(mutex_);
            sent_.push_back({connection_.seconds(), command});
        }
    }
}

}  // namespace marquill::peers
