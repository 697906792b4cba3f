// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables.h"

#include "expected.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitCrLf(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + 2;
    }
}

bool IsUpperHex(std::string_view s)
{
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)) && (c < 'A' || c > 'F'))
            return false;
    return !s.empty();
}

// FNV-1a over the bytes; the expected value was taken from the published text
// of the base patch, not from this program.
std::uint64_t Fnv1a(std::string_view text)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    return h;
}

TEST(BasePatch, IsTheExactPublishedText)
{
    const std::string_view base = patch::kBasePatch;
    EXPECT_EQ(base.size(), 1679u);
    EXPECT_EQ(Fnv1a(base), 0x073eeeaacbee953bull);
    EXPECT_EQ(base.substr(0, 44), "3B0450: F0C4DAE5243AEA00 EA00EE07DAC7C0D5 \r\n");
    EXPECT_EQ(base.substr(base.size() - 41), "27D628: FFFFFFFFFFFFFFFF 10161F030100FFFF");
    EXPECT_EQ(base.back(), 'F');
}

TEST(BasePatch, HasFortyTwoWellFormedLines)
{
    const std::vector<std::string> lines = SplitCrLf(patch::kBasePatch);
    ASSERT_EQ(lines.size(), 42u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF";
        if (i + 1 == 3 || i + 1 == 22 || i + 1 == 38) {
            EXPECT_TRUE(line.empty());
            continue;
        }
        const bool last = i + 1 == lines.size();
        ASSERT_EQ(line.back() == ' ', !last);
        const std::string body = last ? line : line.substr(0, line.size() - 1);
        ASSERT_GT(body.size(), 8u);
        EXPECT_TRUE(IsUpperHex(body.substr(0, 6)));
        EXPECT_EQ(body.substr(6, 2), ": ");
        const std::string bytes = body.substr(8);
        const std::size_t space = bytes.find(' ');
        ASSERT_NE(space, std::string::npos);
        const std::string oldBytes = bytes.substr(0, space);
        const std::string newBytes = bytes.substr(space + 1);
        EXPECT_TRUE(IsUpperHex(oldBytes));
        EXPECT_TRUE(IsUpperHex(newBytes));
        EXPECT_EQ(oldBytes.size(), newBytes.size());
        EXPECT_EQ(oldBytes.size() % 2, 0u);
        if (body.compare(0, 3, "27D") == 0) {
            EXPECT_EQ(oldBytes.find_first_not_of('F'), std::string::npos);
            EXPECT_GE(body.substr(0, 6), "27D500") << "overlaps the slot table";
        }
    }
}

TEST(Tables, SlotPrefixesMatchTheSlotTable)
{
    const patch::Tables tables = patch::PrepareTables();
    for (std::size_t n = 0; n < 12; ++n)
        EXPECT_EQ(tables.slotPrefix[n], expected::kSlotPrefix[n]) << "slot " << n + 1;
}

TEST(Tables, CatalogueInListOrder)
{
    const patch::Tables tables = patch::PrepareTables();
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(patch::kPictures[i].name, expected::kPictureName[i]) << "row " << i;
        EXPECT_EQ(tables.codeText[i], std::string(expected::kPictureCode[i]) + '\r') << "row " << i;
    }
    EXPECT_EQ(tables.codeText[6], std::string("620AD9\x0D", 7));
}

TEST(Tables, MessagesAndKeyLines)
{
    EXPECT_EQ(patch::SlotNotSelectedMessage(1), "Menu picture no.1 is not selected");
    EXPECT_EQ(patch::SlotNotSelectedMessage(12), "Menu picture no.12 is not selected");
    EXPECT_EQ(patch::kNoKeyMessage, "You must select key");
    EXPECT_EQ(patch::kSoftKeyLine, "3B036E: 3C 54");
    EXPECT_EQ(patch::kArrowKeyLine, "3B0368: 3C 54");
}

}  // namespace
