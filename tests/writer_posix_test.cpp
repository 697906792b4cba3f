// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on systems with POSIX files: special files, links,
// owners and rights, a full disk.

#include "writer_fixture.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr gid_t kGroup = 4242;  // a group of the test's own
constexpr uid_t kUser = 65534;
// Who else may give files away, or make device nodes.
const bool kRoot = ::geteuid() == 0;

bool File(const char* name, mode_t mode = 0644)
{
    Put(name, "old");
    return ::chmod(name, mode) == 0;
}

// A file of root and the test's group, in a folder of the same, as root makes it.
bool Shared(mode_t mode, mode_t folder = 0775)
{
    return kRoot && File("shared.vkp", mode) && ::chown(".", 0, kGroup) == 0 &&
           ::chmod(".", folder) == 0 && ::chown("shared.vkp", 0, kGroup) == 0;
}

}  // namespace

// Device nodes are the test's own, never the machine's. A pipe has a reader
// that never reads.
// clang-format off
const std::vector<Case> kSystemCases = {
    {"QuotesAndSpacesAreAName", {}, " \"out.vkp\" "},
    {"ALinkToTheFile", [] { return File("real.vkp") && ::symlink("real.vkp", "link") == 0; }, "link", Cause::kSaved, "real.vkp"},
    {"ALinkToAFileStillToBeMade", [] { return ::symlink("new.vkp", "link") == 0; }, "link", Cause::kSaved, "new.vkp"},
    {"ALinkFromAnotherFolder", [] { return File("real.vkp") && fs::create_directory("sub") && ::symlink("../real.vkp", "sub/link") == 0; }, "sub/link", Cause::kSaved, "real.vkp"},
    {"ALoopOfLinks", [] { return ::symlink("a", "b") == 0 && ::symlink("b", "a") == 0; }, "a", Cause::kSystem},
    {"TheDefaultWindowsPath", {}, "C:\\windows\\plocha\\Varnel.vkp", Cause::kWindowsPath},
    {"ABareWindowsDrive", {}, "C:\\", Cause::kWindowsPath},
    {"AWindowsPathWithSlashes", {}, "d:/Varnel.vkp", Cause::kWindowsPath},
    {"ANamedPipe", [] { return ::mkfifo("pipe", 0600) == 0 && ::open("pipe", O_RDONLY | O_NONBLOCK) >= 0; }, "pipe", Cause::kPipe},
    {"ATerminal", [] { return ::mknod("tty", S_IFCHR | 0666, makedev(5, 0)) == 0; }, "tty", Cause::kDevice},
    {"ASocket", [] { return ::mknod("socket", S_IFSOCK | 0600, 0) == 0; }, "socket", Cause::kSocket},
    {"AFullDisk", [] { return File("out.vkp"); }, "out.vkp", Cause::kSystem, "", User::SmallDisk},
    {"AReadOnlyFile", [] { return File("ro.vkp", 0444); }, "ro.vkp", Cause::kReadOnly, "", User::Other},
    {"AFolderOfAnother", [] { return kRoot && fs::create_directory("sub"); }, "sub/out.vkp", Cause::kNoPermission, "", User::Other},
    // The owner had a right that the saver has not; the group one that others have not.
    {"TheSaverWouldGainTheOwnersRights", [] { return Shared(0164); }, "shared.vkp", Cause::kRightsNotKept, "", User::GroupMember},
    {"TheSaversGroupWouldGainTheGroupsRights", [] { return Shared(0212, 0777); }, "shared.vkp", Cause::kRightsNotKept, "", User::Other},
    // The saver, in the group, has every right that the owner had: it may own the file.
    {"AGroupMemberTakesOverAFileOfTheGroup", [] { return Shared(0660); }, "shared.vkp", Cause::kSaved, "", User::GroupMember},
};
// clang-format on

bool As(User user, const std::function<bool()>& save)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(10);  // a save that blocks fails the test instead of hanging it
        const gid_t groups[] = {kGroup};
        const rlimit few = {4, 4};
        const bool ready =
            user == User::SmallDisk
                ? ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &few) == 0
                : user == User::Self || !kRoot ||
                      (::setgroups(user == User::GroupMember, groups) == 0 &&
                       ::setgid(kUser) == 0 && ::setuid(kUser) == 0);
        ::_exit(ready && save() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
