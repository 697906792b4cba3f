// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times Varnel from process start to its first frame, and its peak memory,
// against a one-button window of the same size, alternating the two.
//
//   startup_bench [runs]        off screen (default 30 runs)
//   startup_bench --x11 [runs]  on the X server in DISPLAY, with its window
//                               manager: time until the window is mapped and
//                               painted, peak memory a moment later

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double ms;
    double mib;
};

bool RunOnce(const std::string& program, Sample& out)
{
    int pipefd[2];
    if (::pipe(pipefd) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipefd[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipefd[0]);
    // Qt's start-up chatter is not what is measured.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipefd[1]);
    if (rc != 0) {
        ::close(pipefd[0]);
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return false;
    }
    std::string seen;
    char buf[256];
    auto shown = start;
    for (ssize_t n; (n = ::read(pipefd[0], buf, sizeof buf)) > 0;) {
        seen.append(buf, static_cast<std::size_t>(n));
        if (seen.find("shown\n") != std::string::npos) {
            shown = std::chrono::steady_clock::now();
            break;
        }
    }
    ::close(pipefd[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (seen.find("shown\n") == std::string::npos) {
        std::fprintf(stderr, "%s ended without showing a frame\n", program.c_str());
        return false;
    }
    out.ms = std::chrono::duration<double, std::milli>(shown - start).count();
    out.mib = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string Beside(const char* self, const char* name)
{
    std::string dir(self);
    const std::size_t slash = dir.rfind('/');
    dir = slash == std::string::npos ? "." : dir.substr(0, slash);
    return dir + "/" + name;
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool x11 = argc > 1 && std::string(argv[1]) == "--x11";
    const int runs = argc > 1 + x11 ? std::max(1, std::atoi(argv[1 + x11])) : 30;
    ::setenv("QT_QPA_PLATFORM", x11 ? "xcb" : "offscreen", 1);
    if (x11)
        ::setenv("VARNEL_PROBE_LINGER_MS", "300", 1);
    const std::string programs[2] = {Beside(argv[0], "probe_varnel"),
                                     Beside(argv[0], "probe_baseline")};
    std::vector<double> ms[2], mib[2];

    // Two rounds to warm the file cache, then alternate, swapping who goes first.
    for (int i = -2; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const int which = (i + k) % 2 == 0 ? 0 : 1;
            Sample s{};
            if (!RunOnce(programs[which], s))
                return 1;
            if (i >= 0) {
                ms[which].push_back(s.ms);
                mib[which].push_back(s.mib);
            }
        }
    }
    const double t0 = Median(ms[0]), t1 = Median(ms[1]);
    const double m0 = Median(mib[0]), m1 = Median(mib[1]);
    std::printf("platform %s, %d runs each, medians\n", std::getenv("QT_QPA_PLATFORM"), runs);
    std::printf("  %-10s %8.1f ms to first frame %8.1f MiB peak\n", "Varnel", t0, m0);
    std::printf("  %-10s %8.1f ms to first frame %8.1f MiB peak\n", "one button", t1, m1);
    std::printf("  ratio      %8.2f x (goal 1.15)       %8.2f x (goal 1.08)\n", t0 / t1, m0 / m1);
    return 0;
}
