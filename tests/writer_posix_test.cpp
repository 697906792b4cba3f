// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on systems with POSIX files: modes, owners, links,
// special files, and failures of the real file system.

#include "writer_fixture.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace {

mode_t ModeOf(const fs::path& p)
{
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Runs `check` in a child as an unprivileged user when we are root, who may
// write anything.
bool AsUnprivileged(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && check() ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(Writer, KeepsThePermissionsButNeverSetIdBits)
{
    const fs::path target = dir_ / "out.vkp";
    for (const auto& [before, after] : {std::pair{0640u, 0640u}, std::pair{06755u, 0755u}}) {
        Put(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), before), 0);
        ASSERT_TRUE(Save(target, "new").ok);
        EXPECT_EQ(ModeOf(target), after) << std::oct << before;
    }
}

TEST_F(Writer, WritesThroughAChainOfFortyLinks)
{
    Put(dir_ / "real.vkp", "old");
    fs::create_symlink("real.vkp", dir_ / "link0");
    for (int i = 1; i < 40; ++i)
        fs::create_symlink("link" + std::to_string(i - 1), dir_ / ("link" + std::to_string(i)));
    ASSERT_TRUE(Save(dir_ / "link39", "new").ok);
    EXPECT_EQ(Read(dir_ / "real.vkp"), "new\r\n");
    for (int i = 0; i < 40; ++i)
        EXPECT_TRUE(fs::is_symlink(dir_ / ("link" + std::to_string(i)))) << i;
    EXPECT_EQ(Listing(dir_).size(), 41u);
}

TEST_F(Writer, ALoopOfLinksIsReportedAndKept)
{
    fs::create_symlink("b.vkp", dir_ / "a.vkp");
    fs::create_symlink("a.vkp", dir_ / "b.vkp");
    const patch::WriteResult r = Save(dir_ / "a.vkp", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(std::strerror(ELOOP)), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_symlink(dir_ / "a.vkp") && fs::is_symlink(dir_ / "b.vkp"));
}

TEST_F(Writer, APipeThatNobodyReadsFailsAtOnce)
{
    ASSERT_EQ(::mkfifo((dir_ / "pipe.vkp").c_str(), 0600), 0);
    const patch::WriteResult r = Save(dir_ / "pipe.vkp", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("nothing is reading from that pipe"), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_fifo(dir_ / "pipe.vkp"));
}

// Nodes of the test's own, never the machine's: a fault must not replace them.
TEST_F(Writer, ADeviceIsWrittenInPlaceAndItsErrorsReported)
{
    if (::mknod((dir_ / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod((dir_ / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "cannot make device nodes here: " << std::strerror(errno);
    EXPECT_TRUE(Save(dir_ / "null", "text").ok);
    const patch::WriteResult r = Save(dir_ / "full", "text");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(std::strerror(ENOSPC)), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_character_file(dir_ / "null") && fs::is_character_file(dir_ / "full"));
    EXPECT_EQ(Listing(dir_).size(), 2u);
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
        EXPECT_TRUE(AsUnprivileged([&] {
            const patch::WriteResult r = Save(target, "new");
            return !r.ok && r.message.find(std::strerror(EACCES)) != std::string::npos;
        })) << target;
    EXPECT_EQ(Read(dir_ / "protected.vkp"), "old");
    EXPECT_EQ(Read(closed / "open.vkp"), "kept");
    EXPECT_EQ(Listing(closed), std::set<std::string>{"open.vkp"});
    EXPECT_EQ(Listing(dir_), (std::set<std::string>{"closed", "protected.vkp"}));
}

TEST_F(Writer, TheDefaultPathIsAPlainNameHere)
{
    const fs::path old = fs::current_path();
    fs::current_path(dir_);
    const patch::WriteResult r = patch::WritePatchFile("C:\\windows\\plocha\\Varnel.vkp", "x");
    fs::current_path(old);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"C:\\windows\\plocha\\Varnel.vkp"});
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
