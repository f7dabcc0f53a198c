#pragma once

#include <array>
#include <string>

#include "chat/chat_drivers.h"

namespace marquill {

// A chat client the program announces to. Its index in kClients (0 AIM, 1 AOL, 2 Yahoo, 3 mIRC) is shared by the
// option buttons, the template boxes, the template files and the drivers, and is the order of every announcement.
struct ChatClientInfo {
    const char* name;
    const wchar_t* templateFile;  // appended to the program directory as it is: at a drive's root the path holds "\\"
    const char* defaultTemplate;  // ANSI bytes, so the text goes out to files and chat windows as these bytes
    void (ChatDrivers::*send)(std::wstring text);
    bool linesAreCommands;  // a line that starts with "/" is a command to this client
};

constexpr int kClientCount = 4;
extern const std::array<ChatClientInfo, kClientCount> kClients;

}  // namespace marquill
