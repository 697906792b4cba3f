// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"
#include "writer_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

std::string patch::messages::SystemWords(int code)
{
    return std::generic_category().message(code);
}

namespace patch::detail {

namespace {

// Links the system follows in one path before it gives up.
constexpr int kMaxLinks = 40;
// How old an abandoned temporary file must be before a save removes it.
constexpr std::time_t kAbandonedAfterSeconds = 10;
// Where the access control list of a file is kept among its attributes.
constexpr char kAclAttribute[] = "system.posix_acl_access";

// The cause behind the system's error `err`: one the user can act on where
// there is one, else the system's own.
WriteResult FromCode(int err)
{
    return {err == ENOSPC || err == EDQUOT ? Cause::kDiskFull
            : err == ENAMETOOLONG          ? Cause::kNameTooLong
                                           : Cause::kSystem,
            err};
}

// Where a save to `named` lands: a link in its last part followed as
// opening it would, also to a file still to be made (the folders' links the
// system follows itself); nothing where there are more links than it follows.
fs::path Resolve(const fs::path& named)
{
    fs::path target = named;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        // Not a link, or nothing there: it lands here. (Where the path
        // cannot be read, the next look at it says why.)
        if (ec)
            return target;
        target = link.is_absolute() ? link : FolderOf(target) / link;
    }
    return {};
}

// A patch file is a text file: only a regular file is replaced.
Cause NotAFile(mode_t mode)
{
    return S_ISDIR(mode)    ? Cause::kFolder
           : S_ISFIFO(mode) ? Cause::kPipe
           : S_ISSOCK(mode) ? Cause::kSocket
                            : Cause::kDevice;
}

struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Marks a temporary file as in use for as long as this save holds it open
// (`type` F_WRLCK), or asks whether any save still does (F_RDLCK: granted
// only where none does). Where a file system keeps no locks, nothing is
// marked, and nothing is taken for abandoned either.
bool Claim(int fd, short type = F_WRLCK)
{
    struct flock lock {};
    lock.l_type = type;  // the whole file, from its start
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// The new content until it has replaced the target. Written unnamed where
// the file system allows, so that a save killed on the way leaves nothing;
// elsewhere under a temporary name that every way out but success removes.
struct TemporaryFile {
    int folder;
    int fd = -1;
    std::string name;  // in `folder`, once it has one

    // Once renamed into place, the temporary name is gone and this removes
    // nothing.
    ~TemporaryFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.empty())
            ::unlinkat(folder, name.c_str(), 0);
    }

    // 0, or why no new file can be made in the folder.
    int Open()
    {
        if (::access("/proc/self/fd", X_OK) == 0) {
            fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (fd >= 0) {
                Claim(fd);
                return 0;
            }
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                return errno;
        }
        return WithTemporaryName(::getpid(), EEXIST, [this](const std::string& candidate) {
            fd = ::openat(folder, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0)
                return errno;
            name = candidate;
            Claim(fd);
            return 0;
        });
    }

    // Puts the content at `target` in the folder; 0 or the system's reason.
    int Commit(const std::string& target, bool replacing)
    {
        if (name.empty()) {
            // An unnamed file gets a name only now: the target's own when it
            // is new, else a temporary one for just as long as the rename.
            const std::string self = "/proc/self/fd/" + std::to_string(fd);
            const auto link = [&](const std::string& as) {
                return ::linkat(AT_FDCWD, self.c_str(), folder, as.c_str(), AT_SYMLINK_FOLLOW) == 0
                           ? 0
                           : errno;
            };
            if (const int err = replacing ? EEXIST : link(target); err != EEXIST)
                return err;
            if (const int err =
                    WithTemporaryName(::getpid(), EEXIST, [&](const std::string& candidate) {
                        const int failed = link(candidate);
                        if (!failed)
                            name = candidate;
                        return failed;
                    }))
                return err;
        }
        return ::renameat(folder, name.c_str(), folder, target.c_str()) == 0 ? 0 : errno;
    }
};

// A save killed in the moment between naming its file and renaming it
// leaves the temporary name behind. A file that no save holds any more
// (whatever machine or container it ran in) goes, once it is old enough
// not to be one that a save has just made and not yet marked.
void RemoveAbandoned(int folder)
{
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(fd >= 0 ? ::fdopendir(fd) : nullptr, &::closedir);
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        const Descriptor file{
            ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
        struct stat st {};
        if (file.fd >= 0 && ::fstat(file.fd, &st) == 0 &&
            ::time(nullptr) - st.st_mtime >= kAbandonedAfterSeconds && Claim(file.fd, F_RDLCK))
            ::unlinkat(folder, entry->d_name, 0);
    }
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno != EINTR)
            return false;
        data.remove_prefix(n < 0 ? 0 : static_cast<std::size_t>(n));
    }
    return true;
}

// What a call that reads extended attributes gives, asked for its size
// first and then given room for it; nullopt, errno set, where it fails.
template <typename Read> std::optional<std::vector<char>> Sized(Read read)
{
    for (;;) {
        const ssize_t size = read(nullptr, 0);
        std::vector<char> value(size > 0 ? static_cast<std::size_t>(size) : 0);
        if (size >= 0 && read(value.data(), value.size()) == size)
            return value;
        if (size < 0 || errno != ERANGE)  // else it grew meanwhile: again
            return std::nullopt;
    }
}

// Owner and group where allowed; where not, the saver's own would gain
// rights: a new owner gets the owner's rights, a new group the group's.
WriteResult KeepOwner(int fd, const fs::path& old, const struct stat& was)
{
    if (::fchown(fd, was.st_uid, was.st_gid) != 0)
        (void)!::fchown(fd, static_cast<uid_t>(-1), was.st_gid);  // a member keeps the group
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return FromCode(errno);
    const mode_t mode = was.st_mode & 0777;
    const mode_t had = (::access(old.c_str(), R_OK) == 0 ? 4 : 0) |
                       (::access(old.c_str(), W_OK) == 0 ? 2 : 0) |
                       (::access(old.c_str(), X_OK) == 0 ? 1 : 0);
    if ((now.st_uid != was.st_uid && ((mode >> 6) & ~had)) ||
        (now.st_gid != was.st_gid && ((mode >> 3) & ~mode & 7)))
        return {Cause::kRightsNotKept};
    return {};
}

// Its extended attributes: the user's own (user.*) and its access control
// list, or the save fails; the system's (security.*, trusted.*) where the
// saver may set them. Without a list, the new file has none, even where the
// folder would hand it one of its own: its group bits, which are the list's
// mask, would open it to its whole group.
WriteResult KeepAttributes(int fd, const fs::path& old)
{
    const auto names =
        Sized([&](char* to, std::size_t room) { return ::listxattr(old.c_str(), to, room); });
    if (!names && errno != ENOTSUP)
        return FromCode(errno);
    bool listed = false;
    for (std::size_t at = 0; names && at < names->size(); at += std::strlen(&(*names)[at]) + 1) {
        const char* name = &(*names)[at];
        const bool list = std::strcmp(name, kAclAttribute) == 0;
        listed = listed || list;
        const auto value = Sized(
            [&](char* to, std::size_t room) { return ::getxattr(old.c_str(), name, to, room); });
        if ((!value || ::fsetxattr(fd, name, value->data(), value->size(), 0) != 0) &&
            errno != ENODATA && (list || std::strncmp(name, "user.", 5) == 0))  // ENODATA: gone
            return list ? WriteResult{Cause::kAclNotKept, errno} : FromCode(errno);
    }
    if (listed || ::fremovexattr(fd, kAclAttribute) == 0 || errno == ENODATA || errno == ENOTSUP)
        return {};
    return {Cause::kAclNotKept, errno};
}

}  // namespace

std::string_view AsMeant(std::string_view path)
{
    return path;  // quotes and spaces are a name's like any other letter
}

Cause RefusedName(const fs::path& target)
{
    // "C:\..." or "C:/...": meant for Windows, where the letter names a drive.
    // Here it would make a file of that odd name in the current folder.
    const std::string& s = target.native();
    return s.size() >= 3 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':' &&
                   (s[2] == '\\' || s[2] == '/')
               ? Cause::kWindowsPath
               : Cause::kSaved;
}

WriteResult WriteReplacing(const fs::path& named, std::string_view content)
{
    const fs::path target = Resolve(named);
    if (target.empty())
        return FromCode(ELOOP);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return FromCode(errno);
    if (exists && !S_ISREG(old.st_mode))
        return {NotAFile(old.st_mode)};
    // Replacing by rename would get past a write-protected file; refuse as
    // opening it for writing would.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return errno == EACCES ? WriteResult{Cause::kReadOnly, EACCES} : FromCode(errno);

    const Descriptor folder{::open(FolderOf(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd < 0)
        return errno == ENOENT ? InFolder(Cause::kMissingFolder, named) : FromCode(errno);
    RemoveAbandoned(folder.fd);
    TemporaryFile temp{folder.fd, -1, {}};
    if (const int err = temp.Open()) {
        if (err == EACCES || err == EPERM || err == EROFS)
            return InFolder(Cause::kNoPermission, named);
        const WriteResult why = FromCode(err);
        return exists && why.cause == Cause::kSystem ? WriteResult{Cause::kNoRoomBeside, err} : why;
    }
    // The new file gets what the replaced one had: owner and group, its
    // permissions but never set-id bits, and its extended attributes.
    if (exists) {
        WriteResult kept = KeepOwner(temp.fd, target, old);
        if (kept.ok() && ::fchmod(temp.fd, old.st_mode & 0777) != 0)
            kept = FromCode(errno);
        if (kept.ok())
            kept = KeepAttributes(temp.fd, target);
        if (!kept.ok())
            return kept;
    }
    if (!WriteAll(temp.fd, content) || ::fsync(temp.fd) != 0)
        return FromCode(errno);
    if (const int err = temp.Commit(target.filename().string(), exists))
        return FromCode(err);

    // Make the new name itself durable; the file is complete either way.
    const Descriptor durable{::openat(folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (durable.fd >= 0)
        ::fsync(durable.fd);
    return {};
}

}  // namespace patch::detail
