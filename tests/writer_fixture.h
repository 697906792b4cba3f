// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The writer's tests run in a folder of their own, their working folder for
// the time, and removed afterwards. A case is a row: how to set the folder
// up, the path to save to (relative), and what must hold afterwards.

#include "row_name.h"
#include "writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

std::string Read(const fs::path& p);
void Put(const fs::path& p, const std::string& bytes);
// Every entry below `folder`: regular files by content, the rest by kind.
std::map<std::string, std::string> Snapshot(const fs::path& folder = ".");

// Who saves: this process, another user, another user in the test's group,
// or this user where the system gives no unnamed files (no /proc to name
// them by), so that temporary files have names while they are written.
enum class User { Self, Other, GroupMember, Named };
// Runs `save` as `user`, bounded in time; true when it returned true.
bool As(User user, const std::function<bool()>& save);
// Whether this system's own wording of a failure is known to the tests.
extern const bool kSystemWordsKnown;

struct Case {
    const char* name;
    std::function<bool()> setUp;  // false: the case cannot be made here
    std::string path;
    std::string outcome;  // saved: the file's new content; else the reason
    bool saved = false;
    User user = User::Self;
    std::function<void()> check = {};  // what else must hold afterwards
};
VARNEL_PRINT_ROW_AS_NAME(Case)

class Writer : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    fs::path home_, dir_;
};
