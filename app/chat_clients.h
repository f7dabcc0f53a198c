#pragma once

#include <array>
#include <string>
#include <vector>

#include "chat/chat_drivers.h"
#include "message/compose_message.h"

namespace marquill {

// A chat client the program announces to, where its facets meet: its option button, its template (file and
// default), its driver and what it makes of a message's text. Its index in kClients (0 AIM, 1 AOL, 2 Yahoo,
// 3 mIRC) is shared by the option buttons, the template boxes, the template files and the drivers, and is the order
// of every announcement.
struct ChatClientInfo {
    const char* name;                // as its option button shows it
    const wchar_t* templateFile;     // its file beside the program, backslash first
    const wchar_t* defaultTemplate;  // one line: each line break would be a chat line of its own
    Delivery (ChatDrivers::*send)(std::wstring text);
    MessageMarkup markup;   // how a value is written so that this client shows it as text
    bool linesAreCommands;  // a line that starts with "/" is a command to this client
};

constexpr int kClientCount = 4;

// "\x03" "0,1" is split so that the digits do not join the escape.
inline constexpr std::array<ChatClientInfo, kClientCount> kClients = {{
    {"AIM", L"\\aim.txt",
     L"<font name=\"Tahoma\">Marquill AMP (AIM) Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> "
     L"[%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - Date: %d",
     &ChatDrivers::SendToAIM, MessageMarkup::Html, false},
    {"AOL", L"\\aol.txt",
     L"<font name=\"Tahoma\">Marquill AMP (AOL) Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> "
     L"[%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - Date: %d",
     &ChatDrivers::SendToAOL, MessageMarkup::Html, false},
    {"Yahoo", L"\\yahoo.txt",
     L"<font name=\"Tahoma\">Marquill AMP (Yahoo) Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> "
     L"[%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - Date: %d",
     &ChatDrivers::SendToYahoo, MessageMarkup::Plain, false},
    {"Mirc", L"\\mirc.txt",
     L"\x03"
     L"0,1 \x02\u00AB\x02 \x03"
     L"14[Marquill AMP (Mirc) Now playing %s - Track Time: [%tt] - Track Number: [%tn] - [%tp] Played - Total "
     L"Tracks: %tl - My local Time: %t - Date: %d",
     &ChatDrivers::SendToMirc, MessageMarkup::Plain, true},
}};

// The built-in template of a client.
std::wstring defaultTemplate(int client);

// The template files' names in client order, as the template store takes them.
std::vector<std::wstring> templateFileNames();

}  // namespace marquill
