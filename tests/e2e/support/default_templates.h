#pragma once

#include <string>

namespace marquill::test {

// The template client `client` starts with (0 AIM, 1 AOL, 2 Yahoo, 3 mIRC), as the ANSI bytes that reach its file
// and its chat window.
std::string defaultTemplateBytes(int client);

}  // namespace marquill::test
