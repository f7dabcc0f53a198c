#include "tests/e2e/support/chat_messages.h"

#include "peers/remote_control.h"

namespace marquill::test {
namespace {

const std::string kInputText = "input text ";
// Today's mIRC takes each line as plain Unicode text, with its flood protection where the user turned that on.
const std::string kPlainCommand = "channel command 14 ";

std::vector<std::string> sendAction(peers::ChatClient client) {
    if (client == peers::ChatClient::AIM || client == peers::ChatClient::Yahoo) {
        return {"send down", "send up"};
    }
    return {"input char 13"};
}

ULONGLONG ticksOf(const SYSTEMTIME& time) {
    FILETIME file;
    SystemTimeToFileTime(&time, &file);
    ULARGE_INTEGER ticks;
    ticks.LowPart = file.dwLowDateTime;
    ticks.HighPart = file.dwHighDateTime;
    return ticks.QuadPart;
}

SYSTEMTIME timeOf(ULONGLONG ticks) {
    ULARGE_INTEGER value;
    value.QuadPart = ticks;
    const FILETIME file = {value.LowPart, value.HighPart};
    SYSTEMTIME time;
    FileTimeToSystemTime(&file, &time);
    return time;
}

}  // namespace

std::vector<std::string> sentMessages(const peers::PeerTree& tree, peers::ChatClient client) {
    const std::vector<std::string> lines = tree.recorder().lines();
    std::vector<std::string> sent;
    if (client == peers::ChatClient::Mirc) {
        for (const std::string& line : lines) {
            sent.push_back(line.rfind(kPlainCommand, 0) == 0 ? line.substr(kPlainCommand.size())
                                                             : "unexpected: " + peers::printable(line));
        }
        return sent;
    }
    const std::vector<std::string> action = sendAction(client);
    for (std::size_t i = 0; i < lines.size();) {
        const bool isText = lines[i].rfind(kInputText, 0) == 0;
        std::size_t matched = 0;
        while (isText && matched < action.size() && i + 1 + matched < lines.size() &&
               lines[i + 1 + matched] == action[matched]) {
            ++matched;
        }
        if (isText && matched == action.size()) {
            sent.push_back(lines[i].substr(kInputText.size()));
            i += 1 + matched;
        } else if (isText && i + 1 + matched == lines.size()) {
            break;
        } else {
            sent.push_back("unexpected: " + peers::printable(lines[i]));
            ++i;
        }
    }
    return sent;
}

::testing::AssertionResult sentWithin(const peers::PeerTree& tree,
                                      peers::ChatClient client,
                                      std::size_t count,
                                      DWORD timeoutMs) {
    std::vector<std::string> sent;
    if (peers::waitUntil([&] { return (sent = sentMessages(tree, client)).size() >= count; }, timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure();
    failure << peers::chatClientName(client) << " sent " << sent.size() << " messages, not " << count << ":";
    for (const std::string& message : sent) {
        failure << "\n  " << peers::printable(message);
    }
    return failure;
}

ClockTexts clockTextsBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) {
    constexpr ULONGLONG kSecond = 10000000;  // in units of 100 ns
    ClockTexts texts;
    for (ULONGLONG at = ticksOf(from) - kSecond; at <= ticksOf(to) + kSecond; at += kSecond) {
        const SYSTEMTIME time = timeOf(at);
        char text[128];
        if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof(text)) > 0) {
            texts.times.insert(text);
        }
        if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof(text)) > 0) {
            texts.dates.insert(text);
        }
    }
    return texts;
}

SYSTEMTIME localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

}  // namespace marquill::test
