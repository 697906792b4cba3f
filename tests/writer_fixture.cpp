// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer_fixture.h"

#include <chrono>

std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> all;
    for (auto i = fs::recursive_directory_iterator(folder); i != fs::end(i); ++i) {
        const fs::file_status s = i->symlink_status();
        all[i->path().lexically_relative(folder).generic_u8string()] =
            fs::is_regular_file(s) ? Read(i->path()) : "kind " + std::to_string(int(s.type()));
    }
    return all;
}

std::map<std::string, std::string> FolderWithBystanders(const fs::path& folder)
{
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* name :
         {"bystander", ".varnel-1x.tmp", ".varnel--0.tmp", ".varnel-3-.tmp", ".varnel-4-0.tmpx",
          "varnel-5-0.tmp", ".varnel-6_0.tmp", "12-34.tmp"}) {
        Put(folder / name, "the user's own");
        fs::last_write_time(folder / name,
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    Put(folder / kJustMade, "another save's");
    return Snapshot(folder);
}
