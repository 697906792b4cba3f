// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the patch file. Failures come back as a value, never as an end of
// the program: the caller shows the message and the user can try again.

#include <string>
#include <string_view>

namespace patch {

struct WriteResult {
    bool ok = false;
    std::string message;  // empty on success; names the path and the reason
};

// Writes `text` and one CR LF, byte for byte, to the file named by the UTF-8
// path `path`. An existing file is replaced only once the new content is
// completely on disk; on any failure the old file is left as it was and no
// temporary file remains. Folders are never created.
WriteResult WritePatchFile(std::string_view path, std::string_view text);

// True for names that Windows reserves for devices (CON, NUL, COM1, ...),
// with or without an extension. Writing to one would silently go nowhere.
bool IsReservedWindowsName(std::string_view fileName);

}  // namespace patch
