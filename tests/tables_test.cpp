// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// FNV-1a over the bytes; the expected value was taken from the published
// text of the base patch, not from this program.
std::uint64_t Fnv1a(std::string_view text)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    return h;
}

TEST(Tables, BasePatchIsThePublishedText)
{
    EXPECT_EQ(patch::kBasePatch.size(), 1679u);
    EXPECT_EQ(Fnv1a(patch::kBasePatch), 0x073eeeaacbee953bull);
}

}  // namespace
