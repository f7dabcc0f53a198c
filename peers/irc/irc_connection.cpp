#include "peers/irc/irc_connection.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "peers/remote_control.h"

namespace marquill::peers {
namespace {

// Winsock is ready for as long as any connection lives.
class WinsockUser {
public:
    WinsockUser() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUser() { WSACleanup(); }
    WinsockUser(const WinsockUser&) = delete;
    WinsockUser& operator=(const WinsockUser&) = delete;
};

Socket connectedSocket(std::uint16_t port) {
    static WinsockUser winsock;
    Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (s && connect(s.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        s.reset();
    }
    return s;
}

bool sendAll(const Socket& s, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        const int n = ::send(s.get(), bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

void closeSocket(std::uintptr_t socket) {
    closesocket(socket);
}

IrcMessage parseIrcLine(const std::string& line) {
    IrcMessage message;
    std::size_t at = 0;
    if (!line.empty() && line[0] == ':') {
        at = line.find(' ');
        message.prefix = line.substr(1, at == std::string::npos ? std::string::npos : at - 1);
    }
    bool first = true;
    while (at != std::string::npos && at < line.size()) {
        at = line.find_first_not_of(' ', at);
        if (at == std::string::npos) {
            break;
        }
        if (line[at] == ':' && !first) {
            message.params.push_back(line.substr(at + 1));
            break;
        }
        const std::size_t end = line.find(' ', at);
        const std::string word = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (first) {
            message.command = word;
            first = false;
        } else {
            message.params.push_back(word);
        }
        at = end;
    }
    return message;
}

IrcConnection::IrcConnection(std::uint16_t port, const std::string& nick)
    : nick_(nick), socket_(connectedSocket(port)) {
    if (!socket_) {
        ended_ = true;
        return;
    }
    reader_ = std::thread([this] { read(); });
    send("NICK " + nick_);
    send("USER " + nick_ + " 0 * :" + nick_);
}

IrcConnection::~IrcConnection() {
    if (!socket_) {
        return;
    }
    send("QUIT");
    // The server closes its side after QUIT, which ends the reader; a shutdown wakes one still waiting, and the
    // socket closes with its owner once the reader is gone.
    waitUntil(
        [this] {
            std::lock_guard<std::mutex> lock(mutex_);
            return ended_;
        },
        2000);
    shutdown(socket_.get(), SD_BOTH);
    reader_.join();
}

bool IrcConnection::registered(DWORD timeoutMs) const {
    return waitForLine([](const IrcMessage& m) { return m.command == "001"; }, timeoutMs);
}

bool IrcConnection::join(const std::string& channel, DWORD timeoutMs) {
    return send("JOIN " + channel) &&
           waitForLine(
               [&](const IrcMessage& m) { return m.command == "366" && m.params.size() > 1 && m.params[1] == channel; },
               timeoutMs);
}

bool IrcConnection::send(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    return !ended_ && sendAll(socket_, line + "\r\n");
}

std::vector<IrcLine> IrcConnection::lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

bool IrcConnection::waitForLine(const std::function<bool(const IrcMessage&)>& test, DWORD timeoutMs) const {
    std::size_t checked = 0;
    return waitUntil(
        [&] {
            const std::vector<IrcLine> all = lines();
            for (; checked < all.size(); ++checked) {
                if (test(parseIrcLine(all[checked].text))) {
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
}

bool IrcConnection::open() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !ended_ && !closing_;
}

std::string IrcConnection::mask() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return mask_;
}

void IrcConnection::read() {
    std::string pending;
    char buffer[4096];
    for (;;) {
        const int n = recv(socket_.get(), buffer, sizeof(buffer), 0);
        if (n <= 0) {
            break;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t end = pending.find("\r\n"); end != std::string::npos; end = pending.find("\r\n")) {
            const std::string text = pending.substr(0, end);
            pending.erase(0, end + 2);
            const IrcMessage message = parseIrcLine(text);
            if (message.command == "PING") {
                send("PONG :" + (message.params.empty() ? std::string() : message.params.back()));
            }
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.push_back({clock_.seconds(), text});
            if (message.command == "JOIN" && message.prefix.rfind(nick_ + "!", 0) == 0) {
                mask_ = message.prefix;
            }
            closing_ = closing_ || message.command == "ERROR";
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
}

}  // namespace marquill::peers
