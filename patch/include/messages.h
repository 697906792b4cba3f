// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the patch core that a user reads, in one place. Where a save
// fails for a reason the user can act on, the reason is said in plain words
// with the way out; other reasons are the system's own.

#include "writer.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace patch::messages {

// Make found a gap.
inline constexpr std::string_view kNoKey = "You must select key";
inline std::string SlotNotSelected(std::size_t slot)  // slot is 1-based
{
    return "Menu picture no." + std::to_string(slot) + " is not selected";
}

// The system's own words for one of its error codes (errno; on Windows,
// GetLastError's).
std::string SystemWords(int code);

// Why a save failed, in words.
inline std::string Reason(const WriteResult& r)
{
    switch (r.cause) {
    case Cause::kSaved:
        return {};
    case Cause::kNoName:
        return "no file name was given";
    case Cause::kNotText:
        return "the name is not valid text";
    case Cause::kFolder:
        return "it is a folder, not a file. Put a file name at the end of the path, for example "
               "Varnel.vkp";
    case Cause::kWindowsPath:
        return "it is a Windows path, which names no folder on this system";
    case Cause::kReservedName:
        return "the name is reserved for a device on Windows. Choose another name";
    case Cause::kNameTooLong:
        return "the name is longer than the system allows. Choose a shorter name or folder";
    case Cause::kMissingFolder:
        return "the folder \"" + r.folder +
               "\" does not exist. Type the path of a folder that exists, or choose the file "
               "with the button at the end of the path field";
    case Cause::kNoPermission:
        return "you may not write to the folder \"" + r.folder +
               "\". Choose a folder of your own, for example your Documents folder";
    case Cause::kReadOnly:
        return "the file is read-only. Choose another name, or clear the file's read-only mark";
    case Cause::kInUse:
        return "another program has the file open. Close the file there, then save again";
    case Cause::kDiskFull:
        return "the disk is full. Make room on it, or choose another disk";
    case Cause::kPipe:
        return "it is a named pipe, not a file";
    case Cause::kSocket:
        return "it is a socket, not a file";
    case Cause::kDevice:
        return "it is a device, not a file";
    case Cause::kRightsNotKept:
        return "its owner or group cannot be kept, and someone would gain rights to it";
    case Cause::kAclNotKept:
        return "its access control list cannot be kept";
    case Cause::kNoRoomBeside:
        return "no new file can be made in its folder to replace it (" + SystemWords(r.code) + ")";
    case Cause::kSystem:
        return SystemWords(r.code);
    }
    return SystemWords(r.code);
}

// Save failed: the path as the user gave it, and why.
inline std::string SaveFailed(std::string_view path, const WriteResult& r)
{
    return "The patch could not be saved to \"" + std::string(path) + "\": " + Reason(r) + ".";
}

}  // namespace patch::messages
