// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#ifdef _WIN32
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <windows.h>
#else
#  include <fcntl.h>
#  include <sys/stat.h>
#  include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace patch {

namespace {

constexpr std::string_view kFileEnd = "\r\n";

WriteResult Failure(std::string_view path, const std::string& reason)
{
    WriteResult r;
    r.message = "The patch could not be saved to \"" + std::string(path) + "\": " + reason + ".";
    return r;
}

// A name for the temporary file in the target's folder that no other writer,
// not even a second copy of this program, picks at the same time.
fs::path TemporaryName(const fs::path& folder)
{
    static std::atomic<unsigned> counter{0};
#ifdef _WIN32
    const unsigned long pid = GetCurrentProcessId();
#else
    const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
    const std::string name = ".varnel-" + std::to_string(pid) + "-" +
                             std::to_string(counter++) + ".tmp";
    return folder / name;
}

fs::path FolderOf(const fs::path& target)
{
    fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Follows symbolic links so that a link keeps pointing at the file it named.
// (MinGW's library does not see links on Windows; there a link is replaced.)
fs::path ResolveLinks(fs::path target)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            break;
        fs::path link = fs::read_symlink(target, ec);
        if (ec)
            break;
        target = link.is_absolute() ? link : FolderOf(target) / link;
    }
    return target;
}

#ifdef _WIN32

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

std::string WindowsReason(DWORD err)
{
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, err, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' ||
                             text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(err) : Utf8(text);
}

WriteResult WriteReplacing(std::string_view path, const fs::path& target, std::string_view text)
{
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Failure(path, "it is a folder, not a file");
    // Windows refuses to replace a read-only file; Wine would replace it.
    // Say so the same way everywhere.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Failure(path, WindowsReason(ERROR_ACCESS_DENIED));

    const fs::path folder = FolderOf(target);
    fs::path temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = TemporaryName(folder);
        file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return Failure(path, WindowsReason(GetLastError()));
    }
    if (file == INVALID_HANDLE_VALUE)
        return Failure(path, WindowsReason(ERROR_FILE_EXISTS));

    auto abandon = [&](DWORD err) {
        CloseHandle(file);
        DeleteFileW(temp.c_str());
        return Failure(path, WindowsReason(err));
    };
    for (std::string_view part : {text, kFileEnd}) {
        while (!part.empty()) {
            const DWORD chunk = part.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(part.size());
            DWORD written = 0;
            if (!WriteFile(file, part.data(), chunk, &written, nullptr))
                return abandon(GetLastError());
            part.remove_prefix(written);
        }
    }
    if (!FlushFileBuffers(file))
        return abandon(GetLastError());
    if (!CloseHandle(file)) {
        const DWORD err = GetLastError();
        DeleteFileW(temp.c_str());
        return Failure(path, WindowsReason(err));
    }
    // An existing file is replaced with ReplaceFileW, which keeps its
    // attributes and permissions. A virus scanner or indexer may hold the
    // file for a moment, so a sharing conflict is tried again briefly.
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    DWORD err = ERROR_SUCCESS;
    for (int attempt = 0; attempt < 10; ++attempt) {
        const BOOL done =
            exists ? ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                                  REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                   : MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        if (done)
            return {true, {}};
        err = GetLastError();
        if (err != ERROR_SHARING_VIOLATION && err != ERROR_LOCK_VIOLATION &&
            err != ERROR_ACCESS_DENIED)
            break;
        Sleep(50);
    }
    DeleteFileW(temp.c_str());
    return Failure(path, WindowsReason(err));
}

#else

std::string ErrnoReason(int err)
{
    return std::generic_category().message(err);
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Devices and pipes cannot be replaced by renaming; they are written in place.
WriteResult WriteInPlace(std::string_view path, const fs::path& target, std::string_view text)
{
    // Not blocking: a pipe that nobody reads would otherwise hang the window.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure(path, errno == ENXIO ? "nothing is reading from that pipe"
                                            : ErrnoReason(errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const bool ok = WriteAll(fd, text) && WriteAll(fd, kFileEnd);
    const int err = errno;
    if (::close(fd) != 0 && ok)
        return Failure(path, ErrnoReason(errno));
    if (!ok)
        return Failure(path, ErrnoReason(err));
    return {true, {}};
}

WriteResult WriteReplacing(std::string_view path, const fs::path& target, std::string_view text)
{
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // Anything but "no such file" (a loop of links, say) is a reason to stop.
    if (!exists && errno != ENOENT)
        return Failure(path, ErrnoReason(errno));
    if (exists && S_ISDIR(old.st_mode))
        return Failure(path, ErrnoReason(EISDIR));
    if (exists && !S_ISREG(old.st_mode))
        return WriteInPlace(path, target, text);
    // Replacing by rename would get past a write-protected file; refuse as
    // opening it for writing would.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return Failure(path, ErrnoReason(errno));

    const fs::path folder = FolderOf(target);
    fs::path temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(folder);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && exists)
            return Failure(path, "no new file can be made in its folder to replace it (" +
                                     ErrnoReason(errno) + ")");
        if (fd < 0 && errno != EEXIST)
            return Failure(path, ErrnoReason(errno));
    }
    if (fd < 0)
        return Failure(path, ErrnoReason(EEXIST));

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Failure(path, ErrnoReason(err));
    };
    if (exists) {
        // Keep the replaced file's permissions, but never set-id bits; the
        // owner only where allowed.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not ours to give away: the new file stays the writer's own.
        }
        ::fchmod(fd, old.st_mode & 0777);
    }
    if (!WriteAll(fd, text) || !WriteAll(fd, kFileEnd))
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Failure(path, ErrnoReason(err));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Failure(path, ErrnoReason(err));
    }
    // Make the rename itself durable; the file is complete either way.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

#endif

}  // namespace

bool IsReservedWindowsName(std::string_view fileName)
{
    std::string stem(fileName.substr(0, fileName.find('.')));
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == ':'))
        stem.pop_back();
    for (char& c : stem)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
        stem == "CONOUT$")
        return true;
    if (stem.size() < 4 || (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0))
        return false;
    // COM1 to COM9, and the superscript digits one to three, in UTF-8.
    const std::string digit = stem.substr(3);
    return (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\xC2\xB9" ||
           digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

WriteResult WritePatchFile(std::string_view path, std::string_view text)
{
    if (path.empty())
        return Failure(path, "no file name was given");
    fs::path target;
    try {
        target = fs::u8path(path.begin(), path.end());
    } catch (const std::exception&) {
        return Failure(path, "the name is not valid text");
    }
    const fs::path name = target.filename();
    if (name.empty() || name == "." || name == "..")
        return Failure(path, "the name is a folder, not a file");
#ifdef _WIN32
    if (IsReservedWindowsName(name.u8string()))
        return Failure(path, "the name is reserved for a device on Windows");
#endif
    return WriteReplacing(path, ResolveLinks(target), text);
}

}  // namespace patch
