// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "composer.h"

#include "expected.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using patch::Selections;

const Selections kFirstTwelve{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
const Selections kLastTwelveReversed{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4};
const Selections kNone{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

const std::string kMenuFirstTwelve =
    "27D4DC: FFFFFF 3C40DB\r"
    "27D4DF: FFFFFF 0840DB\r"
    "27D4E2: FFFFFF 4C40DB\r"
    "27D4E5: FFFFFF 6C40DB\r"
    "27D4E8: FFFFFF 1C40DB\r"
    "27D4EB: FFFFFF 2C40DB\r"
    "27D4EE: FFFFFF 620AD9\r"
    "27D4F1: FFFFFF B4E1D8\r"
    "27D4F4: FFFFFF C4E1D8\r"
    "27D4F7: FFFFFF DAE1D8\r"
    "27D4FA: FFFFFF 50EFDB\r"
    "27D4FD: FFFFFF CAE1D8\r";

const std::string kMenuLastTwelveReversed =
    "27D4DC: FFFFFF 50FBEC\r"
    "27D4DF: FFFFFF 8C40DB\r"
    "27D4E2: FFFFFF 7C40DB\r"
    "27D4E5: FFFFFF 5C40DB\r"
    "27D4E8: FFFFFF CAE1D8\r"
    "27D4EB: FFFFFF 50EFDB\r"
    "27D4EE: FFFFFF DAE1D8\r"
    "27D4F1: FFFFFF C4E1D8\r"
    "27D4F4: FFFFFF B4E1D8\r"
    "27D4F7: FFFFFF 620AD9\r"
    "27D4FA: FFFFFF 2C40DB\r"
    "27D4FD: FFFFFF 1C40DB\r";

// The base patch itself is pinned byte for byte in tables_test.cpp.
std::string Patch(const std::string& head, const std::string& menu)
{
    return head + std::string(patch::kBasePatch) + "\r\r" + menu;
}

struct Composer {
    patch::Tables tables = patch::PrepareTables();
    patch::ComposerState state;

    patch::ComposeResult Make(const Selections& s, bool soft, bool arrow)
    {
        return patch::ComposePatch(tables, s, soft, arrow, patch::kBasePatch, state);
    }
};

struct Case {
    const char* name;
    Selections selections;
    bool soft;
    bool arrow;
    std::vector<std::string> messages;
    std::string head;  // the patch text up to the base patch
    std::string menu;
};
VARNEL_PRINT_ROW_AS_NAME(Case)

class FirstMake : public ::testing::TestWithParam<Case> {};

TEST_P(FirstMake, GivesThePublishedText)
{
    const Case& c = GetParam();
    Composer composer;
    const patch::ComposeResult r = composer.Make(c.selections, c.soft, c.arrow);
    EXPECT_EQ(r.messages, c.messages);
    ASSERT_TRUE(r.text.has_value());
    EXPECT_EQ(*r.text, Patch(c.head, c.menu));
    EXPECT_EQ(std::count(r.text->begin(), r.text->end(), '\n'), 41) << "line feeds beyond the base patch's";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FirstMake,
    ::testing::Values(
        Case{"SoftKeyAlone", kFirstTwelve, true, false, {}, "3B036E: 3C 54\r\r\r", kMenuFirstTwelve},
        Case{"BothKeys", kFirstTwelve, true, true, {}, "3B0368: 3C 54\r3B036E: 3C 54\r\r",
             kMenuFirstTwelve},
        Case{"ArrowAlone", kLastTwelveReversed, false, true, {}, "3B0368: 3C 54\r\r\r",
             kMenuLastTwelveReversed},
        Case{"NoKeyOnFirstMake", kFirstTwelve, false, false, {"You must select key"}, "\r\r",
             kMenuFirstTwelve},
        Case{"SamePictureEverywhere", Selections{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}, true, false,
             {}, "3B036E: 3C 54\r\r\r",
             "27D4DC: FFFFFF DAE1D8\r27D4DF: FFFFFF DAE1D8\r27D4E2: FFFFFF DAE1D8\r"
             "27D4E5: FFFFFF DAE1D8\r27D4E8: FFFFFF DAE1D8\r27D4EB: FFFFFF DAE1D8\r"
             "27D4EE: FFFFFF DAE1D8\r27D4F1: FFFFFF DAE1D8\r27D4F4: FFFFFF DAE1D8\r"
             "27D4F7: FFFFFF DAE1D8\r27D4FA: FFFFFF DAE1D8\r27D4FD: FFFFFF DAE1D8\r"}),
    RowName());

TEST(ComposePatch, NothingChosenGivesThirteenMessagesInOrderAndNoText)
{
    Composer composer;
    const patch::ComposeResult r = composer.Make(kNone, false, false);
    std::vector<std::string> expected;
    for (int n = 1; n <= 12; ++n)
        expected.push_back("Menu picture no." + std::to_string(n) + " is not selected");
    expected.push_back("You must select key");
    EXPECT_EQ(r.messages, expected);
    EXPECT_FALSE(r.text.has_value());
}

TEST(ComposePatch, KeyCarriesOverToAMakeWithoutKey)
{
    struct Row {
        bool soft;
        Selections next;
        std::string head;
        const std::string& menu;
    };
    for (const Row& row : {Row{false, kLastTwelveReversed, "3B0368: 3C 54\r\r\r", kMenuLastTwelveReversed},
                           Row{true, kFirstTwelve, "3B0368: 3C 54\r3B036E: 3C 54\r\r", kMenuFirstTwelve}}) {
        Composer composer;
        ASSERT_TRUE(composer.Make(kFirstTwelve, row.soft, true).text.has_value());
        const patch::ComposeResult r = composer.Make(row.next, false, false);
        EXPECT_EQ(r.messages, std::vector<std::string>{"You must select key"});
        ASSERT_TRUE(r.text.has_value());
        EXPECT_EQ(*r.text, Patch(row.head, row.menu));
    }
}

TEST(ComposePatch, AGapGivesNoTextButRebuildsTheRest)
{
    Composer composer;
    ASSERT_TRUE(composer.Make(kFirstTwelve, true, false).text.has_value());

    Selections gap = kLastTwelveReversed;
    gap[4] = -1;
    const patch::ComposeResult r = composer.Make(gap, false, true);
    EXPECT_EQ(r.messages, std::vector<std::string>{"Menu picture no.5 is not selected"});
    EXPECT_FALSE(r.text.has_value());
    // The other slots and the key were taken from this Make, the menu was not.
    EXPECT_EQ(composer.state.keyPatch, "3B0368: 3C 54\r");
    EXPECT_EQ(composer.state.slotLine[0], "27D4DC: FFFFFF 50FBEC\r");
    EXPECT_EQ(composer.state.slotLine[4], "27D4E8: FFFFFF 1C40DB\r");
    EXPECT_EQ(composer.state.menuPatch, kMenuFirstTwelve);
}

TEST(ComposePatch, RepeatedMakeGivesTheSameText)
{
    Composer composer;
    const auto first = composer.Make(kLastTwelveReversed, true, true);
    const auto second = composer.Make(kLastTwelveReversed, true, true);
    ASSERT_TRUE(first.text && second.text);
    EXPECT_EQ(*first.text, *second.text);
}

TEST(ComposePatch, IndicesOutsideTheCatalogueAreNoSelection)
{
    Composer composer;
    Selections s = kFirstTwelve;
    s[0] = 16;
    s[11] = -2;
    const patch::ComposeResult r = composer.Make(s, true, false);
    EXPECT_EQ(r.messages, (std::vector<std::string>{"Menu picture no.1 is not selected",
                                                    "Menu picture no.12 is not selected"}));
    EXPECT_FALSE(r.text.has_value());
}

TEST(ComposePatch, EveryPictureInEverySlot)
{
    Composer composer;
    for (std::size_t n = 0; n < 12; ++n) {
        for (std::int16_t i = 0; i < 16; ++i) {
            Selections s = kFirstTwelve;
            s[n] = i;
            const patch::ComposeResult r = composer.Make(s, true, false);
            ASSERT_TRUE(r.text.has_value());
            const std::string menu = r.text->substr(r.text->size() - 12 * 22);
            const std::string line = menu.substr(n * 22, 22);
            EXPECT_EQ(line, std::string(expected::kSlotPrefix[n]) +
                                std::string(expected::kPictureCode[static_cast<std::size_t>(i)]) + '\r')
                << "slot " << n + 1 << ", picture " << i;
            EXPECT_EQ(r.text->size(), 16u + 1679u + 2u + 12u * 22u);
        }
    }
}

}  // namespace
