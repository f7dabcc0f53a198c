#include "chat/chat_clients.h"

namespace marquill {

// "\x03" "0,1" is split so that the digits do not join the escape.
const std::array<ChatClientInfo, kClientCount> kClients = {{
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
    {"mIRC", L"\\mirc.txt",
     "\x03"
     "0,1 \x02\xC2\xAB\x02 \x03"
     "14[Marquill AMP (Mirc) \r\n"
     "Now \r\n"
     "playing %s - Track Time: [%tt] - Track \r\n"
     "Number: [%tn] - [%tp] Played - Total \r\n"
     "Tracks: %tl - My local Time: %t - Date: %d\r\n",
     &ChatDrivers::SendToMirc, true},
}};

}  // namespace marquill
