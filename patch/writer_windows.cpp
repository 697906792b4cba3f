// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"
#include "writer_system.h"

#ifndef NOMINMAX
#  define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace patch {

namespace {

// A virus scanner or indexer may hold the target for a moment.
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplaceRetryMs = 50;
// The longest name of one file or folder, in UTF-16 units.
constexpr std::size_t kMaxNameLength = 255;

// The cause behind the system's error `err`: one the user can act on where
// there is one, else the system's own.
WriteResult FromCode(DWORD err)
{
    const Cause cause = err == ERROR_DISK_FULL || err == ERROR_HANDLE_DISK_FULL ? Cause::kDiskFull
                        : err == ERROR_FILENAME_EXCED_RANGE ? Cause::kNameTooLong
                        : err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION
                            ? Cause::kInUse
                            : Cause::kSystem;
    return {cause, static_cast<int>(err)};
}

// True for names that Windows reserves for devices (CON, NUL, COM1, ...),
// with or without an extension. Writing to one would silently go nowhere.
bool IsReservedName(std::string stem)
{
    stem = stem.substr(0, stem.find('.'));
    stem.erase(stem.find_last_not_of(" :") + 1);
    for (char& c : stem)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const std::set<std::string> kDevices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    // COM1 to COM9, LPT1 to LPT9, and the same with the superscript digits
    // one to three, in UTF-8.
    static const std::set<std::string> kNumbers = {
        "1", "2", "3", "4", "5", "6", "7", "8", "9", "\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    return kDevices.count(stem) != 0 || ((stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
                                         kNumbers.count(stem.substr(3)) != 0);
}

}  // namespace

std::string messages::SystemWords(int code)
{
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(n ? buffer : L"", n);
    LocalFree(buffer);
    text.erase(text.find_last_not_of(L"\r\n .") + 1);  // a sentence ends in the message shown
    return text.empty() ? "error " + std::to_string(static_cast<DWORD>(code))
                        : fs::path(text).u8string();
}

namespace detail {

namespace {

// The new content until it has replaced the target: closed and deleted
// again on every way out but success.
struct TemporaryFile {
    HANDLE handle = INVALID_HANDLE_VALUE;
    fs::path name;  // emptied once it has replaced the target

    ~TemporaryFile()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        if (!name.empty())
            DeleteFileW(name.c_str());
    }
};

// The whole of `data` or nothing: a patch is never near the 4 GiB that one
// call can write.
bool WriteAll(HANDLE file, std::string_view data)
{
    DWORD written = 0;
    return data.size() <= MAXDWORD &&
           WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
           written == data.size();
}

}  // namespace

std::string_view AsMeant(std::string_view path)
{
    // No name here begins or ends with a space or holds a quote: these are
    // a paste's, as Explorer's "Copy as path" gives it.
    const auto trimmed = [](std::string_view s) {
        s.remove_prefix(std::min(s.find_first_not_of(' '), s.size()));
        return s.substr(0, s.find_last_not_of(' ') + 1);
    };
    path = trimmed(path);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = trimmed(path.substr(1, path.size() - 2));
    return path;
}

Cause RefusedName(const fs::path& target)
{
    // Writing to a device name would report success and write nothing.
    if (IsReservedName(target.filename().u8string()))
        return Cause::kReservedName;
    // Wine would say "file not found".
    if (target.filename().native().size() > kMaxNameLength)
        return Cause::kNameTooLong;
    return Cause::kSaved;
}

// (MinGW's library does not see symbolic links here; a link is replaced.)
WriteResult WriteReplacing(const fs::path& named, std::string_view content)
{
    // Wine's ReplaceFileW refuses relative names ("directory name invalid").
    std::error_code ec;
    const fs::path target = fs::absolute(named, ec);
    if (ec)
        return {Cause::kSystem, ec.value()};
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {Cause::kFolder};
    // Windows refuses to replace a read-only file; Wine would replace it.
    // Say so the same way everywhere.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return {Cause::kReadOnly};

    TemporaryFile temp;
    const auto make = [&](const std::string& name) {
        const fs::path candidate = FolderOf(target) / name;
        temp.handle = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (temp.handle == INVALID_HANDLE_VALUE)
            return static_cast<int>(GetLastError());
        temp.name = candidate;
        return 0;
    };
    if (const int err = WithTemporaryName(GetCurrentProcessId(), ERROR_FILE_EXISTS, make))
        return err == ERROR_PATH_NOT_FOUND  ? InFolder(Cause::kMissingFolder, named)
               : err == ERROR_ACCESS_DENIED ? InFolder(Cause::kNoPermission, named)
                                            : FromCode(static_cast<DWORD>(err));

    if (!WriteAll(temp.handle, content) || !FlushFileBuffers(temp.handle) ||
        !CloseHandle(std::exchange(temp.handle, INVALID_HANDLE_VALUE)))
        return FromCode(GetLastError());

    // ReplaceFileW keeps an existing file's attributes and permissions.
    DWORD err = ERROR_SUCCESS;
    for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
        BOOL done = FALSE;
        if (!exists) {
            done = MoveFileExW(temp.name.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        } else if (const HANDLE probe =
                       CreateFileW(target.c_str(), DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
                   probe != INVALID_HANDLE_VALUE) {
            // Asked first: Wine's ReplaceFileW leaves a copy of the file
            // behind when another program holds it open.
            CloseHandle(probe);
            done = ReplaceFileW(target.c_str(), temp.name.c_str(), nullptr,
                                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
        }
        if (done) {
            temp.name.clear();
            return {};
        }
        err = GetLastError();
        if (err != ERROR_SHARING_VIOLATION && err != ERROR_LOCK_VIOLATION &&
            err != ERROR_ACCESS_DENIED)
            break;
        Sleep(kReplaceRetryMs);
    }
    return FromCode(err);
}

}  // namespace detail

}  // namespace patch
