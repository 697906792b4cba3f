// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on every system; each system adds its own rows.

#include "writer_fixture.h"
#include "writer_system.h"

#include <cctype>
#include <cerrno>
#include <cstring>
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
        all[i->path().u8string()] = fs::is_regular_file(s) ? Read(i->path())
                                    : fs::is_symlink(s)    ? "link " + fs::read_symlink(*i).string()
                                                        : "kind " + std::to_string(int(s.type()));
    }
    return all;
}

void Writer::SetUp()
{
    std::random_device random;
    do
        dir_ = fs::temp_directory_path() / ("varnel-writer-" + std::to_string(random()));
    while (!fs::create_directory(dir_));
    home_ = fs::current_path();
    fs::current_path(dir_);
    if (GetParam().setUp && !GetParam().setUp())
        GTEST_SKIP() << "this case cannot be made here";
}

void Writer::TearDown()
{
    fs::current_path(home_);
    std::error_code ec;
    fs::remove_all(dir_, ec);
    EXPECT_FALSE(fs::exists(dir_)) << ec.message();
}

TEST_P(Writer, SavesOrNamesPathAndReasonAndChangesNothing)
{
    const Case& c = GetParam();
    const auto before = Snapshot();
    const std::string head = "The patch could not be saved to \"" + c.path + "\": ";
    std::string message;
    EXPECT_TRUE(As(c.user, [&] {
        message = patch::WritePatchFile(c.path, "new\r\n\r").message;
        // The system's own words differ between Windows versions and Wine;
        // the program's own start with a small letter.
        const bool known = kSystemWordsKnown || std::islower(c.outcome[0]);
        return c.saved ? message.empty()
                       : message.rfind(head, 0) == 0 &&
                             (!known || message.substr(head.size()) == c.outcome + ".");
    })) << message;
    if (c.saved) {
        EXPECT_EQ(Read(fs::u8path(c.path)), c.outcome);
        for (const auto& [name, content] : Snapshot())
            EXPECT_EQ(name.find(".varnel-"), std::string::npos) << name;
    } else {
        EXPECT_EQ(Snapshot(), before);
    }
    if (c.check)
        c.check();
}

const std::string kNew = "new\r\n\r\r\n";  // written as it stands, then CR LF

INSTANTIATE_TEST_SUITE_P(
    Everywhere, Writer,
    ::testing::Values(
        Case{"NewFile", {}, "out.vkp", kNew, true},
        Case{"ReplacesALongerFile", [] { return Put("out.vkp", std::string(5000, 'x')), true; },
             "out.vkp", kNew, true},
        Case{"ANameInOtherScripts",
             {},
             u8"P\u0159\u00edli\u0161 \u043c\u0435\u043d\u044e \u83dc\u5355 \U0001F4F1.vkp",
             kNew,
             true},
        Case{"EmptyPath", {}, "", "no file name was given"},
        Case{"OnlySpaces", {}, " \t ", "no file name was given"},
        Case{"MissingFolder", {}, "missing/out.vkp", std::strerror(ENOENT)},
        Case{"FolderAsTarget", [] { return fs::create_directory("sub"); }, "sub",
             std::strerror(EISDIR)},
        Case{"TrailingSeparator", [] { return fs::create_directory("sub"); }, "sub/",
             "the name is a folder, not a file"},
        Case{"DotDot", [] { return fs::create_directory("sub"); }, "sub/..",
             "the name is a folder, not a file"}),
    RowName());

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

// What a save names its temporary files by, any save of any process tells
// apart later, so that what a killed save left goes; and no name comes twice.
TEST(TemporaryName, KnownAsOneAndNeverTwice)
{
    const std::string first = patch::detail::TemporaryName(4294967295ul),
                      second = patch::detail::TemporaryName(4294967295ul);
    EXPECT_TRUE(patch::detail::IsTemporaryName(first) && patch::detail::IsTemporaryName(second));
    EXPECT_NE(first, second);
}
