// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on systems with POSIX files: special files, links,
// owners, rights and lists, a full disk, and every system call of a save
// failing in turn or killing it.

#include "writer_fixture.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <sstream>

const bool kSystemWordsKnown = true;

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

// What `command` prints, its errors included, and how it ended.
std::string Shell(const std::string& command, int* status = nullptr)
{
    std::string out(4096, '\0');
    FILE* p = ::popen((command + " 2>&1").c_str(), "r");
    out.resize(std::fread(out.data(), 1, out.size(), p));
    const int end = ::pclose(p);
    if (status)
        *status = WIFEXITED(end) ? WEXITSTATUS(end) : -1;
    return out;
}

// A file of root and the test's group, in a folder of the same, as root makes it.
bool Shared(mode_t mode, mode_t folder = 0775)
{
    return kRoot && File("shared.vkp", mode) && ::chown(".", 0, kGroup) == 0 &&
           ::chmod(".", folder) == 0 && ::chown("shared.vkp", 0, kGroup) == 0;
}

const std::string kGain = "its owner or group cannot be kept, and someone would gain rights to it";
const std::string kDrive = "it is a Windows path, which names no folder on this system";

// Group, rights and access control list of a file.
std::string RightsOf(const fs::path& file)
{
    struct stat st {};
    ::stat(file.c_str(), &st);
    return std::to_string(st.st_gid) + " " + std::to_string(st.st_mode) + "\n" +
           Shell("getfacl -cpn '" + file.string() + "'");
}

}  // namespace

// Device nodes are the test's own, never the machine's. A pipe has a reader
// that never reads.
// clang-format off
const std::vector<Case> kSystemCases = {
    {"FolderAsTarget", [] { return fs::create_directory("sub"); }, "sub", std::strerror(EISDIR)},
    {"ALinkToTheFile", [] { return File("real.vkp") && ::symlink("real.vkp", "link") == 0; }, "link", "real.vkp", true},
    {"TheDefaultWindowsPath", {}, "C:\\windows\\plocha\\Varnel.vkp", kDrive},
    {"ABareWindowsDrive", {}, "C:\\", kDrive},
    {"AWindowsPathWithSlashes", {}, "d:/Varnel.vkp", kDrive},
    {"ANamedPipe", [] { return ::mkfifo("pipe", 0600) == 0 && ::open("pipe", O_RDONLY | O_NONBLOCK) >= 0; }, "pipe",
     "it is a named pipe, not a file"},
    {"ATerminal", [] { return ::mknod("tty", S_IFCHR | 0666, makedev(5, 0)) == 0; }, "tty", "it is a device, not a file"},
    {"AFullDisk", [] { return File("out.vkp"); }, "out.vkp", std::strerror(EFBIG), false, User::SmallDisk},
    {"AReadOnlyFile", [] { return File("ro.vkp", 0444); }, "ro.vkp", std::string(words::kReadOnly), false, User::Other},
    {"AFolderOfAnother", [] { return kRoot && fs::create_directory("sub"); }, "sub/out.vkp",
     words::FolderNotWritable("sub"), false, User::Other},
    {"ASocket", [] { return ::mknod("socket", S_IFSOCK | 0600, 0) == 0; }, "socket", "it is a socket, not a file"},
    // The owner had a right that the saver has not; the group one that others have not.
    {"TheSaverWouldGainTheOwnersRights", [] { return Shared(0164); }, "shared.vkp", kGain, false, User::GroupMember},
    {"TheSaversGroupWouldGainTheGroupsRights", [] { return Shared(0212, 0777); }, "shared.vkp", kGain, false, User::Other},
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

// Every system call that a save makes fails in turn, at each of its calls,
// under strace, or the save is killed there. Whatever fails, the save either
// reports success with the new content in place, or names the path and a
// reason and leaves the old file as it was; either way nothing else is left
// in the folder. Saves are made with unnamed temporary files and, where root
// can take them away, with named ones.
TEST(FaultInjection, EveryFailingCallKeepsTheSavesPromise)
{
    const fs::path dir =
                       fs::temp_directory_path() / ("varnel-faults-" + std::to_string(::getpid())),
                   trace = dir / "trace", folder = dir / "save", target = folder / "out.vkp";
    const std::shared_ptr<void> tidy(nullptr,
                                     [&](void*) { fs::remove_all(dir); });  // however it ends
    const std::string text(3000, 'n'),
        head = "The patch could not be saved to \"" + target.string() + "\": ";
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int injected = 0, kinds = 0;
    // No old file; one in a folder that gives new files a list of their own;
    // one with a list, an attribute and, where root can give it, an owner of
    // its own. A replacing file has what the old one had, and no more; its
    // owner and other attributes, where they can be kept.
    for (const std::string named : {"", "--named"})
        for (const int old : {0, 1, 2}) {
            std::string rights;
            const auto reset = [&] {  // the folder as the user left it
                FolderWithBystanders(folder);
                if (old > 0) {
                    Put(target, "old");
                    fs::permissions(target, fs::perms(0640));
                    Shell("setfacl -d -m u:65534:rw '" + folder.string() + "'");
                }
                if (old == 2) {
                    Shell("setfacl -m u:65534:r '" + target.string() + "'");
                    ::setxattr(target.c_str(), "user.varnel", "kept", 4, 0);
                    (void)!(kRoot && ::chown(target.c_str(), kUser, kGroup));
                }
                rights = old ? RightsOf(target) : "";
                return Snapshot(folder);
            };
            std::string out;
            int done = 0;
            const auto save = [&](const std::string& strace) {
                // LeakSanitizer cannot work under strace; the other tests look for leaks.
                out = Shell("ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0 strace -qq -o '" +
                                trace.string() + "' " + strace + " '" + VARNEL_SAVE_DRIVER + "' " +
                                named + " '" + target.string() + "' " + text,
                            &done);
            };
            reset();
            save("");
            if (done == 127 || !fs::exists(trace))
                GTEST_SKIP() << "strace cannot trace here: " << out;
            if (done == 77)
                continue;  // said at the end
            ASSERT_EQ(done, 0) << out;
            char value[8] = {};
            struct stat st {};
            EXPECT_EQ(::getxattr(target.c_str(), "user.varnel", value, 8), old == 2 ? 4 : -1);
            EXPECT_EQ(::stat(target.c_str(), &st) == 0 ? st.st_uid : 0,
                      old == 2 && kRoot ? kUser : ::geteuid());
            ++kinds;
            // The save's calls, each by its number from the program's start
            // as strace counts them, between the driver's two marks; but for
            // the memory allocator's, whose failure ends any program.
            std::vector<std::pair<std::string, int>> calls;
            std::map<std::string, int> seen;
            std::istringstream lines(Read(trace));
            for (std::string line, call; std::getline(lines, line);)
                if (const int n = ++seen[call = line.substr(0, line.find('('))];
                    seen["getppid"] == 1 && call != "getppid" && call != "brk" &&
                    call.find("map") == call.npos)
                    calls.emplace_back(call, n);
            for (const auto& [call, n] : calls)
                for (const auto& [fault, error] :
                     std::map<std::string, int>{{"error=EIO", EIO},
                                                {"error=ENOSPC", ENOSPC},
                                                {"error=EINTR", EINTR},
                                                {"signal=SIGKILL", 0}}) {
                    if (fault == "error=EINTR" && call != "write")
                        continue;  // only an interrupted write is the save's to go on with
                    const std::string what = call + " #" + std::to_string(n) + " " + fault + " " +
                                             named + " old file " + std::to_string(old) + ": ";
                    auto expected = reset();
                    save("-e trace=" + call + " -e inject=" + call + ":" + fault +
                         ":when=" + std::to_string(n));
                    const std::string log = Read(trace);
                    if (log.find("INJECTED") == log.npos && log.find("killed by") == log.npos)
                        continue;  // a call that only the untouched save made
                    ++injected;
                    if (fault == "signal=SIGKILL") {
                        // The old file or the new, whole; what the killed save
                        // left goes with the next one, once no longer new.
                        const std::string now = Read(target);
                        EXPECT_TRUE(now == text + "\r\n" ||
                                    (now == (old ? "old" : "") && fs::exists(target) == (old > 0)))
                            << what;
                        for (const auto& [name, content] : Snapshot(folder))
                            fs::last_write_time(folder / name, fs::last_write_time(folder / name) -
                                                                   std::chrono::minutes(1));
                        expected.erase(kJustMade);
                        out = patch::WritePatchFile(target.string(), text).message;
                        done = out.empty() ? 0 : 1;
                    }
                    if (done == 0) {
                        expected["out.vkp"] = text + "\r\n";
                        EXPECT_EQ(out, "") << what;
                        struct stat now {};
                        ::stat(target.c_str(), &now);
                        EXPECT_EQ(old ? RightsOf(target) : "", rights) << what;
                        EXPECT_TRUE(old || (now.st_mode & 07777) == (0666 & ~mask)) << what;
                    } else {
                        // The reason: the system's for the call that failed, in
                        // plain words where the program has them (beside an old
                        // file: why none can replace it), or what could not be
                        // kept; never words meant for another cause.
                        const std::string plain =
                            error == ENOSPC ? std::string(words::kDiskFull) : std::strerror(error);
                        const std::set<std::string> reasons = {
                            plain + ".",
                            (old ? std::string(words::kNoRoomBeside) + " (" + plain + ")" : plain) +
                                ".",
                            std::string(words::kRightsNotKept) + ".",
                            std::string(words::kAclNotKept) + "."};
                        EXPECT_TRUE(done == 1 && error != EINTR && out.rfind(head, 0) == 0 &&
                                    reasons.count(out.substr(std::min(out.size(), head.size()))))
                            << what << out;
                    }
                    EXPECT_EQ(Snapshot(folder), expected) << what << out;
                }
        }
    EXPECT_GT(injected, 50);
    // Saves with named temporary files need root and a mount namespace.
    std::printf("%d failures injected into %d of 6 kinds of save\n", injected, kinds);
}
