// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on systems with POSIX files: special files, links,
// owners and rights, kills, and failures of the real file system.

#include "writer_fixture.h"

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

const bool kSystemWordsKnown = true;

namespace {

constexpr gid_t kGroup = 4242;  // a group of the test's own
constexpr uid_t kUser = 65534;
// Who else may make a closed folder for another user, or take /proc away.
const bool kRoot = ::geteuid() == 0;
const std::string kNew = "new\r\n\r\r\n";

struct stat Of(const char* p)
{
    struct stat st {};
    ::stat(p, &st);
    return st;
}

bool File(const char* name, mode_t mode = 0644)
{
    Put(name, "old");
    return ::chmod(name, mode) == 0;
}

// A chain of `links` links to "real.vkp", the last named "link".
bool Chain(int links, bool fileThere)
{
    std::string to = "real.vkp";
    for (int i = 1; i < links; to = "link" + std::to_string(i++))
        fs::create_symlink(to, "link" + std::to_string(i));
    fs::create_symlink(to, "link");
    return !fileThere || File("real.vkp");
}

// A file of root and the test's group, in a folder of the same, as root makes it.
bool Shared(mode_t mode, mode_t folder = 0775)
{
    return kRoot && File("shared.vkp", mode) && ::chown(".", 0, kGroup) == 0 &&
           ::chmod(".", folder) == 0 && ::chown("shared.vkp", 0, kGroup) == 0;
}

// Takes unnamed files away from this process, as a system without them:
// a private view of the mounts, with nothing at /proc.
bool Unnamed()
{
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("none", "/proc", "tmpfs", 0, nullptr) == 0;
}

void UsualMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(Of("new.vkp").st_mode & 07777, 0666 & ~mask);
}

// What `command` prints; "" where it fails (no such tool, no lists here).
std::string Run(const std::string& command)
{
    std::string out(4096, '\0');
    FILE* p = ::popen((command + " 2>/dev/null").c_str(), "r");
    out.resize(std::fread(out.data(), 1, out.size(), p));
    return ::pclose(p) == 0 ? out : "";
}

bool Xattrs()
{
    return File("out.vkp") && ::setxattr("out.vkp", "user.varnel", "kept", 4, 0) == 0 &&
           Run("setfacl -m u:65534:r out.vkp && echo set") == "set\n";
}

void XattrsKept()
{
    char value[8] = {};
    EXPECT_NE(Run("getfacl -cpn out.vkp").find("user:65534:r--"), std::string::npos);
    EXPECT_EQ(::getxattr("out.vkp", "user.varnel", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
}

// As long as a path may be, so that no temporary name longer than its own
// fits; reached through a link, as a relative path could not.
bool Longest()
{
    fs::path folder = fs::absolute(".");
    while (folder.native().size() < 4094 - 300)
        folder /= std::string(200, 'd');
    fs::create_directories(folder);
    const fs::path file = folder / std::string(4094 - folder.native().size() - 1, 'f');
    fs::create_symlink(file, "long");
    return Put(file, "old"), file.native().size() == 4094;
}

// A real full disk: a tiny file system of the test's own.
bool Full()
{
    return fs::create_directory("small") && ::mount("tmpfs", "small", "tmpfs", 0, "size=8k") == 0 &&
           (Put("small/out.vkp", "old"), Put("small/filler", std::string(8192, 'x')), true);
}

const std::string kGain = "its owner or group cannot be kept, and someone would gain rights to it";
const std::string kDrive = "it is a Windows path, which names no folder on this system";
const std::string kDevice = "it is a device, not a file";
const std::string kNoRoom = "no new file can be made in its folder to replace it (" +
                            std::string(std::strerror(EACCES)) + ")";

// Device nodes are the test's own, never the machine's: a fault must not
// replace them. A pipe has a reader that never reads. Replacing a file
// needs a new one beside it, which a closed folder refuses.
// clang-format off
const Case kCases[] = {
    {"FortyLinksToAFileStillToBeMade", [] { return Chain(40, false); }, "link", kNew, true, User::Self,
     [] { EXPECT_EQ(Read("real.vkp"), kNew); }},
    {"FortyOneLinks", [] { return Chain(41, true); }, "link", std::strerror(ELOOP)},
    {"AHardLinkKeepsTheOldContent", [] { return File("a.vkp") && ::link("a.vkp", "b.vkp") == 0; }, "a.vkp", kNew, true,
     User::Self, [] { EXPECT_EQ(Read("b.vkp"), "old"); }},
    {"AGroupMemberKeepsTheGroup", [] { return Shared(0664); }, "shared.vkp", kNew, true, User::GroupMember,
     [] { EXPECT_TRUE(Of("shared.vkp").st_gid == kGroup && (Of("shared.vkp").st_mode & 0777) == 0664); }},
    {"TheSaverWouldGainTheOwnersRights", [] { return Shared(0764); }, "shared.vkp", kGain, false, User::GroupMember},
    {"TheSaversGroupWouldGainTheGroupsRights", [] { return Shared(0676, 0777); }, "shared.vkp", kGain, false, User::Other},
    {"KeepsAttributesAndAccessControlList", Xattrs, "out.vkp", kNew, true, User::Self, XattrsKept},
    // A new file takes the folder's default list; a replacing one must not.
    {"TakesNoListFromTheFolder", [] { return File("out.vkp", 0640) && Run("setfacl -d -m u:65534:rw . && echo set") == "set\n"; }, "out.vkp",
     kNew, true, User::Self, [] { EXPECT_EQ(Run("getfacl -cpn out.vkp"), "user::rw-\ngroup::r--\nother::---\n\n"); }},
    {"TheLongestPath", Longest, "long", kNew, true},
    {"ADriveLetterWithoutASlashIsAName", {}, "C:Varnel.vkp", kNew, true},
    {"AWindowsDrivePath", {}, "C:\\windows\\plocha\\Varnel.vkp", kDrive},
    {"AWindowsDrivePathWithSlashes", {}, "d:/Varnel.vkp", kDrive},
    {"ABareWindowsDrive", {}, "C:\\", kDrive},
    {"ANamedPipeWithAStalledReader", [] { return ::mkfifo("pipe", 0600) == 0 && ::open("pipe", O_RDONLY | O_NONBLOCK) >= 0; },
     "pipe", "it is a named pipe, not a file"},
    {"ASocket", [] { return ::mknod("socket", S_IFSOCK | 0600, 0) == 0; }, "socket", "it is a socket, not a file"},
    {"ATerminal", [] { return ::mknod("tty", S_IFCHR | 0666, makedev(5, 0)) == 0; }, "tty", kDevice},
    {"AReadOnlyFile", [] { return File("ro.vkp", 0444); }, "ro.vkp", std::strerror(EACCES), false, User::Other},
    {"AWritableFileInAClosedFolder", [] { return kRoot && fs::create_directory("closed") && File("closed/open.vkp", 0666); },
     "closed/open.vkp", kNoRoom, false, User::Other},
    {"ANewFileHasTheUsualMode", {}, "new.vkp", kNew, true, User::Self, UsualMode},
    {"ANewFileWithNamedTemporaryFiles", [] { return kRoot; }, "new.vkp", kNew, true, User::Named, UsualMode},
    {"AFullDiskWithNamedTemporaryFiles", [] { return kRoot && Full(); }, "small/out.vkp", std::strerror(ENOSPC), false,
     User::Named, [] { ::umount("small"); }},
    {"AFullDisk", Full, "small/out.vkp", std::strerror(ENOSPC), false, User::Self, [] { ::umount("small"); }},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Posix, Writer, ::testing::ValuesIn(kCases), RowName());

}  // namespace

bool As(User user, const std::function<bool()>& save)
{
    if (user == User::Self || !kRoot) {
        ::alarm(10);  // a save that blocks fails the test instead of hanging it
        const bool ok = save();
        ::alarm(0);
        return ok;
    }
    const pid_t pid = ::fork();
    if (pid == 0 && user == User::Named)
        ::_exit(Unnamed() && save() ? 0 : 1);
    if (pid == 0) {
        const gid_t groups[] = {kGroup};
        ::_exit(::setgroups(user == User::GroupMember, groups) == 0 && ::setgid(kUser) == 0 &&
                        ::setuid(kUser) == 0 && save()
                    ? 0
                    : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A save that another one overtakes keeps its temporary file, however long
// it takes: the other removes only what no save holds any more.
TEST(ConcurrentSaves, LeaveEachOthersTemporaryFilesAlone)
{
    if (!kRoot)
        GTEST_SKIP() << "needs root to take unnamed files away";
    const fs::path dir = fs::temp_directory_path() / ("varnel-both-" + std::to_string(::getpid()));
    fs::create_directory(dir);
    const std::string mine = (dir / "a.vkp").string(), theirs = (dir / "b.vkp").string();
    const pid_t pid = ::fork();
    if (pid == 0) {
        bool all = Unnamed();
        for (int i = 0; i < 300 && all; ++i)
            all = patch::WritePatchFile(theirs, std::string(100000, 'b')).ok;
        ::_exit(all ? 0 : 1);
    }
    std::mt19937 random(std::random_device{}());
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0 || WIFSTOPPED(status)) {
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 2000)(random));
        ::kill(pid, SIGSTOP);
        ::waitpid(pid, &status, WUNTRACED);
        for (const auto& entry : fs::directory_iterator(dir))  // a slow save, as it were
            if (entry.path().filename().string().rfind(".varnel-", 0) == 0 && entry.file_size() > 0)
                fs::last_write_time(entry, entry.last_write_time() - std::chrono::minutes(1));
        EXPECT_TRUE(patch::WritePatchFile(mine, "a").ok);
        ::kill(pid, SIGCONT);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Snapshot(dir).size(), 2u);
    fs::remove_all(dir);
}

// A save killed at any moment leaves the old or the new file, whole. Its
// content has no name until the very last moment; the rare temporary name
// left from that moment goes with a later save in the folder.
TEST(KilledSave, LeavesTheOldOrNewFileAndNothingElse)
{
    const fs::path dir = fs::temp_directory_path() / ("varnel-kill-" + std::to_string(::getpid()));
    fs::create_directory(dir);
    const std::string target = (dir / "out.vkp").string(), oldText(50000, 'o'), newText(60000, 'n');
    Put(target, oldText);
    std::mt19937 random(std::random_device{}());
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t pid = ::fork();
        if (pid == 0)
            for (;;)
                patch::WritePatchFile(target, newText);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string now = Read(target);
        ASSERT_TRUE(now == oldText || now == newText + "\r\n") << now.size();
    }
    EXPECT_LE(Snapshot(dir).size(), 26u);  // named for the whole write, most would be
    // A temporary file that a save still holds stays; one that none holds
    // goes, but not one just made; nor does a file that is not ours.
    const int held = ::open((dir / ".varnel-1-9.tmp").c_str(), O_CREAT | O_WRONLY, 0600);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(held, F_OFD_SETLK, &lock), 0);
    Put(dir / ".varnel-2-0.tmp", "abandoned");
    const char* others[] = {".varnel-1x.tmp",   ".varnel--0.tmp", ".varnel-3-.tmp",
                            ".varnel-4-0.tmpx", "varnel-5-0.tmp", "12-34.tmp"};
    for (const char* name : others)
        Put(dir / name, "not ours");
    // Later on, as it were: every file a minute older.
    for (const auto& [name, content] : Snapshot(dir))
        fs::last_write_time(name, fs::last_write_time(name) - std::chrono::minutes(1));
    Put(dir / ".varnel-3-0.tmp", "just made, not yet marked");
    ASSERT_TRUE(patch::WritePatchFile(target, "x").ok);
    ::close(held);
    EXPECT_FALSE(fs::exists(dir / ".varnel-2-0.tmp"));
    EXPECT_TRUE(fs::exists(dir / ".varnel-1-9.tmp") && fs::exists(dir / ".varnel-3-0.tmp"));
    EXPECT_EQ(Snapshot(dir).size(), 3u + std::size(others));  // and so all the others
    fs::remove_all(dir);
}
