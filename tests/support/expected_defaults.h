#pragma once

#include <initializer_list>
#include <string>

// The template each client starts with (0 AIM, 1 AOL, 2 Yahoo, 3 mIRC), as the ANSI bytes that reach its file and
// its chat window, written line by line from what users of the program know: the unit tests and the end-to-end
// tests check the program's own defaults against these.
namespace marquill::test {

inline std::string expectedDefaultTemplate(int client) {
    const auto lines = [](std::initializer_list<std::string> each) {
        std::string bytes;
        for (const std::string& line : each) {
            bytes += line + "\r\n";
        }
        return bytes;
    };
    const auto oneLine = [&](const std::string& name) {
        return lines({"<font name=\"Tahoma\">Marquill AMP (" + name +
                      ") Now playing %s - <b>Track Time:</b> [%tt] - "
                      "<b>Track Number:</b> [%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - "
                      "Date: %d"});
    };
    const std::string mircFirstLine = {'\x03', '0',    ',', '1',    ' ', '\x02', '\xC2',
                                       '\xAB', '\x02', ' ', '\x03', '1', '4',    '['};
    switch (client) {
        case 0:
            return oneLine("AIM");
        case 1:
            return oneLine("AOL");
        case 2:
            return lines(
                {"<font name=\"Tahoma\">Marquill AMP (Yahoo) Now ", "playing %s - <b>Track Time:</b> [%tt] - <b>Track ",
                 "Number:</b> [%tn] - [%tp] Played - <b>Total ", "Tracks:</b> %tl - My local Time: %t - Date: %d"});
        default:
            return lines({mircFirstLine + "Marquill AMP (Mirc) ", "Now ", "playing %s - Track Time: [%tt] - Track ",
                          "Number: [%tn] - [%tp] Played - Total ", "Tracks: %tl - My local Time: %t - Date: %d"});
    }
}

}  // namespace marquill::test
