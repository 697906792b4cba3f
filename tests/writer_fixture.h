// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The writer's tests save in folders of their own. Beside the target stand
// files of the user's, old enough to pass for a save's abandoned temporary
// file and some named almost like one, that every save must leave alone.

#include "files.h"
#include "messages.h"
#include "writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using patch::Cause;

// Every entry below `folder` by its path from there: regular files by
// content, the rest (links too) by kind.
std::map<std::string, std::string> Snapshot(const fs::path& folder = ".");
// Makes `folder` anew with the user's own files in it, and the temporary
// file that another save has only just made.
std::map<std::string, std::string> FolderWithBystanders(const fs::path& folder);
inline const std::string kJustMade = ".varnel-2-0.tmp";

// A row: how to set the folder up (false: it cannot be made here), the path
// to save to, who saves, and what must hold afterwards.
// Who saves: this process; another user, or one in the test's group; this
// user on a disk that takes only a few bytes more.
enum class User { Self, Other, GroupMember, SmallDisk };
struct Case {
    std::string name;
    std::function<bool()> setUp;
    std::string path;
    Cause cause = Cause::kSaved;
    std::string lands = "";  // where a save lands, when not at `path`
    User user = User::Self;
    std::function<void()> tearDown = {};  // what lets the folder go again
};
// A row is shown by the path it saves to.
inline void PrintTo(const Case& row, std::ostream* out)
{
    *out << '"' << row.path << '"';
}
// Each system's own rows.
extern const std::vector<Case> kSystemCases;
// Runs `save` as `user` (where this system has no such user, as this one);
// true when it returned true.
bool As(User user, const std::function<bool()>& save);
