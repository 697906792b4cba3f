// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on every system; each system adds its own rows.

#include "writer_fixture.h"

#include <cctype>
#include <cstdio>
#include <random>
#include <set>

namespace {

std::vector<Case> Rows()
{
    std::vector<Case> rows = {
        // clang-format off
        {"NewFile", {}, "out.vkp"},
        {"ANameInAnyScript", {}, "men\u00fc \u83dc\u5355.vkp"},
        {"ReplacesALongerFile", [] { return Put("out.vkp", std::string(5000, 'x')), true; }, "out.vkp"},
        {"EmptyPath", {}, "", Cause::kNoName},
        {"OnlySpaces", {}, " \t ", Cause::kNoName},
        {"MissingFolder", {}, "no/out.vkp", Cause::kMissingFolder},
        {"ANameTooLong", {}, std::string(300, 'n') + ".vkp", Cause::kNameTooLong},
        {"TrailingSeparator", [] { return fs::create_directory("sub"); }, "sub/", Cause::kFolder},
        {"DotDot", [] { return fs::create_directory("sub"); }, "sub/..", Cause::kFolder},
        {"Dot", {}, ".", Cause::kFolder},
        {"FolderAsTarget", [] { return fs::create_directory("sub"); }, "sub", Cause::kFolder},
        // clang-format on
    };
    rows.insert(rows.end(), kSystemCases.begin(), kSystemCases.end());
    return rows;
}

}  // namespace

// A save in a folder of the test's own, beside the user's files.
class Writer : public testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        FolderWithBystanders(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override
    {
        fs::current_path(home_);
        fs::remove_all(dir_);
    }

private:
    const fs::path home_ = fs::current_path(),
                   dir_ = fs::temp_directory_path() /
                          ("varnel-writer-" + std::to_string(std::random_device()()));
};

// Saved where it should land, or refused for its cause; nothing else changes.
TEST_P(Writer, SavesOrRefusesForItsCauseAndChangesNothing)
{
    const Case& c = GetParam();
    if (c.setUp && !c.setUp())
        GTEST_SKIP() << "this row cannot be set up here (most such rows need root)";
    auto expected = Snapshot();
    if (c.cause == Cause::kSaved)
        expected[fs::u8path(c.lands.empty() ? c.path : c.lands).generic_u8string()] = "new\r\r\n";
    EXPECT_TRUE(As(c.user, [&] {
        const patch::WriteResult r = patch::WritePatchFile(c.path, "new\r");
        // Only a folder the user can do something about is named.
        const bool right =
            r.cause == c.cause &&
            (r.folder.empty() || r.folder == fs::u8path(c.path).parent_path().u8string());
        if (!right)
            std::fprintf(stderr, "%s\n", patch::messages::SaveFailed(c.path, r).c_str());
        return right;
    }));
    EXPECT_EQ(Snapshot(), expected);
    if (c.tearDown)
        c.tearDown();
}

INSTANTIATE_TEST_SUITE_P(Row, Writer, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

// Each cause in its own words, each ending the one sentence that names the
// path; a folder, and the system's reason, where the cause has one.
TEST(Words, OneSentencePerCause)
{
    const std::string head = "The patch could not be saved to \"out.vkp\": ";
    std::set<std::string> said;
    for (int c = int(Cause::kNoName); c <= int(Cause::kSystem); ++c) {
        const patch::WriteResult r{Cause(c), 5, "folder"};
        const std::string words = patch::messages::SaveFailed("out.vkp", r);
        const std::string reason = words.substr(head.size(), words.size() - head.size() - 1);
        SCOPED_TRACE(words);
        EXPECT_TRUE(words.rfind(head, 0) == 0 && words.back() == '.' &&
                    (std::islower(reason[0]) || r.cause == Cause::kSystem));
        EXPECT_TRUE(said.insert(reason).second);
        EXPECT_EQ(reason.find("\"folder\"") != reason.npos,
                  r.cause == Cause::kMissingFolder || r.cause == Cause::kNoPermission);
        EXPECT_EQ(reason.find(patch::messages::SystemWords(5)) != reason.npos,
                  r.cause == Cause::kSystem || r.cause == Cause::kNoRoomBeside);
    }
}
