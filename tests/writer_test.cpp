// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer does on every system.

#include "row_name.h"
#include "writer_fixture.h"

#include <cerrno>
#include <cstring>

namespace {

struct Bytes {
    const char* name;
    std::string text;
};
VARNEL_PRINT_ROW_AS_NAME(Bytes)

class WriterBytes : public Writer, public ::testing::WithParamInterface<Bytes> {};

TEST_P(WriterBytes, FileIsTheTextAndOneCrLf)
{
    const patch::WriteResult r = Save(dir_ / "out.vkp", GetParam().text);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(Read(dir_ / "out.vkp"), GetParam().text + "\r\n");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
}

INSTANTIATE_TEST_SUITE_P(Texts, WriterBytes,
                         ::testing::Values(Bytes{"Empty", ""},
                                           // Written as they are, never translated.
                                           Bytes{"MixedLineEnds", "a \r\nb\r\r\nc\nd\r"}),
                         RowName());

TEST_F(Writer, ReplacesALongerFileInsteadOfAppending)
{
    Put(dir_ / "out.vkp", std::string(5000, 'x'));
    ASSERT_TRUE(Save(dir_ / "out.vkp", "new\r").ok);
    EXPECT_EQ(Read(dir_ / "out.vkp"), "new\r\r\n");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
}

TEST_F(Writer, ANameInOtherScriptsNamesExactlyThatFile)
{
    const char* name =
        u8"P\u0159\u00edli\u0161 \u043c\u0435\u043d\u044e \u83dc\u5355 \U0001F4F1.vkp";
    const std::string path = dir_.u8string() + "/" + name;
    ASSERT_TRUE(patch::WritePatchFile(path, "x").ok);
    EXPECT_EQ(Listing(dir_), std::set<std::string>{name});
    EXPECT_EQ(Read(fs::u8path(path)), "x\r\n");
}

struct Failing {
    const char* name;
    std::string relative;  // below the test folder; empty means an empty path
    std::string reason;    // as this system words it
    bool ours;             // worded by the program, the same on every system
};
VARNEL_PRINT_ROW_AS_NAME(Failing)

class WriterFails : public Writer, public ::testing::WithParamInterface<Failing> {};

TEST_P(WriterFails, NamesPathAndReasonAndChangesNothing)
{
    fs::create_directory(dir_ / "sub");
    Put(dir_ / "sub" / "keep.vkp", "old");

    const Failing& row = GetParam();
    const std::string path = row.relative.empty() ? "" : dir_.u8string() + "/" + row.relative;
    const patch::WriteResult r = patch::WritePatchFile(path, "text\r");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.rfind("The patch could not be saved to \"" + path + "\": ", 0), 0u)
        << r.message;
#ifdef _WIN32
    if (!row.ours)  // the system's own words differ between versions and Wine
        EXPECT_GT(r.message.size(), path.size() + 36) << r.message;
    else
#endif
        EXPECT_EQ(r.message.substr(r.message.size() - row.reason.size() - 1), row.reason + ".");

    EXPECT_EQ(Listing(dir_), std::set<std::string>{"sub"});
    EXPECT_EQ(Listing(dir_ / "sub"), std::set<std::string>{"keep.vkp"});
    EXPECT_EQ(Read(dir_ / "sub" / "keep.vkp"), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WriterFails,
    ::testing::Values(Failing{"EmptyPath", "", "no file name was given", true},
                      Failing{"MissingFolder", "missing/out.vkp", std::strerror(ENOENT), false},
                      Failing{"FolderAsTarget", "sub", std::strerror(EISDIR), false},
                      Failing{"TrailingSeparator", "sub/", "the name is a folder, not a file",
                              true},
                      Failing{"DotDot", "sub/..", "the name is a folder, not a file", true},
                      Failing{"OnlySpaces", "sub/ \t ", "no file name was given", true}),
    RowName());

TEST(ReservedWindowsName, Recognised)
{
    for (const char* name :
         {"NUL", "nul", "Nul.vkp", "CON", "prn.txt", "AUX", "COM1", "com9.vkp", "LPT1",
          "lpt5.tar.gz", "NUL .vkp", "CONOUT$", "COM\u00b9", "lpt\u00b3.vkp"})
        EXPECT_TRUE(patch::IsReservedWindowsName(name)) << name;
    for (const char* name : {"NULL", "nul_", "Varnel.vkp", "COM0", "COM10", "LPT", ".nul",
                             "CONSOLE", "", "COM\u2074", "COM1x", "ABC1.vkp"})
        EXPECT_FALSE(patch::IsReservedWindowsName(name)) << name;
}

}  // namespace
