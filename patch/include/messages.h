// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the patch core that a user reads, in one place. Where a save
// fails for a reason the user can act on, the reason is said in plain words
// with the way out; other reasons are the system's own.
//
// Texts are English, with %1 and %2 where their values go, so that a
// window can show them in the user's language; VARNEL_TEXT marks them for
// the translation tools, as Qt's QT_TRANSLATE_NOOP would.

#include "writer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#define VARNEL_TEXT(context, words) words

namespace patch::messages {

// Words, and the values that fill them in.
struct Text {
    const char* words = "";
    std::vector<std::string> values = {};
};
// The text in English, its values in place.
std::string English(const Text& text);

// Make found a gap.
inline Text NoKey()
{
    return {VARNEL_TEXT("patch", "You must select key")};
}
inline Text SlotNotSelected(std::size_t slot)  // slot is 1-based
{
    return {VARNEL_TEXT("patch", "Menu picture no.%1 is not selected"), {std::to_string(slot)}};
}

// The system's own words for one of its error codes (errno; on Windows,
// GetLastError's).
std::string SystemWords(int code);

// Why a save failed.
inline Text Reason(const WriteResult& r)
{
    switch (r.cause) {
    case Cause::kSaved: return {};
    case Cause::kNoName: return {VARNEL_TEXT("patch", "no file name was given")};
    case Cause::kNotText: return {VARNEL_TEXT("patch", "the name is not valid text")};
    case Cause::kFolder:
        return {VARNEL_TEXT("patch",
                            "it is a folder, not a file. Put a file name at the end of the path, "
                            "for example Varnel.vkp")};
    case Cause::kWindowsPath:
        return {VARNEL_TEXT("patch", "it is a Windows path, which names no folder on this system")};
    case Cause::kReservedName:
        return {VARNEL_TEXT("patch",
                            "the name is reserved for a device on Windows. Choose another name")};
    case Cause::kNameTooLong:
        return {VARNEL_TEXT(
            "patch", "the name is longer than the system allows. Choose a shorter name or folder")};
    case Cause::kMissingFolder:
        return {
            VARNEL_TEXT("patch",
                        "the folder \"%1\" does not exist. Type the path of a folder that exists, "
                        "or choose the file with the button at the end of the path field"),
            {r.folder}};
    case Cause::kNoPermission:
        return {VARNEL_TEXT("patch",
                            "you may not write to the folder \"%1\". Choose a folder of your own, "
                            "for example your Documents folder"),
                {r.folder}};
    case Cause::kReadOnly:
        return {VARNEL_TEXT(
            "patch",
            "the file is read-only. Choose another name, or clear the file's read-only mark")};
    case Cause::kInUse:
        return {VARNEL_TEXT(
            "patch", "another program has the file open. Close the file there, then save again")};
    case Cause::kDiskFull:
        return {VARNEL_TEXT("patch", "the disk is full. Make room on it, or choose another disk")};
    case Cause::kPipe: return {VARNEL_TEXT("patch", "it is a named pipe, not a file")};
    case Cause::kSocket: return {VARNEL_TEXT("patch", "it is a socket, not a file")};
    case Cause::kDevice: return {VARNEL_TEXT("patch", "it is a device, not a file")};
    case Cause::kRightsNotKept:
        return {VARNEL_TEXT(
            "patch", "its owner or group cannot be kept, and someone would gain rights to it")};
    case Cause::kAclNotKept:
        return {VARNEL_TEXT("patch", "its access control list cannot be kept")};
    case Cause::kNoRoomBeside:
        return {VARNEL_TEXT("patch", "no new file can be made in its folder to replace it (%1)"),
                {SystemWords(r.code)}};
    case Cause::kSystem: break;
    }
    return {"%1", {SystemWords(r.code)}};
}

// Save failed: the path as the user gave it (%1), and why (%2).
inline constexpr const char* kSaveFailed =
    VARNEL_TEXT("patch", "The patch could not be saved to \"%1\": %2.");
inline std::string SaveFailed(std::string_view path, const WriteResult& r)
{
    return English({kSaveFailed, {std::string(path), English(Reason(r))}});
}

}  // namespace patch::messages
