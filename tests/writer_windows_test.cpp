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

HANDLE held = INVALID_HANDLE_VALUE;  // by "another program"
const std::string kReserved = "the name is reserved for a device on Windows";

// Device names are reserved in every folder; writing to one would report
// success and write nothing.
const std::vector<Case> kSystemCases = {
    {"NUL", {}, "NUL", kReserved},
    {"NulWithAnExtension", {}, "sub\\nul.vkp", kReserved},
    {"COM1", {}, "COM1.vkp", kReserved},
    {"FolderAsTarget", [] { return fs::create_directory("sub"); }, "sub",
     "it is a folder, not a file"},
    {"BackslashesSeparateFolders", [] { return fs::create_directory("sub"); }, "sub\\out.vkp", "",
     true},
    {"AReadOnlyFile",
     [] {
         return Put("out.vkp", "old"), SetFileAttributesW(L"out.vkp", FILE_ATTRIBUTE_READONLY) != 0;
     },
     "out.vkp", std::string(words::kReadOnly), false, User::Self,
     [] { SetFileAttributesW(L"out.vkp", FILE_ATTRIBUTE_NORMAL); }},
    {"AFileOpenElsewhere",
     [] {
         Put("out.vkp", "old");
         return (held = CreateFileW(L"out.vkp", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                    nullptr)) != INVALID_HANDLE_VALUE;
     },
     "out.vkp", std::string(words::kInUse), false, User::Self, [] { CloseHandle(held); }},
};
