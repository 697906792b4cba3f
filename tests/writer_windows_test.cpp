// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does with Windows names, folders and file attributes.

#include "writer_fixture.h"

#include <windows.h>

namespace {

bool UnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Device names are reserved in every folder; writing to one would report
// success and write nothing.
TEST_F(Writer, ReservedDeviceNamesAreRefused)
{
    for (const char* name : {"NUL", "nul.vkp", "COM1.vkp"}) {
        const patch::WriteResult r = patch::WritePatchFile(dir_.u8string() + "\\" + name, "x");
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.message.find("reserved for a device"), std::string::npos) << r.message;
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(Writer, BackslashesSeparateFolders)
{
    fs::create_directory(dir_ / "sub");
    ASSERT_TRUE(patch::WritePatchFile(dir_.u8string() + "\\sub\\out.vkp", "a\rb").ok);
    EXPECT_EQ(Read(dir_ / "sub" / "out.vkp"), "a\rb\r\n");
}

TEST_F(Writer, ReplacingKeepsTheFileAttributes)
{
    const fs::path target = dir_ / "out.vkp";
    Put(target, std::string(300, 'x'));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(Save(target, "new").ok);
    EXPECT_EQ(Read(target), "new\r\n");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
    if (UnderWine())
        GTEST_SKIP() << "Wine's ReplaceFileW does not carry attributes over; Windows does";
    EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(Writer, AReadOnlyFileIsNotReplaced)
{
    const fs::path target = dir_ / "out.vkp";
    Put(target, "old");
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    const patch::WriteResult r = Save(target, "new");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(target.u8string()), std::string::npos) << r.message;
    EXPECT_EQ(Read(target), "old");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
