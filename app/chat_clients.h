#pragma once

#include <array>
#include <string>
#include <vector>

#include "chat/chat_drivers.h"
#include "platform/ansi_codec.h"

namespace marquill {

// A chat client the program announces to, where its facets meet: its option button, its template (file and
// default) and its driver. Its index in kClients (0 AIM, 1 AOL, 2 Yahoo, 3 mIRC) is shared by the option buttons,
// the template boxes, the template files and the drivers, and is the order of every announcement.
struct ChatClientInfo {
    const char* name;             // as its option button shows it
    const wchar_t* templateFile;  // its file beside the program, backslash first
    const char* defaultTemplate;  // ANSI bytes, so the text goes out to files and chat windows as these bytes
    void (ChatDrivers::*send)(std::wstring text);
    bool linesAreCommands;  // a line that starts with "/" is a command to this client
};

constexpr int kClientCount = 4;

// "\x03" "0,1" is split so that the digits do not join the escape.
inline constexpr std::array<ChatClientInfo, kClientCount> kClients = {{
    {"AIM", L"\\aim.txt",
     "<font name=\"Tahoma\">Marquill AMP (AIM) Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> "
     "[%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - Date: %d\r\n",
     &ChatDrivers::SendToAIM, false},
    {"AOL", L"\\aol.txt",
     "<font name=\"Tahoma\">Marquill AMP (AOL) Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> "
     "[%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - Date: %d\r\n",
     &ChatDrivers::SendToAOL, false},
    {"Yahoo", L"\\yahoo.txt",
     "<font name=\"Tahoma\">Marquill AMP (Yahoo) Now \r\n"
     "playing %s - <b>Track Time:</b> [%tt] - <b>Track \r\n"
     "Number:</b> [%tn] - [%tp] Played - <b>Total \r\n"
     "Tracks:</b> %tl - My local Time: %t - Date: %d\r\n",
     &ChatDrivers::SendToYahoo, false},
    {"Mirc", L"\\mirc.txt",
     "\x03"
     "0,1 \x02\xC2\xAB\x02 \x03"
     "14[Marquill AMP (Mirc) \r\n"
     "Now \r\n"
     "playing %s - Track Time: [%tt] - Track \r\n"
     "Number: [%tn] - [%tp] Played - Total \r\n"
     "Tracks: %tl - My local Time: %t - Date: %d\r\n",
     &ChatDrivers::SendToMirc, true},
}};

// The built-in template of a client, its ANSI bytes decoded with `codec`.
std::wstring defaultTemplate(int client, const AnsiCodec& codec);

// The template files' names in client order, as the template store takes them.
std::vector<std::wstring> templateFileNames();

}  // namespace marquill
