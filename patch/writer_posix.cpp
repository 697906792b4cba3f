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
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace patch::detail {

namespace {

// Links the system follows in one path before it gives up.
constexpr int kMaxLinks = 40;
// How old an abandoned temporary file must be before a save removes it.
constexpr std::time_t kAbandonedAfterSeconds = 10;
// Tries at a free temporary name before giving up.
constexpr unsigned kTemporaryNameAttempts = 100;
// Where the access control list of a file is kept among its attributes.
constexpr char kAclAttribute[] = "system.posix_acl_access";

// The program's own words for a failure the user can act on, where it has them.
std::optional<std::string> PlainWords(int err)
{
    if (err == ENOSPC || err == EDQUOT)
        return std::string(messages::kDiskFull);
    if (err == ENAMETOOLONG)
        return std::string(messages::kNameTooLong);
    return std::nullopt;
}

std::string Reason(int err)
{
    return PlainWords(err).value_or(std::generic_category().message(err));
}

// Where a save to `named` lands, its links followed as the system follows
// them; 0 or the system's reason for giving up.
int Resolve(const fs::path& named, fs::path& target)
{
    struct stat st {};
    if (::stat(named.c_str(), &st) == 0) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(named.c_str(), nullptr),
                                                               &std::free);
        if (!real)
            return errno;
        target = real.get();
        return 0;
    }
    if (errno != ENOENT)
        return errno;  // a loop, too many links, no access
    // Nothing there yet, or a link to a file still to be made: follow it as
    // opening it would. (The system has already refused a longer chain; the
    // limit only guards against links changed meanwhile.)
    target = named;
    for (int hops = 0;; ++hops) {
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return 0;
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec || hops == kMaxLinks)
            return ec ? ec.value() : ELOOP;
        target = link.is_absolute() ? link : FolderOf(target) / link;
    }
}

// A patch file is a text file: only a regular file is replaced.
std::string NotAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return Reason(EISDIR);
    if (S_ISFIFO(mode))
        return std::string(messages::kIsPipe);
    if (S_ISSOCK(mode))
        return std::string(messages::kIsSocket);
    return std::string(messages::kIsDevice);
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
        for (unsigned attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            const std::string candidate = TemporaryName(static_cast<unsigned long>(::getpid()));
            fd = ::openat(folder, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                name = candidate;
                Claim(fd);
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    // Puts the content at `target` in the folder; 0 or the system's reason.
    int Commit(const std::string& target, bool replacing)
    {
        if (name.empty()) {
            // An unnamed file gets a name only now: the target's own when it
            // is new, else a temporary one for just as long as the rename.
            const std::string self = "/proc/self/fd/" + std::to_string(fd);
            if (!replacing &&
                ::linkat(AT_FDCWD, self.c_str(), folder, target.c_str(), AT_SYMLINK_FOLLOW) == 0)
                return 0;
            if (!replacing && errno != EEXIST)
                return errno;
            for (unsigned attempt = 0; name.empty(); ++attempt) {
                const std::string candidate = TemporaryName(static_cast<unsigned long>(::getpid()));
                if (::linkat(AT_FDCWD, self.c_str(), folder, candidate.c_str(),
                             AT_SYMLINK_FOLLOW) == 0)
                    name = candidate;
                else if (errno != EEXIST || attempt + 1 == kTemporaryNameAttempts)
                    return errno;
            }
        }
        if (::renameat(folder, name.c_str(), folder, target.c_str()) != 0)
            return errno;
        return 0;
    }
};

// A save killed in the moment between naming its file and renaming it
// leaves the temporary name behind. A file that no save holds any more
// (whatever machine or container it ran in) goes, once it is old enough
// not to be one that a save has just made and not yet marked.
void RemoveAbandoned(int folder)
{
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        Descriptor file;
        file.fd = ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat st {};
        if (file.fd >= 0 && ::fstat(file.fd, &st) == 0 &&
            ::time(nullptr) - st.st_mtime >= kAbandonedAfterSeconds && Claim(file.fd, F_RDLCK))
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(dir);
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

// The value of an extended attribute; nullopt where the file has none.
std::optional<std::vector<char>> Attribute(const fs::path& file, const char* name)
{
    for (;;) {
        const ssize_t size = ::getxattr(file.c_str(), name, nullptr, 0);
        std::vector<char> value(size > 0 ? static_cast<std::size_t>(size) : 0);
        if (size >= 0 && ::getxattr(file.c_str(), name, value.data(), value.size()) == size)
            return value;
        if (size < 0 || errno != ERANGE)  // else it grew meanwhile: again
            return std::nullopt;
    }
}

// Gives the new file what the replaced one had: owner and group where
// allowed, its permissions but never set-id bits, its access control list
// and, where the file system takes them, its other extended attributes.
// Empty, or why the save must not go on.
std::string KeepRights(int fd, const fs::path& old, const struct stat& was)
{
    if (::fchown(fd, was.st_uid, was.st_gid) != 0)
        (void)!::fchown(fd, static_cast<uid_t>(-1), was.st_gid);  // a member keeps the group
    struct stat now {};
    ::fstat(fd, &now);
    const mode_t mode = was.st_mode & 0777;
    // A new owner gets the owner's rights, a new group the group's; either
    // may be more than they had.
    const mode_t had = (::access(old.c_str(), R_OK) == 0 ? 4 : 0) |
                       (::access(old.c_str(), W_OK) == 0 ? 2 : 0) |
                       (::access(old.c_str(), X_OK) == 0 ? 1 : 0);
    if ((now.st_uid != was.st_uid && ((mode >> 6) & ~had)) ||
        (now.st_gid != was.st_gid && ((mode >> 3) & ~mode & 7)))
        return std::string(messages::kRightsNotKept);
    if (::fchmod(fd, mode) != 0)
        return Reason(errno);

    // The list of who may do what: the old file's, or none, even where the
    // folder would hand a new file one of its own. Without its list, the
    // file's group bits, which are the list's mask, would open it to its
    // whole group. A list that cannot be read cannot be kept either.
    if (const auto acl = Attribute(old, kAclAttribute)) {
        if (::fsetxattr(fd, kAclAttribute, acl->data(), acl->size(), 0) != 0)
            return std::string(messages::kAclNotKept);
    } else if ((errno != ENODATA && errno != ENOTSUP) ||
               (::fremovexattr(fd, kAclAttribute) != 0 && errno != ENODATA && errno != ENOTSUP)) {
        return std::string(messages::kAclNotKept);
    }

    const auto names = [&] {
        const ssize_t size = ::listxattr(old.c_str(), nullptr, 0);
        std::vector<char> all(size > 0 ? static_cast<std::size_t>(size) : 0);
        return size > 0 && ::listxattr(old.c_str(), all.data(), all.size()) == size
                   ? all
                   : std::vector<char>();
    }();
    for (std::size_t at = 0; at < names.size(); at += std::strlen(&names[at]) + 1)
        if (const auto value = Attribute(old, &names[at]);
            value && std::strcmp(&names[at], kAclAttribute) != 0)
            (void)!::fsetxattr(fd, &names[at], value->data(), value->size(), 0);
    return {};
}

}  // namespace

std::optional<std::string> RefusedName(const fs::path& target)
{
    // "C:\..." or "C:/...": meant for Windows, where the letter names a drive.
    // Here it would make a file of that odd name in the current folder.
    const std::string& s = target.native();
    if (s.size() >= 3 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':' &&
        (s[2] == '\\' || s[2] == '/'))
        return std::string(messages::kWindowsPath);
    return std::nullopt;
}

WriteResult WriteReplacing(std::string_view path, const fs::path& named, std::string_view text)
{
    fs::path target;
    if (const int err = Resolve(named, target))
        return Failure(path, Reason(err));
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return Failure(path, Reason(errno));
    if (exists && !S_ISREG(old.st_mode))
        return Failure(path, NotAFile(old.st_mode));
    // Replacing by rename would get past a write-protected file; refuse as
    // opening it for writing would.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return Failure(path, errno == EACCES ? std::string(messages::kReadOnly) : Reason(errno));

    Descriptor folder;
    folder.fd = ::open(FolderOf(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd < 0)
        return Failure(path, errno == ENOENT ? messages::FolderMissing(ShownFolder(named))
                                             : Reason(errno));
    RemoveAbandoned(folder.fd);
    TemporaryFile temp{folder.fd, -1, {}};
    if (const int err = temp.Open()) {
        if (err == EACCES || err == EPERM || err == EROFS)
            return Failure(path, messages::FolderNotWritable(ShownFolder(named)));
        if (!exists || PlainWords(err))
            return Failure(path, Reason(err));
        return Failure(path, std::string(messages::kNoRoomBeside) + " (" + Reason(err) + ")");
    }
    if (exists) {
        if (const std::string refused = KeepRights(temp.fd, target, old); !refused.empty())
            return Failure(path, refused);
    }
    if (!WriteAll(temp.fd, text) || !WriteAll(temp.fd, kFileEnd) || ::fsync(temp.fd) != 0)
        return Failure(path, Reason(errno));
    if (const int err = temp.Commit(target.filename().string(), exists))
        return Failure(path, Reason(err));

    // Make the new name itself durable; the file is complete either way.
    Descriptor durable;
    durable.fd = ::openat(folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (durable.fd >= 0)
        ::fsync(durable.fd);
    return {true, {}};
}

}  // namespace patch::detail
