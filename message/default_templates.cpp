#include "message/template_store.h"

namespace marquill {
namespace {

// Bytes of the ANSI code page; "\x03" "0,1" is split so that the digits do not join the escape.
constexpr std::array<const char*, kClientCount> kDefaultBytes = {
    "<font name=\"Tahoma\">Marquill AMP (AIM) Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> "
    "[%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - Date: %d\r\n",

    "<font name=\"Tahoma\">Marquill AMP (AOL) Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> "
    "[%tn] - [%tp] Played - <b>Total Tracks:</b> %tl - My local Time: %t - Date: %d\r\n",

    "<font name=\"Tahoma\">Marquill AMP (Yahoo) Now \r\n"
    "playing %s - <b>Track Time:</b> [%tt] - <b>Track \r\n"
    "Number:</b> [%tn] - [%tp] Played - <b>Total \r\n"
    "Tracks:</b> %tl - My local Time: %t - Date: %d\r\n",

    "\x03"
    "0,1 \x02\xC2\xAB\x02 \x03"
    "14[Marquill AMP (Mirc) \r\n"
    "Now \r\n"
    "playing %s - Track Time: [%tt] - Track \r\n"
    "Number: [%tn] - [%tp] Played - Total \r\n"
    "Tracks: %tl - My local Time: %t - Date: %d\r\n",
};

}  // namespace

std::wstring defaultTemplate(int client, const AnsiCodec& codec) {
    return codec.fromAnsi(kDefaultBytes.at(static_cast<std::size_t>(client)));
}

}  // namespace marquill
