// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One save, as the window's Save makes it, for tests that watch its system
// calls: two calls of getppid() mark where the save begins and ends.
//   save_driver [--named] path text
// --named: as on a system without unnamed files (its own view of the mounts,
// with nothing at /proc), so that temporary files have names.
// Prints the cause and the system's code of a failure; exits 0 when saved,
// 1 when not, 77 when --named cannot be arranged here.

#include "writer.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    const bool named = argc == 4 && std::strcmp(argv[1], "--named") == 0;
    // The mount is made private first so that it stays this process's own.
    if (named && ::access("/proc/self/fd", X_OK) == 0 &&
        (::unshare(CLONE_NEWNS) != 0 ||
         ::mount(nullptr, "/proc", nullptr, MS_PRIVATE, nullptr) != 0 ||
         ::mount("none", "/proc", "tmpfs", 0, nullptr) != 0))
        return 77;
    ::getppid();
    const patch::WriteResult result = patch::WritePatchFile(argv[1 + named], argv[2 + named]);
    ::getppid();
    std::printf("%d %d", static_cast<int>(result.cause), result.code);
    return result.ok() ? 0 : 1;
}
