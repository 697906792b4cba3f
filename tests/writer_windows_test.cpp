// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does with Windows names, folders and file attributes.

#include "writer_fixture.h"

#include <windows.h>

bool As(User, const std::function<bool()>& save)
{
    return save();
}

HANDLE held = INVALID_HANDLE_VALUE;  // by "another program"

// Device names are reserved in every folder, with or without an extension;
// writing to one would report success and write nothing. Names only like
// them are saved as any other.
const std::vector<Case> kSystemCases = [] {
    std::vector<Case> rows = {
        {"BackslashesSeparateFolders", [] { return fs::create_directory("sub"); }, "sub\\out.vkp"},
        // Pasted as Explorer copies a path, or with spaces around it.
        {"InQuotes", {}, "\"out.vkp\"", Cause::kSaved, "out.vkp"},
        {"SpacesAround", {}, "  \" out.vkp\" ", Cause::kSaved, "out.vkp"},
        {"OneQuote", {}, "\"out.vkp", Cause::kSystem},
        {"AReadOnlyFile",
         [] {
             Put("out.vkp", "old");
             return SetFileAttributesW(L"out.vkp", FILE_ATTRIBUTE_READONLY) != 0;
         },
         "out.vkp", Cause::kReadOnly, "", User::Self,
         [] { SetFileAttributesW(L"out.vkp", FILE_ATTRIBUTE_NORMAL); }},
        {"AFileOpenElsewhere",
         [] {
             Put("out.vkp", "old");
             held = CreateFileW(L"out.vkp", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
             return held != INVALID_HANDLE_VALUE;
         },
         "out.vkp", Cause::kInUse, "", User::Self, [] { CloseHandle(held); }},
    };
    int n = 0;
    for (const char* name : {"NUL", "nul", "Nul.vkp", "CON", "prn.txt", "AUX", "COM1", "com9.vkp",
                             "LPT1", "lpt5.tar.gz", "NUL .vkp", "CONOUT$", "conin$", "sub\\nul.vkp",
                             "COM\u00b9", "lpt\u00b3.vkp"})
        rows.push_back({"Reserved" + std::to_string(n++), {}, name, Cause::kReservedName});
    for (const char* name : {"NULL", "nul_", "COM0", "COM10", "LPT", ".nul", "CONSOLE", "COM\u2074",
                             "COM1x", "COMZ", "ABC1.vkp"})
        rows.push_back({"NotReserved" + std::to_string(n++), {}, name});
    return rows;
}();
