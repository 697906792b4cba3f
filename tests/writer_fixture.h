// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The writer's tests save in folders of their own. Beside the target stand
// files of the user's, old enough to pass for a save's abandoned temporary
// file and some named almost like one, that every save must leave alone.

#include "messages.h"
#include "writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;
namespace words = patch::messages;

std::string Read(const fs::path& p);
void Put(const fs::path& p, const std::string& bytes);
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
    const char* name;
    std::function<bool()> setUp;
    std::string path;
    std::string outcome;  // the reason it is refused, or where it lands ("": at path)
    bool saved = false;
    User user = User::Self;
    std::function<void()> tearDown = {};  // what lets the folder go again
};
// Each system's own rows, and whether its own wording of a failure is known.
extern const std::vector<Case> kSystemCases;
extern const bool kSystemWordsKnown;
// Runs `save` as `user` (where this system has no such user, as this one);
// true when it returned true.
bool As(User user, const std::function<bool()>& save);
