// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"
#include "writer_system.h"

#ifndef NOMINMAX
#  define NOMINMAX
#endif
#include <windows.h>

namespace fs = std::filesystem;

namespace patch::detail {

namespace {

constexpr unsigned kTemporaryNameAttempts = 100;
// A virus scanner or indexer may hold the target for a moment.
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplaceRetryMs = 50;
// The most that one WriteFile call is given.
constexpr DWORD kWriteChunk = 0x40000000u;
// The longest name of one file or folder, in UTF-16 units.
constexpr std::size_t kMaxNameLength = 255;

std::string Utf8(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::string Reason(DWORD err)
{
    if (err == ERROR_DISK_FULL || err == ERROR_HANDLE_DISK_FULL)
        return std::string(messages::kDiskFull);
    if (err == ERROR_FILENAME_EXCED_RANGE)
        return std::string(messages::kNameTooLong);
    if (err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION)
        return std::string(messages::kInUse);
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, err, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.'))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(err) : Utf8(text);
}

// The new content until it has replaced the target: closed and deleted
// again on every way out but success.
struct TemporaryFile {
    HANDLE handle = INVALID_HANDLE_VALUE;
    fs::path name;
    bool committed = false;

    ~TemporaryFile()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        if (!committed && !name.empty())
            DeleteFileW(name.c_str());
    }
    bool Close()
    {
        const BOOL ok = CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
        return ok;
    }
};

bool WriteAll(HANDLE file, std::string_view data)
{
    while (!data.empty()) {
        const DWORD chunk =
            data.size() > kWriteChunk ? kWriteChunk : static_cast<DWORD>(data.size());
        DWORD written = 0;
        if (!WriteFile(file, data.data(), chunk, &written, nullptr))
            return false;
        data.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<std::string> RefusedName(const fs::path& target)
{
    // Writing to a device name would report success and write nothing.
    if (IsReservedWindowsName(target.filename().u8string()))
        return std::string(messages::kReservedName);
    // Wine would say "file not found".
    if (target.filename().native().size() > kMaxNameLength)
        return std::string(messages::kNameTooLong);
    return std::nullopt;
}

// (MinGW's library does not see symbolic links here; a link is replaced.)
WriteResult WriteReplacing(std::string_view path, const fs::path& named, std::string_view text)
{
    // Wine's ReplaceFileW refuses relative names ("directory name invalid").
    std::error_code ec;
    const fs::path target = fs::absolute(named, ec);
    if (ec)
        return Failure(path, ec.message());
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Failure(path, messages::kTargetIsFolder);
    // Windows refuses to replace a read-only file; Wine would replace it.
    // Say so the same way everywhere.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return Failure(path, messages::kReadOnly);

    const fs::path folder = FolderOf(target);
    TemporaryFile temp;
    for (unsigned attempt = 0; attempt < kTemporaryNameAttempts && temp.name.empty(); ++attempt) {
        const fs::path name = folder / TemporaryName(GetCurrentProcessId());
        temp.handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD err = GetLastError();
        if (temp.handle != INVALID_HANDLE_VALUE)
            temp.name = name;
        else if (err == ERROR_PATH_NOT_FOUND)
            return Failure(path, messages::FolderMissing(ShownFolder(named)));
        else if (err == ERROR_ACCESS_DENIED)
            return Failure(path, messages::FolderNotWritable(ShownFolder(named)));
        else if (err != ERROR_FILE_EXISTS)
            return Failure(path, Reason(err));
    }
    if (temp.name.empty())
        return Failure(path, Reason(ERROR_FILE_EXISTS));

    if (!WriteAll(temp.handle, text) || !WriteAll(temp.handle, kFileEnd) ||
        !FlushFileBuffers(temp.handle) || !temp.Close())
        return Failure(path, Reason(GetLastError()));

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
            temp.committed = true;
            return {true, {}};
        }
        err = GetLastError();
        if (err != ERROR_SHARING_VIOLATION && err != ERROR_LOCK_VIOLATION &&
            err != ERROR_ACCESS_DENIED)
            break;
        Sleep(kReplaceRetryMs);
    }
    return Failure(path, Reason(err));
}

}  // namespace patch::detail
