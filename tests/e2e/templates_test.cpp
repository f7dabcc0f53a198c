#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "peers/peer_tree.h"
#include "peers/remote_control.h"
#include "platform/win32/owners.h"
#include "tests/e2e/support/app_window.h"
#include "tests/e2e/support/e2e_fixture.h"
#include "tests/support/expected_defaults.h"
#include "tests/support/expected_layout.h"

namespace marquill::test {
namespace {

using Names = std::vector<std::string>;

const Names kFolderAfterSave = {"MarquillAmp.exe", "aim.txt", "aol.txt", "mirc.txt", "yahoo.txt"};
const char* const kTemplateFiles[] = {"aim.txt", "aol.txt", "yahoo.txt", "mirc.txt"};

std::optional<std::string> readFile(const std::string& path) {
    const win32::KernelHandle file = win32::owned<win32::KernelHandle>(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes(GetFileSize(file.get(), nullptr), '\0');
    DWORD read = 0;
    const bool complete =
        bytes.empty() ||
        (ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size());
    return complete ? std::optional<std::string>(bytes) : std::nullopt;
}

bool writeFile(const std::string& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const win32::KernelHandle file = win32::owned<win32::KernelHandle>(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    const bool complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size();
    return complete;
}

// A template file the test keeps open without sharing, as another program may: nobody else can open it.
class HeldFile {
public:
    HeldFile(const std::string& path, const std::string& bytes)
        : file_(win32::owned<win32::KernelHandle>(
              CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr))) {
        DWORD written = 0;
        held_ = file_ && WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                written == bytes.size();
    }

    bool held() const { return held_; }

    // The content, read through the test's own handle.
    std::string content() const {
        std::string bytes(GetFileSize(file_.get(), nullptr), '\0');
        DWORD read = 0;
        SetFilePointer(file_.get(), 0, nullptr, FILE_BEGIN);
        if (!bytes.empty() && !ReadFile(file_.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr)) {
            return "(unreadable)";
        }
        return bytes.substr(0, read);
    }

private:
    win32::KernelHandle file_;
    bool held_ = false;
};

std::string systemText(DWORD error) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof(text),
                   nullptr);
    std::string trimmed = text;
    while (!trimmed.empty() && (trimmed.back() == '\r' || trimmed.back() == '\n' || trimmed.back() == ' ')) {
        trimmed.pop_back();
    }
    return trimmed;
}

struct SeenBox {
    std::string caption;
    std::string text;
};

class TemplatesTest : public EndToEndTest {
protected:
    // Posted: the click opens a modal box, and a sent click would wait until the box is closed.
    void pressSave() { PostMessageA(control(ui::kCmdSave), BM_CLICK, 0, 0); }

    // The box the program shows over its window, read and then dismissed with its OK button as the user does;
    // nothing when no box came or it did not close.
    std::optional<SeenBox> dismissMessageBox() {
        const HWND box = messageBoxOver(mainWindow(), kWaitMs);
        if (box == nullptr) {
            return std::nullopt;
        }
        char caption[256] = {};
        GetWindowTextA(box, caption, sizeof(caption));
        SeenBox seen = {caption, messageBoxText(box)};
        // Posted, as the mouse's click arrives: under Wine a BM_CLICK sent into another process's modal box went
        // unanswered for the whole 2 s bound and left the box open.
        if (!PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0) ||
            !peers::waitUntil([&] { return !IsWindow(box); }, kWaitMs)) {
            return std::nullopt;
        }
        return seen;
    }

    Names folder() {
        Names names = app().files();
        std::sort(names.begin(), names.end());
        return names;
    }
};

// What Save writes must come back unchanged at the next start: a CR LF added after each template, line breaks or
// IRC and high bytes changed on the way, an emptied template that no longer reads as empty, or text the ANSI code
// page cannot hold turned into "?" would each alter the templates with every save and restart. A template the code
// page holds is written in it, byte for byte; any other one as UTF-8 after its byte-order mark.
TEST_F(TemplatesTest, SavedTemplatesComeBackWhole) {
    struct Edit {
        const char* text;  // UTF-8
        std::string file;
    };
    const Edit edited[] = {
        {"夜に駆ける: %s\r\nand no line break after them",
         "\xEF\xBB\xBF夜に駆ける: %s\r\nand no line break after them"},
        {"", ""},
        {"\x02"
         "bold\x02 \x03"
         "4,1colour\x03 \u00C2\u00AB %s \u00AB\u00BB <b>%tt</b>\r\n\r\n",
         "\x02"
         "bold\x02 \x03"
         "4,1colour\x03 \xC2\xAB %s \xAB\xBB <b>%tt</b>\r\n\r\n"},
        {"   ", "   "},
    };
    start();
    for (int client = 0; client < 4; ++client) {
        ASSERT_TRUE(peers::setControlTextUtf8(control(ui::txtData(client)), edited[client].text));
    }
    pressSave();
    const std::optional<SeenBox> box = dismissMessageBox();
    ASSERT_TRUE(box) << "no message box over the main window after Save";
    EXPECT_EQ(box->caption, "MarquillAmp");
    EXPECT_EQ(box->text, "Messages Saved!");
    EXPECT_EQ(folder(), kFolderAfterSave);
    for (int client = 0; client < 4; ++client) {
        EXPECT_EQ(readFile(app().pathOf(kTemplateFiles[client])), edited[client].file) << kTemplateFiles[client];
    }

    restart();
    for (int client = 0; client < 4; ++client) {
        EXPECT_EQ(peers::controlTextUtf8(control(ui::txtData(client))), edited[client].text)
            << "txtData(" << client << ")";
    }
}

// Start-up takes a template from a plain file it can read, an empty one included, up to 1 MiB, and otherwise keeps
// the default: a hidden file or a folder of that name is no template, and a file locked by another program, a
// larger one (20 MB of text kept the window from showing within the usual time) or a binary one (it holds a NUL)
// must neither stop the start nor replace the box's text.
TEST_F(TemplatesTest, StartUpTakesOnlyPlainFilesItCanRead) {
    enum class Placed { Folder, Plain, Hidden, HeldOpen };
    struct Case {
        Placed placed;
        std::string bytes;
        bool taken;  // the box shows the bytes; otherwise the client's default template
    };
    constexpr std::size_t kMiB = 1024 * 1024;
    std::string mebibyte;
    while (mebibyte.size() < kMiB) {
        mebibyte += std::string(62, 'a' + static_cast<char>(mebibyte.size() % 26)) + "\r\n";
    }
    mebibyte.resize(kMiB);
    // Run four at a time, case i in the file of client i % 4.
    const Case cases[] = {
        {Placed::Folder, "", false},
        {Placed::Plain, "", true},
        {Placed::Hidden, "hidden template", false},
        {Placed::HeldOpen, "locked template", false},
        {Placed::Plain, std::string(20000000, 'x'), false},
        {Placed::Plain, std::string("binary\0template", 15), false},
        {Placed::Plain, mebibyte, true},
        {Placed::Plain, mebibyte + "a", false},
    };
    for (std::size_t round = 0; round < std::size(cases); round += 4) {
        std::vector<std::unique_ptr<HeldFile>> held;
        for (int client = 0; client < 4; ++client) {
            const Case& c = cases[round + static_cast<std::size_t>(client)];
            const std::string path = app().pathOf(kTemplateFiles[client]);
            switch (c.placed) {
                case Placed::Folder:
                    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
                    break;
                case Placed::Plain:
                    ASSERT_TRUE(writeFile(path, c.bytes)) << path;
                    break;
                case Placed::Hidden:
                    ASSERT_TRUE(writeFile(path, c.bytes, FILE_ATTRIBUTE_HIDDEN)) << path;
                    ASSERT_NE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u) << path;
                    break;
                case Placed::HeldOpen:
                    held.push_back(std::make_unique<HeldFile>(path, c.bytes));
                    ASSERT_TRUE(held.back()->held()) << path;
                    break;
            }
        }
        start();
        for (int client = 0; client < 4; ++client) {
            const Case& c = cases[round + static_cast<std::size_t>(client)];
            const std::string shown = peers::controlTextUtf8(control(ui::txtData(client)));  // the taken are ASCII
            const std::string expected = c.taken ? c.bytes : peers::utf8FromWide(expectedDefaultTemplate(client));
            EXPECT_EQ(shown.size(), expected.size()) << kTemplateFiles[client];
            EXPECT_TRUE(shown == expected) << kTemplateFiles[client];
        }
        held.clear();
        discardProgram();
    }
}

// A template file that cannot be written must be named in the one box, with the reason, instead of a "Messages
// Saved!" that hides the loss; the files before and after it must still be written, and the old content must
// survive rather than be cut to nothing.
TEST_F(TemplatesTest, AFileThatCannotBeWrittenIsReportedAndKeepsItsContent) {
    const std::string reasons[] = {systemText(ERROR_ACCESS_DENIED), systemText(ERROR_SHARING_VIOLATION)};
    start();
    for (const int lockedClient : {0, 3}) {
        const std::string name = kTemplateFiles[lockedClient];
        for (int client = 0; client < 4; ++client) {
            ASSERT_TRUE(peers::setControlText(control(ui::txtData(client)),
                                              "saved with " + name + " locked, " + kTemplateFiles[client]));
        }
        const std::string lockedPath = app().pathOf(name);
        std::optional<SeenBox> box;
        {
            const HeldFile locked(lockedPath, "old content");
            ASSERT_TRUE(locked.held()) << name;
            pressSave();
            box = dismissMessageBox();
            EXPECT_EQ(locked.content(), "old content") << name;
        }
        ASSERT_TRUE(box) << "no message box after Save with " << name << " locked";
        EXPECT_EQ(box->caption, "MarquillAmp");
        EXPECT_NE(box->text.find(lockedPath), std::string::npos) << box->text;
        EXPECT_TRUE(std::any_of(std::begin(reasons), std::end(reasons), [&](const std::string& reason) {
            return box->text.find(reason) != std::string::npos;
        })) << box->text;
        EXPECT_EQ(messageBoxOver(mainWindow(), 300), nullptr) << "one box for the whole save";
        EXPECT_EQ(readFile(lockedPath), "old content") << name;
        for (int client = 0; client < 4; ++client) {
            if (client != lockedClient) {
                EXPECT_EQ(box->text.find(kTemplateFiles[client]), std::string::npos) << box->text;
                EXPECT_EQ(readFile(app().pathOf(kTemplateFiles[client])),
                          "saved with " + name + " locked, " + kTemplateFiles[client]);
            }
        }
        EXPECT_EQ(folder(), kFolderAfterSave) << "nothing left over from the failed save";
    }
}

}  // namespace
}  // namespace marquill::test
