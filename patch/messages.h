// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the patch core that a user reads, in one place. Where a save
// fails for a reason the user can act on, the reason is said in plain words
// with the way out; other reasons are the system's own.

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

// Save failed: the path as the user gave it, and why.
inline std::string SaveFailed(std::string_view path, std::string_view reason)
{
    return "The patch could not be saved to \"" + std::string(path) + "\": " + std::string(reason) +
           ".";
}
inline constexpr std::string_view kNoFileName = "no file name was given";
inline constexpr std::string_view kNotText = "the name is not valid text";
inline constexpr std::string_view kNameIsFolder = "the name is a folder, not a file";
inline constexpr std::string_view kTargetIsFolder = "it is a folder, not a file";
inline constexpr std::string_view kWindowsPath =
    "it is a Windows path, which names no folder on this system";
inline constexpr std::string_view kReservedName = "the name is reserved for a device on Windows";
inline constexpr std::string_view kIsPipe = "it is a named pipe, not a file";
inline constexpr std::string_view kIsSocket = "it is a socket, not a file";
inline constexpr std::string_view kIsDevice = "it is a device, not a file";
inline constexpr std::string_view kRightsNotKept =
    "its owner or group cannot be kept, and someone would gain rights to it";
inline constexpr std::string_view kAclNotKept = "its access control list cannot be kept";
inline constexpr std::string_view kNoRoomBeside =
    "no new file can be made in its folder to replace it";
inline std::string FolderMissing(std::string_view folder)
{
    return "the folder \"" + std::string(folder) +
           "\" does not exist. Type the path of a folder that exists, or choose the file with "
           "the button at the end of the path field";
}
inline std::string FolderNotWritable(std::string_view folder)
{
    return "you may not write to the folder \"" + std::string(folder) +
           "\". Choose a folder of your own, for example your Documents folder";
}
inline constexpr std::string_view kReadOnly =
    "the file is read-only. Choose another name, or clear the file's read-only mark";
inline constexpr std::string_view kInUse =
    "another program has the file open. Close the file there, then save again";
inline constexpr std::string_view kNameTooLong =
    "the name is longer than the system allows. Choose a shorter name or folder";
inline constexpr std::string_view kDiskFull =
    "the disk is full. Make room on it, or choose another disk";

}  // namespace patch::messages
