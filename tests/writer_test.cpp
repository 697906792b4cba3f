// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ios>
#include <utility>
#include <iterator>
#include <set>
#include <string>
#include <system_error>

#ifdef _WIN32
#  include <windows.h>
#else
#  include <sys/mount.h>
#  include <sys/stat.h>
#  include <sys/wait.h>
#  include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& p, const std::string& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Utf8(const fs::path& p)
{
    return p.u8string();
}

class Writer : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               (std::string("varnel-writer-") + info->name() + "-" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::set<std::string> Listing(const fs::path& folder) const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(Utf8(entry.path().filename()));
        return names;
    }

    fs::path dir_;
};

struct Bytes {
    const char* name;
    std::string text;
};
VARNEL_PRINT_ROW_AS_NAME(Bytes)

class WriterBytes : public Writer, public ::testing::WithParamInterface<Bytes> {};

TEST_P(WriterBytes, FileIsTheTextAndOneCrLf)
{
    const fs::path target = dir_ / "out.vkp";
    const patch::WriteResult r = patch::WritePatchFile(Utf8(target), GetParam().text);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(ReadBytes(target), GetParam().text + "\r\n");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WriterBytes,
    ::testing::Values(Bytes{"Empty", ""},
                      Bytes{"LoneCarriageReturns", "3B036E: 3C 54\r\r\r"},
                      Bytes{"MixedLineEnds", "a \r\nb \r\n\r\nc\rd\r"},
                      Bytes{"LineFeedAlone", "x\ny\n"},
                      Bytes{"Large", std::string(1 << 20, 'F') + "\r"}),
    RowName());

TEST_F(Writer, ReplacesALongerFileInsteadOfAppending)
{
    const fs::path target = dir_ / "out.vkp";
    WriteBytes(target, std::string(5000, 'x'));
    ASSERT_TRUE(patch::WritePatchFile(Utf8(target), "new\r").ok);
    EXPECT_EQ(ReadBytes(target), "new\r\r\n");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
}

TEST_F(Writer, NamesInOtherScriptsNameExactlyThatFile)
{
    for (const char* name : {u8"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd.vkp",
                             u8"\u043c\u0435\u043d\u044e.vkp", u8"\u83dc\u5355.vkp",
                             u8"phone \U0001F4F1.vkp"}) {
        const std::string path = Utf8(dir_) + "/" + name;
        const patch::WriteResult r = patch::WritePatchFile(path, name);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(ReadBytes(fs::u8path(path)), std::string(name) + "\r\n");
        EXPECT_EQ(Listing(dir_).count(name), 1u) << name;
    }
    EXPECT_EQ(Listing(dir_).size(), 4u);
}

struct Failing {
    const char* name;
    std::string relative;  // below the test folder; empty means an empty path
    std::string reason;    // part of the reason given, as this system words it
};
VARNEL_PRINT_ROW_AS_NAME(Failing)

class WriterFails : public Writer, public ::testing::WithParamInterface<Failing> {};

TEST_P(WriterFails, ReportsPathAndReasonAndLeavesNothing)
{
    fs::create_directory(dir_ / "folder");
    WriteBytes(dir_ / "folder" / "keep.vkp", "old");
    const std::set<std::string> before = Listing(dir_);

    const std::string path = GetParam().relative.empty() ? "" : Utf8(dir_) + "/" + GetParam().relative;
    const patch::WriteResult r = patch::WritePatchFile(path, "text\r");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("\"" + path + "\""), std::string::npos) << r.message;
#ifdef _WIN32
    // The system's own words differ between Windows versions and Wine.
    EXPECT_GT(r.message.size(), r.message.find("\": ") + 4) << r.message;
#else
    EXPECT_NE(r.message.find(GetParam().reason), std::string::npos) << r.message;
#endif

    EXPECT_EQ(Listing(dir_), before);
    EXPECT_EQ(Listing(dir_ / "folder"), std::set<std::string>{"keep.vkp"});
    EXPECT_EQ(ReadBytes(dir_ / "folder" / "keep.vkp"), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WriterFails,
    ::testing::Values(
        Failing{"EmptyPath", "", "no file name"},
        Failing{"MissingFolder", "missing/out.vkp", std::strerror(ENOENT)},
        Failing{"MissingFolders", "missing/deeper/out.vkp", std::strerror(ENOENT)},
        Failing{"FolderAsTarget", "folder", std::strerror(EISDIR)},
        Failing{"TrailingSeparator", "folder/", "folder"},
        Failing{"DotDot", "folder/..", "folder"}),
    RowName());

TEST(ReservedWindowsName, Recognised)
{
    for (const char* name : {"NUL", "nul", "Nul.vkp", "CON", "prn.txt", "AUX", "COM1", "com9.vkp",
                             "LPT1", "lpt5.tar.gz", "NUL .vkp", "CONOUT$", "COM\u00b9", "lpt\u00b3.vkp"})
        EXPECT_TRUE(patch::IsReservedWindowsName(name)) << name;
    for (const char* name : {"NULL", "nul_", "Varnel.vkp", "COM0", "COM10", "LPT", ".nul", "CONSOLE",
                             "MENU.vkp", "", "COM\u2074", "COM1x"})
        EXPECT_FALSE(patch::IsReservedWindowsName(name)) << name;
}

#ifdef _WIN32

// Device names are reserved in every folder; writing to one would report
// success and write nothing.
TEST_F(Writer, ReservedDeviceNamesAreRefused)
{
    for (const char* name : {"NUL", "nul.vkp", "CON", "COM1.vkp", "LPT1"}) {
        const std::string path = Utf8(dir_) + "\\" + name;
        const patch::WriteResult r = patch::WritePatchFile(path, "x");
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.message.find("reserved"), std::string::npos) << r.message;
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(Writer, BackslashesSeparateFolders)
{
    fs::create_directory(dir_ / "sub");
    const std::string path = Utf8(dir_) + "\\sub\\out.vkp";
    ASSERT_TRUE(patch::WritePatchFile(path, "a\rb").ok);
    EXPECT_EQ(ReadBytes(dir_ / "sub" / "out.vkp"), "a\rb\r\n");
}

TEST_F(Writer, ReplacingKeepsTheFileAttributes)
{
    const fs::path target = dir_ / "out.vkp";
    WriteBytes(target, std::string(300, 'x'));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(patch::WritePatchFile(Utf8(target), "new").ok);
    EXPECT_EQ(ReadBytes(target), "new\r\n");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
    // Wine's ReplaceFileW does not carry attributes over; Windows does.
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "Wine does not keep file attributes on replacement";
    EXPECT_TRUE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(Writer, AReadOnlyFileIsNotReplaced)
{
    const fs::path target = dir_ / "out.vkp";
    WriteBytes(target, "old");
    fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const patch::WriteResult r = patch::WritePatchFile(Utf8(target), "new");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(Utf8(target)), std::string::npos) << r.message;
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"out.vkp"});
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
}

#else

// The replaced file's permissions are kept, but never its set-id bits.
TEST_F(Writer, KeepsThePermissionsOfTheReplacedFile)
{
    const fs::path target = dir_ / "out.vkp";
    for (const auto& [before, after] : {std::pair{0640u, 0640u}, std::pair{06755u, 0755u}}) {
        WriteBytes(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), before), 0);
        ASSERT_TRUE(patch::WritePatchFile(Utf8(target), "new").ok);
        struct stat st {};
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, after) << std::oct << before;
    }
}

TEST_F(Writer, ALoopOfLinksIsReportedAndKept)
{
    fs::create_symlink("b.vkp", dir_ / "a.vkp");
    fs::create_symlink("a.vkp", dir_ / "b.vkp");
    const patch::WriteResult r = patch::WritePatchFile(Utf8(dir_ / "a.vkp"), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(std::strerror(ELOOP)), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_symlink(dir_ / "a.vkp"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "b.vkp"));
    EXPECT_EQ(Listing(dir_), (std::set<std::string>{"a.vkp", "b.vkp"}));
}

TEST_F(Writer, APipeThatNobodyReadsFailsAtOnce)
{
    const fs::path fifo = dir_ / "pipe.vkp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const patch::WriteResult r = patch::WritePatchFile(Utf8(fifo), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("pipe"), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(Writer, WritesThroughASymbolicLink)
{
    fs::create_directory(dir_ / "real");
    WriteBytes(dir_ / "real" / "out.vkp", "old");
    fs::create_symlink(fs::path("real") / "out.vkp", dir_ / "link.vkp");
    ASSERT_TRUE(patch::WritePatchFile(Utf8(dir_ / "link.vkp"), "new").ok);
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.vkp"));
    EXPECT_EQ(ReadBytes(dir_ / "real" / "out.vkp"), "new\r\n");
    EXPECT_EQ(Listing(dir_ / "real"), std::set<std::string>{"out.vkp"});
}

TEST_F(Writer, ADeviceIsWrittenNotReplaced)
{
    ASSERT_TRUE(patch::WritePatchFile("/dev/null", "text").ok);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// Runs `check` as an unprivileged user when we are root, who may write anything.
bool AsUnprivileged(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(Writer, NoPermissionIsReportedAndChangesNothing)
{
    fs::permissions(dir_, fs::perms::all);
    const fs::path file = dir_ / "protected.vkp";
    WriteBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path folder = dir_ / "closed";
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);

    // A writable file in that closed folder cannot be replaced either.
    const fs::path open = folder / "open.vkp";
    WriteBytes(open, "kept");
    fs::permissions(open, fs::perms::all);

    for (const fs::path& target : {file, folder / "new.vkp", open}) {
        EXPECT_TRUE(AsUnprivileged([&] {
            const patch::WriteResult r = patch::WritePatchFile(Utf8(target), "new");
            return !r.ok && r.message.find(std::strerror(EACCES)) != std::string::npos;
        })) << target;
    }
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(ReadBytes(open), "kept");
    EXPECT_EQ(Listing(folder), std::set<std::string>{"open.vkp"});
    EXPECT_EQ(Listing(dir_), (std::set<std::string>{"closed", "protected.vkp"}));
}

TEST_F(Writer, TheDefaultPathIsAPlainNameHere)
{
    // Backslashes separate nothing on this system: the name is the whole text.
    const fs::path old = fs::current_path();
    fs::current_path(dir_);
    const patch::WriteResult r = patch::WritePatchFile("C:\\windows\\plocha\\Varnel.vkp", "x");
    fs::current_path(old);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"C:\\windows\\plocha\\Varnel.vkp"});
}

// A real full disk: a tiny tmpfs. Needs the right to mount; skipped without it.
TEST_F(Writer, AFullDiskKeepsTheOldFileAndLeavesNoTemporary)
{
    const fs::path mnt = dir_ / "small";
    fs::create_directory(mnt);
    if (::mount("tmpfs", mnt.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount {
        const fs::path& p;
        ~Unmount() { ::umount(p.c_str()); }
    } unmount{mnt};

    const fs::path target = mnt / "out.vkp";
    WriteBytes(target, "old patch");
    const patch::WriteResult r = patch::WritePatchFile(Utf8(target), std::string(256 * 1024, 'F'));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(std::strerror(ENOSPC)), std::string::npos) << r.message;
    EXPECT_EQ(ReadBytes(target), "old patch");
    EXPECT_EQ(Listing(mnt), std::set<std::string>{"out.vkp"});

    // With room again, the same call succeeds.
    ASSERT_TRUE(patch::WritePatchFile(Utf8(target), "fits").ok);
    EXPECT_EQ(ReadBytes(target), "fits\r\n");
}

#endif

}  // namespace
