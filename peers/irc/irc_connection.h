#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "peers/stopwatch.h"
#include "platform/win32/owners.h"

namespace marquill::peers {

void closeSocket(std::uintptr_t socket);  // closesocket, without Winsock's header here
// A Winsock socket (INVALID_SOCKET: none).
using Socket = win32::NumberHandle<std::uintptr_t, ~std::uintptr_t{0}, closeSocket>;

// One line the server sent, CR LF taken off, with its arrival in seconds on the connection's clock.
struct IrcLine {
    double at;
    std::string text;
};

// A line split into its parts: the sender ("nick!user@host", or the server's name; empty when the line has none),
// the command, and the parameters, the last one as it came after " :".
struct IrcMessage {
    std::string prefix;
    std::string command;
    std::vector<std::string> params;
};

IrcMessage parseIrcLine(const std::string& line);

// The longest line the server takes or relays, CR LF included (the protocol's 512 bytes, which ngircd keeps).
constexpr std::size_t kIrcLineLimit = 512;

// A client's connection to an IRC server on this machine, over Winsock. A reader thread keeps every line the server
// sends and answers its PING, as a client must to stay connected. Every wait is bounded. Callable from any thread.
class IrcConnection {
public:
    // Connects to 127.0.0.1:`port` and registers as `nick` (NICK and USER); registered() tells whether it worked.
    IrcConnection(std::uint16_t port, const std::string& nick);
    ~IrcConnection();
    IrcConnection(const IrcConnection&) = delete;
    IrcConnection& operator=(const IrcConnection&) = delete;

    // Waits for the server's welcome (001).
    bool registered(DWORD timeoutMs) const;
    // Joins `channel` and waits until the server has named its members (366): from then on its lines come here.
    bool join(const std::string& channel, DWORD timeoutMs);
    // Sends one line, CR LF added; false once the connection is gone.
    bool send(const std::string& line);

    std::vector<IrcLine> lines() const;
    // Waits until a line received so far passes `test`.
    bool waitForLine(const std::function<bool(const IrcMessage&)>& test, DWORD timeoutMs) const;
    // The server still holds the connection: it has neither closed it nor sent ERROR.
    bool open() const;
    // How the server names this client to others ("nick!~user@127.0.0.1"), known once it has joined a channel.
    std::string mask() const;
    const std::string& nick() const { return nick_; }
    double seconds() const { return clock_.seconds(); }

private:
    void read();

    const std::string nick_;
    const Stopwatch clock_;
    Socket socket_;
    mutable std::mutex mutex_;  // guards what follows, and sending
    std::vector<IrcLine> lines_;
    std::string mask_;
    bool ended_ = false;    // the reader has stopped: the server closed the connection, or it never opened
    bool closing_ = false;  // the server sent ERROR, which it sends before it closes a connection
    std::thread reader_;
};

}  // namespace marquill::peers
