#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "peers/irc/irc_connection.h"
#include "peers/peer_tree.h"

namespace marquill::peers {

// The IRC lines our model of mIRC makes of `input` (UTF-8) in `channel`, for a client the server names `mask` to
// others. Each line of the input (ended by CR LF, CR or LF) is one message; empty lines are dropped. As plain text
// (the command message's mode 2; a library tested on mIRC 6.03 to 7.85, mirust, says such a line goes to the
// channel even when it starts with "/"), every line is a message. As typed, a line that starts with "/" is a
// command, as mIRC reads it: "/me" an action, "/raw" and "/quote" their text as it is, "/msg" and "/say" messages,
// any other command sent to the server as its name and arguments ("//" as "/": identifiers are not evaluated).
// Other lines are PRIVMSG; one that would make the relayed line (":mask PRIVMSG channel :text" and CR LF) longer
// than the server's limit is split into pieces that fit, each cut at the last whole UTF-8 character that fits and
// not at a blank, so the pieces put together are the line.
std::vector<std::string> mircCommands(const std::string& input,
                                      const std::string& channel,
                                      const std::string& mask,
                                      bool plainText);

// mIRC as a user has it today: its window tree (chatWindowTree(Mirc)) of Unicode windows, connected as a real IRC
// client that has joined one channel. Enter in its editbox sends what the box holds (read as mIRC reads it, with
// GetWindowTextW) as typed; its command message sends the mapping's text as its mode says (flood protection, 4, is
// off, as mIRC ships); both as UTF-8 IRC lines. Its windows record what they receive as every peer's do. Made and
// destroyed on one thread that pumps messages; the connection may be read from any thread.
class FakeMirc {
public:
    FakeMirc(std::uint16_t port, const std::string& nick, const std::string& channel, PeerWindowOptions options = {});

    // Registered and in the channel within the bound.
    bool joined(DWORD timeoutMs);
    const PeerTree& tree() const { return *tree_; }
    const IrcConnection& connection() const { return connection_; }
    const std::string& channel() const { return channel_; }
    // The lines it sent, each with its moment on the connection's clock.
    std::vector<IrcLine> sent() const;

private:
    void send(const std::string& input, bool plainText);

    IrcConnection connection_;
    const std::string channel_;
    std::unique_ptr<PeerTree> tree_;
    mutable std::mutex mutex_;
    std::vector<IrcLine> sent_;
};

}  // namespace marquill::peers
