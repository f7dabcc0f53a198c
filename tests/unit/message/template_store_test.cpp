#include "message/template_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/sim/sim_files.h"
#include "platform/sim/windows1252_codec.h"
#include "tests/support/expected_defaults.h"

namespace marquill {
namespace {

using Loaded = std::vector<std::optional<std::wstring>>;
using Operations = std::vector<std::wstring>;
using sim::FileStep;

const std::vector<std::wstring> kFileNames = {L"\\aim.txt", L"\\aol.txt", L"\\yahoo.txt", L"\\mirc.txt"};
const Loaded kNoneLoaded(kFileNames.size());
const std::wstring kDir = L"C:\\Program Files\\MarquillAmp";
const std::wstring kAim = kDir + L"\\aim.txt";
const std::wstring kAol = kDir + L"\\aol.txt";
const std::wstring kYahoo = kDir + L"\\yahoo.txt";
const std::wstring kMirc = kDir + L"\\mirc.txt";

class TemplateStoreTest : public ::testing::Test {
protected:
    sim::Windows1252Codec codec;
    sim::SimFiles files{kDir};
    TemplateStore store{files, codec, kFileNames};

    TemplateStore storeIn(sim::SimFiles& folder) const { return TemplateStore(folder, codec, kFileNames); }
};

// Each file is tested under its own name and read only when present; an absent one keeps the box's text.
TEST_F(TemplateStoreTest, OnlyPresentFilesAreLoaded) {
    const struct {
        std::vector<std::wstring> present;
        Loaded expected;
    } cases[] = {
        {{}, kNoneLoaded},
        {{kYahoo}, {std::nullopt, std::nullopt, L"yahoo.txt", std::nullopt}},
        {{kMirc}, {std::nullopt, std::nullopt, std::nullopt, L"mirc.txt"}},
        {{kAim, kAol, kYahoo, kMirc}, {L"aim.txt", L"aol.txt", L"yahoo.txt", L"mirc.txt"}},
    };
    for (const auto& c : cases) {
        sim::SimFiles folder(kDir);
        for (const std::wstring& path : c.present) {
            folder.putFile(path, codec.toAnsi(path.substr(kDir.size() + 1)));
        }
        EXPECT_EQ(storeIn(folder).LoadTemplates(), c.expected) << c.present.size();
    }
}

// Only a plain file counts; a hidden, system or directory entry must leave the default in place. A file's text must
// come out as it was written: ANSI, UTF-8 after the mark, or UTF-8 from an editor that writes no mark.
TEST_F(TemplateStoreTest, WhatCountsAsAFile) {
    const struct {
        const char* what;
        std::function<void(sim::SimFiles&)> put;
        std::optional<std::wstring> expected;
    } cases[] = {
        {"plain", [](sim::SimFiles& f) { f.putFile(kAim, "text"); }, L"text"},
        {"zero length", [](sim::SimFiles& f) { f.putFile(kAim, ""); }, L""},
        {"hidden",
         [](sim::SimFiles& f) {
             f.putFile(kAim, "text", {true, false});
         },
         std::nullopt},
        {"system",
         [](sim::SimFiles& f) {
             f.putFile(kAim, "text", {false, true});
         },
         std::nullopt},
        {"directory", [](sim::SimFiles& f) { f.putDirectory(kAim); }, std::nullopt},
        {"other name", [](sim::SimFiles& f) { f.putFile(kDir + L"\\aim.txt.bak", "text"); }, std::nullopt},
        {"1 MiB", [](sim::SimFiles& f) { f.putFile(kAim, std::string(1 << 20, 'x')); }, std::wstring(1 << 20, L'x')},
        {"over 1 MiB", [](sim::SimFiles& f) { f.putFile(kAim, std::string((1 << 20) + 1, 'x')); }, std::nullopt},
        {"binary", [](sim::SimFiles& f) { f.putFile(kAim, std::string("MZ\x90\0\x03", 5)); }, std::nullopt},
        {"UTF-8 after the mark", [](sim::SimFiles& f) { f.putFile(kAim, "\xEF\xBB\xBF\xE3\x81\x82 \xC3\xA9"); },
         L"\u3042 \u00e9"},
        {"invalid UTF-8 after the mark", [](sim::SimFiles& f) { f.putFile(kAim, "\xEF\xBB\xBF\xC3("); }, std::nullopt},
        {"overlong UTF-8 after the mark", [](sim::SimFiles& f) { f.putFile(kAim, "\xEF\xBB\xBF\xC0\xAF"); },
         std::nullopt},
        // Without the mark: UTF-8 when the bytes are valid UTF-8 with a character beyond ASCII, ANSI otherwise.
        {"ANSI with accents", [](sim::SimFiles& f) { f.putFile(kAim, "Caf\xE9 \xAB%s\xBB"); },
         L"Caf\u00E9 \u00AB%s\u00BB"},
        {"UTF-8", [](sim::SimFiles& f) { f.putFile(kAim, "Caf\xC3\xA9 \xE3\x81\x82"); }, L"Caf\u00E9 \u3042"},
        {"UTF-8 of an earlier mIRC default", [](sim::SimFiles& f) { f.putFile(kAim, "\x02\xC2\xAB\x02 %s"); },
         L"\x02\u00AB\x02 %s"},
        {"invalid UTF-8", [](sim::SimFiles& f) { f.putFile(kAim, "\xC3(\xC3\xA9"); }, L"\u00C3(\u00C3\u00A9"},
        {"overlong UTF-8", [](sim::SimFiles& f) { f.putFile(kAim, "\xC0\xAF"); }, L"\u00C0\u00AF"},
        {"ASCII", [](sim::SimFiles& f) { f.putFile(kAim, "np: %s\r\n"); }, L"np: %s\r\n"},
    };
    for (const auto& c : cases) {
        sim::SimFiles folder(kDir);
        c.put(folder);
        EXPECT_EQ(storeIn(folder).LoadTemplates()[0], c.expected) << c.what;
    }
}

// A file that is there but cannot be read must neither stop start-up nor empty its box, nor keep the others out.
TEST_F(TemplateStoreTest, UnreadableFileKeepsItsTextAndTheOthersStillLoad) {
    for (FileStep step : {FileStep::Open, FileStep::Read}) {
        sim::SimFiles folder(kDir);
        folder.putFile(kAim, "aim");
        folder.putFile(kAol, "locked");
        folder.putFile(kMirc, "mirc");
        folder.failAt(kAol, step, L"The process cannot access the file.");
        EXPECT_EQ(storeIn(folder).LoadTemplates(), (Loaded{L"aim", std::nullopt, std::nullopt, L"mirc"}));
    }
}

// Files are taken strictly one after the other in client order, each at the program directory joined as it is.
TEST_F(TemplateStoreTest, FilesAreVisitedInClientOrderAtTheJoinedPaths) {
    files.putFile(kAol, "aol");
    files.putFile(kMirc, "mirc");
    store.LoadTemplates();
    EXPECT_EQ(files.operations(), (Operations{L"isPlainFile " + kAim, L"isPlainFile " + kAol, L"readAll " + kAol,
                                              L"isPlainFile " + kYahoo, L"isPlainFile " + kMirc, L"readAll " + kMirc}));
    files.clearOperations();
    store.save({L"a", L"b", L"c", L"d"});
    EXPECT_EQ(files.operations(), (Operations{L"replaceContent " + kAim, L"replaceContent " + kAol,
                                              L"replaceContent " + kYahoo, L"replaceContent " + kMirc}));

    sim::SimFiles root(L"D:\\");
    root.putFile(L"D:\\\\yahoo.txt", "at the root");
    EXPECT_EQ(storeIn(root).LoadTemplates()[2], L"at the root");
    EXPECT_TRUE(storeIn(root).save({L"1", L"2", L"3", L"4"}).empty());
    EXPECT_EQ(root.contents(L"D:\\\\mirc.txt"), "4");
}

// A template must come back exactly as saved, however often: no added line break, no lost control byte, no
// character the code page lacks; what the code page holds is written in it, byte for byte.
TEST_F(TemplateStoreTest, SaveAndLoadRoundTripByteForByte) {
    std::vector<std::wstring> templates;
    for (int client = 0; client < 4; ++client) {
        templates.push_back(test::expectedDefaultTemplate(client));
    }
    templates[1] = L"";
    templates[2] = L"\r\n";
    templates[0] = L"\u6771\u4EAC %s \U0001F3B5\r\n\u0416";
    for (int cycle = 0; cycle < 3; ++cycle) {
        ASSERT_TRUE(store.save(templates).empty());
        const Loaded loaded = store.LoadTemplates();
        EXPECT_EQ(loaded, Loaded(templates.begin(), templates.end())) << "cycle " << cycle;
    }
    EXPECT_EQ(files.contents(kAim), "\xEF\xBB\xBF\xE6\x9D\xB1\xE4\xBA\xAC %s \xF0\x9F\x8E\xB5\r\n\xD0\x96")
        << "what the code page cannot hold is kept as UTF-8";
    EXPECT_EQ(files.contents(kAol), "");
    EXPECT_EQ(files.contents(kYahoo), "\r\n");
    EXPECT_EQ(files.contents(kMirc), codec.toAnsi(test::expectedDefaultTemplate(3)));
    EXPECT_EQ(files.contents(kMirc)->substr(5, 3), "\x02\xAB\x02") << "\u00AB in the code page's one byte";
}

// ANSI text that happens to begin with the bytes of the UTF-8 mark, or to be valid UTF-8, would be read back as
// UTF-8: the template would change with each save and restart.
TEST_F(TemplateStoreTest, TextThatLooksLikeUtf8ComesBackAsSaved) {
    const std::wstring looksLikeMark = codec.fromAnsi(std::string("\xEF\xBB\xBF") + "abc");
    const std::wstring looksLikeUtf8 = codec.fromAnsi("\xC3\xA9 \xC2\xAB");
    ASSERT_TRUE(store.save({looksLikeMark, looksLikeUtf8, L"", L""}).empty());
    EXPECT_EQ(store.LoadTemplates(), (Loaded{looksLikeMark, looksLikeUtf8, L"", L""}));
}

// A save must not report success for a file it could not write: each such file is named with its reason, its old
// content kept, and the other files still written.
TEST_F(TemplateStoreTest, FailuresAreReportedPerFileWhileTheOthersAreWritten) {
    const std::vector<std::wstring> templates = {L"new aim", L"new aol", L"new yahoo", L"new mirc"};
    for (FileStep step : {FileStep::Open, FileStep::Write, FileStep::Replace}) {
        sim::SimFiles folder(kDir);
        for (const std::wstring& path : {kAim, kAol, kYahoo, kMirc}) {
            folder.putFile(path, "old");
        }
        folder.failAt(kAim, step, L"Access is denied.");
        folder.failAt(kYahoo, step, L"There is not enough space on the disk.");
        const std::vector<SaveFailure> failures = storeIn(folder).save(templates);
        ASSERT_EQ(failures.size(), 2u);
        EXPECT_EQ(failures[0].path, kAim);
        EXPECT_EQ(failures[0].reason, L"Access is denied.");
        EXPECT_EQ(failures[1].path, kYahoo);
        EXPECT_EQ(failures[1].reason, L"There is not enough space on the disk.");
        EXPECT_EQ(folder.contents(kAim), "old");
        EXPECT_EQ(folder.contents(kAol), "new aol");
        EXPECT_EQ(folder.contents(kYahoo), "old");
        EXPECT_EQ(folder.contents(kMirc), "new mirc");
    }
    files.putDirectory(kAol);
    const std::vector<SaveFailure> failures = store.save(templates);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, kAol);
}

// The one box after a save: the confirmation only when every file was written.
TEST(SaveReport, ConfirmsOnlyAFullSave) {
    EXPECT_EQ(saveReport({}), L"Messages Saved!");
    EXPECT_EQ(saveReport({{L"C:\\A\\aim.txt", L"Access is denied."}, {L"C:\\A\\mirc.txt", L"Disk full."}}),
              L"Messages not saved:\nC:\\A\\aim.txt: Access is denied.\nC:\\A\\mirc.txt: Disk full.");
}

}  // namespace
}  // namespace marquill
