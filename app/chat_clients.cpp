#include "app/chat_clients.h"

namespace marquill {

std::wstring defaultTemplate(int client) {
    return kClients.at(static_cast<std::size_t>(client)).defaultTemplate;
}

std::vector<std::wstring> templateFileNames() {
    std::vector<std::wstring> names;
    for (const ChatClientInfo& client : kClients) {
        names.emplace_back(client.templateFile);
    }
    return names;
}

}  // namespace marquill
