#pragma once

#include <string>

// The template each client starts with (0 AIM, 1 AOL, 2 Yahoo, 3 mIRC), written from what users of the program
// know: one line each, for each line break would be a chat line of its own, and no line break after it. The unit
// tests and the end-to-end tests check the program's own defaults against these.
namespace marquill::test {

inline std::wstring expectedDefaultTemplate(int client) {
    const auto html = [](const std::wstring& name) {
        return L"<font name=\"Tahoma\">Marquill AMP (" + name +
               L") Now playing %s - <b>Track Time:</b> [%tt] - <b>Track Number:</b> [%tn] - [%tp] Played - "
               L"<b>Total Tracks:</b> %tl - My local Time: %t - Date: %d";
    };
    // Colour 0 on 1, a bold « (U+00AB), colour 14.
    const std::wstring mircStart = {L'\x03', L'0', L',',    L'1', L' ', L'\x02', L'\u00AB',
                                    L'\x02', L' ', L'\x03', L'1', L'4', L'['};
    switch (client) {
        case 0:
            return html(L"AIM");
        case 1:
            return html(L"AOL");
        case 2:
            return html(L"Yahoo");
        default:
            return mircStart +
                   L"Marquill AMP (Mirc) Now playing %s - Track Time: [%tt] - Track Number: [%tn] - [%tp] Played - "
                   L"Total Tracks: %tl - My local Time: %t - Date: %d";
    }
}

}  // namespace marquill::test
