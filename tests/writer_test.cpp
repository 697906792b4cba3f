// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on every system; each system adds its own rows.

#include "writer_fixture.h"
#include "writer_system.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

std::string Read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

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

TEST(Writer, SavesOrNamesPathAndReasonAndChangesNothing)
{
    const std::string kFolderName = "the name is a folder, not a file";
    std::vector<Case> rows = {
        // clang-format off
        {"NewFile", {}, "out.vkp", "", true},
        {"ReplacesALongerFile", [] { return Put("out.vkp", std::string(5000, 'x')), true; }, "out.vkp", "", true},
        {"EmptyPath", {}, "", "no file name was given"},
        {"OnlySpaces", {}, " \t ", "no file name was given"},
        {"MissingFolder", {}, "no/out.vkp", words::FolderMissing("no")},
        {"ANameTooLong", {}, std::string(300, 'n') + ".vkp", std::string(words::kNameTooLong)},
        {"TrailingSeparator", [] { return fs::create_directory("sub"); }, "sub/", kFolderName},
        {"DotDot", [] { return fs::create_directory("sub"); }, "sub/..", kFolderName},
        {"Dot", {}, ".", kFolderName},
        // clang-format on
    };
    rows.insert(rows.end(), kSystemCases.begin(), kSystemCases.end());
    const fs::path home = fs::current_path(),
                   dir = fs::temp_directory_path() /
                         ("varnel-writer-" + std::to_string(std::random_device()()));
    for (const Case& c : rows) {
        SCOPED_TRACE(c.name);
        fs::current_path(home);
        FolderWithBystanders(dir);
        fs::current_path(dir);
        if (c.setUp && !c.setUp()) {
            std::printf("%s: cannot be made here\n", c.name);
            continue;
        }
        auto expected = Snapshot();
        const fs::path lands = fs::u8path(c.outcome.empty() ? c.path : c.outcome);
        if (c.saved)
            expected[lands.generic_u8string()] = "new\r\r\n";
        const std::string head = "The patch could not be saved to \"" + c.path + "\": ";
        EXPECT_TRUE(As(c.user, [&] {
            const std::string message = patch::WritePatchFile(c.path, "new\r").message;
            // The system's own words differ between Windows versions and
            // Wine; the program's own start with a small letter.
            const bool known = kSystemWordsKnown || std::islower(c.outcome[0]);
            return c.saved ? message.empty()
                           : message.rfind(head, 0) == 0 && message.size() > head.size() + 1 &&
                                 (!known || message.substr(head.size()) == c.outcome + ".");
        }));
        EXPECT_EQ(Snapshot(), expected);
        if (c.tearDown)
            c.tearDown();
    }
    fs::current_path(home);
    fs::remove_all(dir);
}

TEST(ReservedWindowsName, Recognised)
{
    for (const char* name :
         {"NUL", "nul", "Nul.vkp", "CON", "prn.txt", "AUX", "COM1", "com9.vkp", "LPT1",
          "lpt5.tar.gz", "NUL .vkp", "CONOUT$", "conin$", "COM\u00b9", "lpt\u00b3.vkp"})
        EXPECT_TRUE(patch::IsReservedWindowsName(name)) << name;
    for (const char* name : {"NULL", "nul_", "Varnel.vkp", "COM0", "COM10", "LPT", ".nul",
                             "CONSOLE", "", "COM\u2074", "COM1x", "COMZ", "ABC1.vkp"})
        EXPECT_FALSE(patch::IsReservedWindowsName(name)) << name;
}

// A save tells its temporary files, and every other save's, from the user's
// files (which stand beside every save here), so that what a killed save
// left can go; and no name comes twice.
TEST(TemporaryName, KnownAsOneAndNeverTwice)
{
    const std::string first = patch::detail::TemporaryName(4294967295ul),
                      second = patch::detail::TemporaryName(4294967295ul);
    EXPECT_TRUE(patch::detail::IsTemporaryName(first) && patch::detail::IsTemporaryName(second));
    EXPECT_NE(first, second);
}
