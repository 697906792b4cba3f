// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does with Windows names, folders and file attributes.

#include "writer_fixture.h"

#include <windows.h>

const bool kSystemWordsKnown = false;

bool As(User, const std::function<bool()>& save)
{
    return save();
}

namespace {

const std::string kNew = "new\r\n\r\r\n";
const std::string kReserved = "the name is reserved for a device on Windows";

// Device names are reserved in every folder; writing to one would report
// success and write nothing.
const Case kCases[] = {
    {"NUL", {}, "NUL", kReserved},
    {"NulWithAnExtension", {}, "sub\\nul.vkp", kReserved},
    {"COM1", {}, "COM1.vkp", kReserved},
    // Names are UTF-8; here a name is turned into the system's own text.
    {"NotUtf8", {}, "\xff.vkp", "the name is not valid text"},
    {"BackslashesSeparateFolders", [] { return fs::create_directory("sub"); }, "sub\\out.vkp", kNew,
     true},
    {"AReadOnlyFile",
     [] {
         Put("out.vkp", "old");
         return SetFileAttributesW(L"out.vkp", FILE_ATTRIBUTE_READONLY) != 0;
     },
     "out.vkp", "", false, User::Self,
     [] { SetFileAttributesW(L"out.vkp", FILE_ATTRIBUTE_NORMAL); }},
    {"KeepsTheAttributes",
     [] {
         Put("out.vkp", "old");
         return SetFileAttributesW(L"out.vkp", FILE_ATTRIBUTE_HIDDEN) != 0;
     },
     "out.vkp", kNew, true, User::Self,
     [] {
         if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
             GTEST_SKIP() << "Wine's ReplaceFileW does not carry attributes over; Windows does";
         EXPECT_TRUE(GetFileAttributesW(L"out.vkp") & FILE_ATTRIBUTE_HIDDEN);
     }},
};

INSTANTIATE_TEST_SUITE_P(Windows, Writer, ::testing::ValuesIn(kCases), RowName());

}  // namespace
