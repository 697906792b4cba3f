// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every system call that a save makes fails in turn, at each of its calls,
// under strace, or the save is killed there. Whatever fails, the save either
// reports success with the new content in place, or gives the cause of the
// call that failed and leaves the old file as it was; either way nothing
// else is left in the folder.

#include "writer_fixture.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>

namespace {

constexpr gid_t kGroup = 4242;
constexpr uid_t kUser = 65534;
const bool kRoot = ::geteuid() == 0;

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

// Group, rights, access control list and the user's attribute of a file.
std::string RightsOf(const fs::path& file)
{
    struct stat st {};
    ::stat(file.c_str(), &st);
    char value[8] = {};
    ::getxattr(file.c_str(), "user.varnel", value, sizeof value - 1);
    return std::to_string(st.st_gid) + " " + std::to_string(st.st_mode) + " " + value + "\n" +
           Shell("getfacl -cpn '" + file.string() + "'");
}

// A kind of save: with a named temporary file (as where /proc is missing)
// or an unnamed one; replacing no file (0), a file in a folder that gives new
// files a list of their own (1), or one with a list, an attribute and, where
// root can give it, an owner of its own (2).
struct Kind {
    bool named;
    int old;
};
void PrintTo(const Kind& kind, std::ostream* out)
{
    *out << (kind.named ? "named, old " : "unnamed, old ") << kind.old;
}

}  // namespace

class FaultInjection : public testing::TestWithParam<Kind> {};

TEST_P(FaultInjection, EveryFailingCallKeepsTheSavesPromise)
{
    const auto [named, old] = GetParam();
    const fs::path dir =
                       fs::temp_directory_path() / ("varnel-faults-" + std::to_string(::getpid())),
                   trace = dir / "trace", folder = dir / "save", target = folder / "out.vkp";
    const std::shared_ptr<void> tidy(nullptr,
                                     [&](void*) { fs::remove_all(dir); });  // however it ends
    const std::string text(3000, 'n');
    const mode_t mask = ::umask(0);
    ::umask(mask);
    std::string rights;
    const auto reset = [&, old = old] {  // the folder as the user left it
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
    // The driver prints the cause and the system's code of a failed save.
    std::string out;
    int done = 0;
    const auto save = [&, named = named](const std::string& strace) {
        // LeakSanitizer cannot work under strace; the other tests look for leaks.
        out = Shell("ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0 strace -qq -o '" + trace.string() +
                        "' " + strace + " '" + VARNEL_SAVE_DRIVER + "' " +
                        (named ? "--named '" : "'") + target.string() + "' " + text,
                    &done);
    };
    reset();
    save("");
    if (done == 127 || !fs::exists(trace))
        GTEST_SKIP() << "strace cannot trace here: " << out;
    if (done == 77)
        GTEST_SKIP() << "named temporary files need root and a mount namespace: " << out;
    ASSERT_EQ(done, 0) << out;
    struct stat st {};
    EXPECT_EQ(::stat(target.c_str(), &st) == 0 ? st.st_uid : 0,
              old == 2 && kRoot ? kUser : ::geteuid());
    EXPECT_EQ(old ? RightsOf(target) : "", rights);

    // The save's calls, each by its number from the program's start as
    // strace counts them, between the driver's two marks; but for the memory
    // allocator's, whose failure ends any program.
    std::vector<std::pair<std::string, int>> calls;
    std::map<std::string, int> seen;
    std::istringstream lines(Read(trace));
    for (std::string line, call; std::getline(lines, line);)
        if (const int n = ++seen[call = line.substr(0, line.find('('))];
            seen["getppid"] == 1 && call != "getppid" && call != "brk" &&
            call.find("map") == call.npos)
            calls.emplace_back(call, n);
    int injected = 0;
    for (const auto& [call, n] : calls)
        for (const auto& [fault, error] : std::map<std::string, int>{{"error=EIO", EIO},
                                                                     {"error=ENOSPC", ENOSPC},
                                                                     {"error=EINTR", EINTR},
                                                                     {"signal=SIGKILL", 0}}) {
            if (fault == "error=EINTR" && call != "write")
                continue;  // only an interrupted write is the save's to go on with
            const std::string what = call + " #" + std::to_string(n) + " " + fault + ": ";
            auto expected = reset();
            save("-e trace=" + call + " -e inject=" + call + ":" + fault +
                 ":when=" + std::to_string(n));
            const std::string log = Read(trace);
            if (log.find("INJECTED") == log.npos && log.find("killed by") == log.npos)
                continue;  // a call that only the untouched save made
            ++injected;
            if (fault == "signal=SIGKILL") {
                // The old file or the new, whole; what the killed save left
                // goes with the next one, once no longer new.
                const std::string now = Read(target);
                EXPECT_TRUE(now == text + "\r\n" ||
                            (now == (old ? "old" : "") && fs::exists(target) == (old > 0)))
                    << what;
                for (const auto& [name, content] : Snapshot(folder))
                    fs::last_write_time(folder / name, fs::last_write_time(folder / name) -
                                                           std::chrono::minutes(1));
                expected.erase(kJustMade);
                const patch::WriteResult r = patch::WritePatchFile(target.string(), text);
                done = r.ok() ? 0 : 1;
                out = std::to_string(int(r.cause)) + " " + std::to_string(r.code);
            }
            if (done == 0) {
                expected["out.vkp"] = text + "\r\n";
                struct stat now {};
                ::stat(target.c_str(), &now);
                EXPECT_EQ(old ? RightsOf(target) : "", rights) << what;
                EXPECT_TRUE(old || (now.st_mode & 07777) == (0666 & ~mask)) << what;
            } else {
                // The cause: the failed call's error, in plain words where the
                // program has them (beside an old file: why none can replace
                // it); or, where it was a call that keeps rights, those rights.
                int cause = -1, code = -1;
                std::istringstream(out) >> cause >> code;
                const bool keeps = call == "fchown" || call == "access",
                           list = call.find("xattr") != call.npos;
                const Cause c = Cause(cause);
                EXPECT_TRUE(
                    done == 1 && error != EINTR &&
                    ((code == error && (c == Cause::kSystem || (old && c == Cause::kNoRoomBeside) ||
                                        (error == ENOSPC && c == Cause::kDiskFull) ||
                                        (list && c == Cause::kAclNotKept))) ||
                     (keeps && c == Cause::kRightsNotKept)))
                    << what << out;
            }
            EXPECT_EQ(Snapshot(folder), expected) << what << out;
        }
    EXPECT_GT(injected, 20);
}

INSTANTIATE_TEST_SUITE_P(, FaultInjection,
                         testing::Values(Kind{false, 0}, Kind{false, 1}, Kind{false, 2},
                                         Kind{true, 0}, Kind{true, 1}, Kind{true, 2}),
                         [](const testing::TestParamInfo<Kind>& kind) {
                             return std::string(kind.param.named ? "Named" : "Unnamed") +
                                    "TemporaryFile_OldFile" + std::to_string(kind.param.old);
                         });
