// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on systems with POSIX files: special files, links,
// owners and rights, kills, and failures of the real file system.

#include "row_name.h"
#include "writer_fixture.h"

#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>

namespace {

constexpr gid_t kGroup = 4242;  // a group of the test's own
constexpr uid_t kUser = 65534;

struct stat Stat(const fs::path& p)
{
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st;
}

// Runs `check` in a child as another user, a member of `groups`, when we
// are root (who may write anything); else as ourselves.
bool AsUser(const std::function<bool()>& check, std::vector<gid_t> groups = {})
{
    if (::geteuid() != 0)
        return check();
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(::setgroups(groups.size(), groups.data()) == 0 && ::setgid(kUser) == 0 &&
                        ::setuid(kUser) == 0 && check()
                    ? 0
                    : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool Refused(const fs::path& target, const std::string& reason)
{
    const patch::WriteResult r = patch::WritePatchFile(target.u8string(), "new");
    return !r.ok && r.message.find(reason) != std::string::npos;
}

TEST_F(Writer, KeepsThePermissionsButNeverSetIdBits)
{
    const fs::path target = dir_ / "out.vkp";
    for (const auto& [before, after] : {std::pair{0640u, 0640u}, std::pair{06755u, 0755u}}) {
        Put(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), before), 0);
        ASSERT_TRUE(Save(target, "new").ok);
        EXPECT_EQ(Stat(target).st_mode & 07777, after) << std::oct << before;
    }
}

struct Chain {
    const char* name;
    int links;
    bool fileThere;  // else the last link names a file still to be made
    bool loop;
    bool saved;
};
VARNEL_PRINT_ROW_AS_NAME(Chain)

class WriterLinks : public Writer, public ::testing::WithParamInterface<Chain> {};

// Links are followed as the system follows them, as far as it goes.
TEST_P(WriterLinks, AreFollowedAsFarAsTheSystemGoes)
{
    const Chain& c = GetParam();
    if (c.fileThere)
        Put(dir_ / "real.vkp", "old");
    fs::create_symlink(c.loop ? "link" + std::to_string(c.links - 1) : "real.vkp", dir_ / "link0");
    for (int i = 1; i < c.links; ++i)
        fs::create_symlink("link" + std::to_string(i - 1), dir_ / ("link" + std::to_string(i)));
    const std::set<std::string> before = Listing(dir_);
    const patch::WriteResult r = Save(dir_ / ("link" + std::to_string(c.links - 1)), "new");
    EXPECT_EQ(r.ok, c.saved) << r.message;
    if (c.saved)
        EXPECT_EQ(Read(dir_ / "real.vkp"), "new\r\n");
    else
        EXPECT_NE(r.message.find(std::strerror(ELOOP)), std::string::npos) << r.message;
    for (int i = 0; i < c.links; ++i)
        EXPECT_TRUE(fs::is_symlink(dir_ / ("link" + std::to_string(i)))) << i;
    EXPECT_EQ(Listing(dir_).size(), before.size() + (c.saved && !c.fileThere));
}

INSTANTIATE_TEST_SUITE_P(Chains, WriterLinks,
                         ::testing::Values(Chain{"FortyLinks", 40, true, false, true},
                                           Chain{"FortyOneLinks", 41, true, false, false},
                                           Chain{"ToAFileStillToBeMade", 40, false, false, true},
                                           Chain{"FortyOneToAFileStillToBeMade", 41, false, false,
                                                 false},
                                           Chain{"ALoop", 2, false, true, false}),
                         RowName());

// Only regular files are replaced; nothing else is even opened, so a pipe
// whose reader stalls cannot freeze the window (the alarm ends a test that
// hangs). Device nodes are the test's own, never the machine's.
TEST_F(Writer, RefusesEveryTargetThatIsNotAFile)
{
    ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
    const int reader = ::open((dir_ / "pipe").c_str(), O_RDONLY | O_NONBLOCK);  // never reads
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, (dir_ / "socket").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::vector<std::pair<fs::path, std::string>> targets{
        {dir_ / "pipe", "a named pipe, not a file"}, {dir_ / "socket", "a socket, not a file"}};
    if (::mknod((dir_ / "tty").c_str(), S_IFCHR | 0666, makedev(5, 0)) == 0 &&
        ::mknod((dir_ / "disk").c_str(), S_IFBLK | 0666, makedev(7, 0)) == 0)
        targets.insert(targets.end(), {{dir_ / "tty", "a device, not a file"},
                                       {dir_ / "disk", "a device, not a file"}});
    ::alarm(10);
    for (const auto& [target, reason] : targets)
        EXPECT_TRUE(Refused(target, reason)) << target;
    ::alarm(0);
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe") && fs::is_socket(dir_ / "socket"));
    EXPECT_EQ(Listing(dir_).size(), targets.size());
    ::close(reader);
    ::close(sock);
}

// A group member saves a group's file: the group keeps it. Where the owner
// cannot be kept and the saver would gain the owner's rights, nothing changes.
TEST_F(Writer, KeepsTheGroupOrRefusesWhenSomeoneWouldGainRights)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to play two users";
    ASSERT_EQ(::chown(dir_.c_str(), 0, kGroup), 0);
    ASSERT_EQ(::chmod(dir_.c_str(), 0775), 0);
    for (const auto& [mode, saved] : {std::pair{0664u, true}, std::pair{0764u, false}}) {
        const fs::path target = dir_ / ("shared" + std::to_string(mode));
        Put(target, "old");
        ASSERT_EQ(::chown(target.c_str(), 0, kGroup), 0);
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        EXPECT_TRUE(AsUser(
            [&] {
                return saved ? Save(target, "new").ok
                             : Refused(target, "someone would gain rights");
            },
            {kGroup}))
            << std::oct << mode;
        EXPECT_EQ(Read(target), saved ? "new\r\n" : "old");
        EXPECT_EQ(Stat(target).st_gid, kGroup);
        EXPECT_EQ(Stat(target).st_mode & 0777, mode);
    }
    EXPECT_EQ(Listing(dir_).size(), 2u);
}

TEST_F(Writer, KeepsExtendedAttributesAndTheAccessControlList)
{
    const fs::path target = dir_ / "out.vkp";
    Put(target, "old");
    if (::setxattr(target.c_str(), "user.varnel", "kept", 4, 0) != 0 ||
        std::system(("setfacl -m u:65534:r " + target.string() + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "no extended attributes or access control lists here";
    const std::string acl = "getfacl -cpn " + target.string() + " 2>/dev/null";
    const auto output = [](const std::string& command) {
        std::string out(4096, '\0');
        FILE* p = ::popen(command.c_str(), "r");
        out.resize(std::fread(out.data(), 1, out.size(), p));
        ::pclose(p);
        return out;
    };
    const std::string before = output(acl);
    ASSERT_TRUE(Save(target, "new").ok);
    EXPECT_EQ(output(acl), before);
    EXPECT_NE(before.find("user:65534:r--"), std::string::npos) << before;
    char value[8] = {};
    EXPECT_EQ(::getxattr(target.c_str(), "user.varnel", value, sizeof value), 4);
    EXPECT_STREQ(value, "kept");
}

// A save killed at any moment leaves the old or the new file, whole. Its
// content has no name until the very last moment, and the rare temporary
// name left from that moment goes with the next save in the folder.
TEST_F(Writer, AKilledSaveLeavesNothingBehind)
{
    const fs::path target = dir_ / "out.vkp";
    const std::string oldText(50000, 'o'), newText(60000, 'n');
    Put(target, oldText);
    std::mt19937 random(std::random_device{}());
    int leftBehind = 0;
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t pid = ::fork();
        if (pid == 0)
            for (;;)
                Save(target, newText);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string now = Read(target);
        ASSERT_TRUE(now == oldText || now == newText + "\r\n") << now.size();
        leftBehind += Listing(dir_).size() > 1;
    }
    EXPECT_LE(leftBehind, 25);  // named for the whole write, most would be
    const std::string live = ".varnel-" + std::to_string(::getpid()) + "-9.tmp";
    Put(dir_ / live, "a save in progress");
    Put(dir_ / ".varnel-1x.tmp", "not ours");
    ASSERT_TRUE(Save(target, "x").ok);
    EXPECT_EQ(Listing(dir_), (std::set<std::string>{"out.vkp", live, ".varnel-1x.tmp"}));
}

// A file with another name keeps the old content there; the named one is new.
TEST_F(Writer, AHardLinkKeepsTheOldContentUnderItsOtherName)
{
    Put(dir_ / "a.vkp", "old");
    fs::create_hard_link(dir_ / "a.vkp", dir_ / "b.vkp");
    ASSERT_TRUE(Save(dir_ / "a.vkp", "new").ok);
    EXPECT_EQ(Read(dir_ / "a.vkp"), "new\r\n");
    EXPECT_EQ(Read(dir_ / "b.vkp"), "old");
}

// A name as long as a path may be, with no room for a longer temporary one.
TEST_F(Writer, ReplacesAFileAtTheLongestPath)
{
    fs::path target = dir_;
    while (target.native().size() < 4095 - 256)
        target /= std::string(200, 'd');
    fs::create_directories(target);
    target /= std::string(4094 - target.native().size() - 1, 'f');
    ASSERT_EQ(target.native().size(), 4094u);
    Put(target, "old");
    ASSERT_EQ(Read(target), "old");
    const patch::WriteResult r = Save(target, "new");
    ASSERT_TRUE(r.ok) << r.message.substr(r.message.size() - 80);
    EXPECT_EQ(Read(target), "new\r\n");
    EXPECT_EQ(Listing(target.parent_path()).size(), 1u);
}

TEST_F(Writer, NoPermissionIsReportedAndChangesNothing)
{
    fs::permissions(dir_, fs::perms::all);
    Put(dir_ / "protected.vkp", "old");
    ::chmod((dir_ / "protected.vkp").c_str(), 0444);
    const fs::path closed = dir_ / "closed";
    fs::create_directory(closed);
    // A writable file in a closed folder cannot be replaced either.
    Put(closed / "open.vkp", "kept");
    ::chmod((closed / "open.vkp").c_str(), 0666);
    ::chmod(closed.c_str(), 0755);

    for (const fs::path& target : {dir_ / "protected.vkp", closed / "new.vkp", closed / "open.vkp"})
        EXPECT_TRUE(AsUser([&] { return Refused(target, std::strerror(EACCES)); })) << target;
    EXPECT_EQ(Read(dir_ / "protected.vkp"), "old");
    EXPECT_EQ(Read(closed / "open.vkp"), "kept");
    EXPECT_EQ(Listing(closed), std::set<std::string>{"open.vkp"});
    EXPECT_EQ(Listing(dir_), (std::set<std::string>{"closed", "protected.vkp"}));
}

// A drive letter names no folder here: refused, not made a file of that
// odd name in the current folder. Without the slash it is just a name.
TEST_F(Writer, AWindowsDrivePathIsRefusedHere)
{
    const fs::path old = fs::current_path();
    fs::current_path(dir_);
    for (const char* path : {"C:\\windows\\plocha\\Varnel.vkp", "d:/Varnel.vkp"})
        EXPECT_EQ(patch::WritePatchFile(path, "x").message,
                  std::string("The patch could not be saved to \"") + path +
                      "\": it is a Windows path, which names no folder on this system.");
    const bool plain = patch::WritePatchFile("C:Varnel.vkp", "x").ok;
    fs::current_path(old);
    EXPECT_TRUE(plain);
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"C:Varnel.vkp"});
}

// A real full disk: a tiny tmpfs. Needs the right to mount; skipped without it.
TEST_F(Writer, AFullDiskKeepsTheOldFileAndLeavesNoTemporary)
{
    const fs::path mnt = dir_ / "small";
    fs::create_directory(mnt);
    if (::mount("tmpfs", mnt.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount {
        const fs::path& p;
        ~Unmount() { ::umount(p.c_str()); }
    } unmount{mnt};

    Put(mnt / "out.vkp", "old patch");
    const patch::WriteResult r = Save(mnt / "out.vkp", std::string(256 * 1024, 'F'));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(std::strerror(ENOSPC)), std::string::npos) << r.message;
    EXPECT_EQ(Read(mnt / "out.vkp"), "old patch");
    EXPECT_EQ(Listing(mnt), std::set<std::string>{"out.vkp"});
}

}  // namespace
