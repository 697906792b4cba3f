// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the patch file. Failures come back as a value, never as an end of
// the program: the caller shows the message and the user can try again.

#include <string>
#include <string_view>
#include <utility>

namespace patch {

// Why a save failed, the same on every system; messages.h has the words.
enum class Cause {
    kSaved,
    // The name: none, not UTF-8, a folder's, a drive's on a system without
    // drives, a device's on Windows, too long.
    kNoName,
    kNotText,
    kFolder,
    kWindowsPath,
    kReservedName,
    kNameTooLong,
    // The folder: missing, or it takes no new file from this user.
    kMissingFolder,
    kNoPermission,
    // The file: read-only, held by another program, not a regular file.
    kReadOnly,
    kInUse,
    kPipe,
    kSocket,
    kDevice,
    // Its owner or group would change and someone gain rights; its access
    // control list cannot be kept.
    kRightsNotKept,
    kAclNotKept,
    // No room on the disk; no new file beside the old one (`code` says why);
    // the system's own reason (`code`).
    kDiskFull,
    kNoRoomBeside,
    kSystem,
};

struct WriteResult {
    Cause cause;
    int code;            // the system's error code behind the cause, where one is known
    std::string folder;  // kMissingFolder, kNoPermission: the folder as the user named it

    WriteResult(Cause c = Cause::kSaved, int systemCode = 0, std::string named = {})
        : cause(c), code(systemCode), folder(std::move(named))
    {
    }
    bool ok() const { return cause == Cause::kSaved; }
};

// Writes `text` and one CR LF, byte for byte, to the file named by the UTF-8
// path `path`. An existing file is replaced only once the new content is
// completely on disk; on any failure the old file is left as it was and no
// temporary file remains. Folders are never created.
WriteResult WritePatchFile(std::string_view path, std::string_view text);

}  // namespace patch
