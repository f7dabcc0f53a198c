#include "platform/win32/win32_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/win32/owners.h"

namespace marquill::win32 {
namespace {

constexpr std::size_t kNoBound = SIZE_MAX;

// A fresh folder under the temporary directory whose name no single-byte code page holds; removed at the end.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"marquill \u041f\u0435\u0441\u043d\u044f \u66f2 " +
                std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(const wchar_t* name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
    static inline int count_ = 0;
};

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The program directory is joined to "\aim.txt" as it is: at a drive root it must end in its one backslash.
TEST(Win32Files, ProgramDirectoryIsTheFolderOfTheExecutable) {
    const struct {
        std::wstring module;
        std::wstring folder;
    } cases[] = {
        {L"C:\\Tools\\MarquillAmp.exe", L"C:\\Tools"},
        {L"C:\\MarquillAmp.exe", L"C:\\"},
        {L"D:\\a b\\c\\MarquillAmp.exe", L"D:\\a b\\c"},
        {L"\\\\server\\share\\MarquillAmp.exe", L"\\\\server\\share"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folderOfModule(c.module), c.folder);
    }
    Win32Files files;
    EXPECT_TRUE(files.isPlainFile(files.programDirectory() + L"\\win32_tests.exe")) << "the test program's own file";
}

// Only a plain file is a template file; read-only and archived ones are, hidden, system and directories are not.
TEST(Win32Files, WhatCountsAsAFile) {
    TempFolder folder;
    Win32Files files;
    const struct {
        const wchar_t* name;
        DWORD attributes;  // 0: a directory
        bool plain;
    } cases[] = {
        {L"normal.txt", FILE_ATTRIBUTE_NORMAL, true},   {L"readonly.txt", FILE_ATTRIBUTE_READONLY, true},
        {L"archive.txt", FILE_ATTRIBUTE_ARCHIVE, true}, {L"hidden.txt", FILE_ATTRIBUTE_HIDDEN, false},
        {L"system.txt", FILE_ATTRIBUTE_SYSTEM, false},  {L"aim.txt", 0, false},
    };
    for (const auto& c : cases) {
        const std::wstring path = folder.file(c.name);
        if (c.attributes == 0) {
            CreateDirectoryW(path.c_str(), nullptr);
        } else {
            ASSERT_EQ(files.replaceContent(path, "x"), std::nullopt);
            SetFileAttributesW(path.c_str(), c.attributes);
        }
        EXPECT_EQ(files.isPlainFile(path), c.plain) << std::filesystem::path(c.name).string();
    }
    EXPECT_FALSE(files.isPlainFile(folder.file(L"absent.txt")));
    EXPECT_EQ(files.readAll(folder.file(L"aim.txt"), kNoBound), std::nullopt) << "a directory reads as nothing";
    EXPECT_NE(files.replaceContent(folder.file(L"aim.txt"), "x"), std::nullopt) << "a directory is not replaced";
}

// Content goes out and comes back byte for byte, in a folder outside the code page and through a doubled backslash.
TEST(Win32Files, WrittenBytesReadBackExactly) {
    TempFolder folder;
    Win32Files files;
    const std::string binary(
        "\x03"
        "0,1 \x02\xC2\xAB\x02 \r\n\0tail\xFF",
        17);
    const struct {
        std::wstring path;
        std::string bytes;
    } cases[] = {
        {folder.file(L"aim.txt"), "first"}, {folder.file(L"aim.txt"), "second, shorter?"},
        {folder.file(L"aim.txt"), "2nd"},   {folder.path() + L"\\\\mirc.txt", binary},
        {folder.file(L"yahoo.txt"), ""},    {folder.file(L"aol.txt"), std::string(3 << 20, 'z')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(files.replaceContent(c.path, c.bytes), std::nullopt);
        EXPECT_TRUE(files.isPlainFile(c.path));
        EXPECT_EQ(files.readAll(c.path, kNoBound), c.bytes);
        EXPECT_FALSE(exists(c.path + L".new")) << "no temporary file is left behind";
    }
    EXPECT_EQ(files.readAll(folder.file(L"mirc.txt"), kNoBound), binary);
    EXPECT_EQ(files.readAll(folder.file(L"aol.txt"), 3 << 20), std::string(3 << 20, 'z')) << "as long as the bound";
    EXPECT_EQ(files.readAll(folder.file(L"aol.txt"), (3 << 20) - 1), std::nullopt) << "longer than the bound";
}

// A file another program holds open must keep its old content, report why, and leave nothing behind.
TEST(Win32Files, LockedFileKeepsItsContentAndReportsTheReason) {
    TempFolder folder;
    Win32Files files;
    const std::wstring path = folder.file(L"aim.txt");
    ASSERT_EQ(files.replaceContent(path, "old"), std::nullopt);
    win32::KernelHandle lock = win32::owned<win32::KernelHandle>(
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    const std::optional<std::wstring> reason = files.replaceContent(path, "new");
    EXPECT_EQ(files.readAll(path, kNoBound), std::nullopt) << "held without sharing";
    lock.reset();
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_NE(reason->back(), L'\n');
    EXPECT_EQ(files.readAll(path, kNoBound), "old");
    EXPECT_FALSE(exists(path + L".new"));
}

// A folder that cannot take new files: the write fails with the system's reason and nothing is created.
TEST(Win32Files, MissingFolderReportsTheReason) {
    TempFolder folder;
    Win32Files files;
    const std::wstring path = folder.file(L"no such folder\\aim.txt");
    const std::optional<std::wstring> reason = files.replaceContent(path, "x");
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_FALSE(exists(path));
}

}  // namespace
}  // namespace marquill::win32
