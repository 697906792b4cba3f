// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"
#include "writer_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace fs = std::filesystem;

namespace patch::detail {

namespace {

// Links the system itself would follow before giving up.
constexpr int kMaxLinks = 40;
// Tries at a free temporary name before giving up.
constexpr unsigned kTemporaryNameAttempts = 100;

std::string Reason(int err)
{
    return std::generic_category().message(err);
}

// Follows symbolic links so that a link keeps pointing at the file it named.
fs::path ResolveLinks(fs::path target)
{
    for (int hops = 0; hops < kMaxLinks; ++hops) {
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

// The new content until it has replaced the target: closed and removed
// again on every way out but success.
struct TemporaryFile {
    int fd = -1;
    fs::path name;
    bool committed = false;

    ~TemporaryFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!committed && !name.empty())
            ::unlink(name.c_str());
    }
    int Close()
    {
        const int rc = ::close(fd);
        fd = -1;
        return rc;
    }
};

// Devices and pipes cannot be replaced by renaming; they are written in place.
WriteResult WriteInPlace(std::string_view path, const fs::path& target, std::string_view text)
{
    // Not blocking: a pipe that nobody reads would otherwise hang the window.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure(path, errno == ENXIO ? std::string(messages::kNoReader) : Reason(errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const bool ok = WriteAll(fd, text) && WriteAll(fd, kFileEnd);
    const int err = errno;
    if (::close(fd) != 0 && ok)
        return Failure(path, Reason(errno));
    if (!ok)
        return Failure(path, Reason(err));
    return {true, {}};
}

}  // namespace

std::optional<std::string> RefusedName(const fs::path&)
{
    return std::nullopt;
}

WriteResult WriteReplacing(std::string_view path, const fs::path& named, std::string_view text)
{
    const fs::path target = ResolveLinks(named);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // Anything but "no such file" (a loop of links, say) is a reason to stop.
    if (!exists && errno != ENOENT)
        return Failure(path, Reason(errno));
    if (exists && S_ISDIR(old.st_mode))
        return Failure(path, Reason(EISDIR));
    if (exists && !S_ISREG(old.st_mode))
        return WriteInPlace(path, target, text);
    // Replacing by rename would get past a write-protected file; refuse as
    // opening it for writing would.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return Failure(path, Reason(errno));

    const fs::path folder = FolderOf(target);
    TemporaryFile temp;
    for (unsigned attempt = 0; attempt < kTemporaryNameAttempts && temp.fd < 0; ++attempt) {
        const fs::path name = TemporaryName(folder, static_cast<unsigned long>(::getpid()));
        temp.fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temp.fd >= 0)
            temp.name = name;
        else if (errno != EEXIST && exists)
            return Failure(path, std::string(messages::kNoRoomBeside) + " (" + Reason(errno) + ")");
        else if (errno != EEXIST)
            return Failure(path, Reason(errno));
    }
    if (temp.fd < 0)
        return Failure(path, Reason(EEXIST));

    if (exists) {
        // Keep the replaced file's permissions, but never set-id bits; the
        // owner only where allowed (it is not ours to give away otherwise).
        (void)!::fchown(temp.fd, old.st_uid, old.st_gid);
        ::fchmod(temp.fd, old.st_mode & 0777);
    }
    if (!WriteAll(temp.fd, text) || !WriteAll(temp.fd, kFileEnd) || ::fsync(temp.fd) != 0 ||
        temp.Close() != 0 || ::rename(temp.name.c_str(), target.c_str()) != 0)
        return Failure(path, Reason(errno));
    temp.committed = true;

    // Make the rename itself durable; the file is complete either way.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

}  // namespace patch::detail
