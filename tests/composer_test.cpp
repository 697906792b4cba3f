// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "composer.h"

#include "expected.h"
#include "row_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace expected;

struct Make {
    Choice selections;
    bool soft;
    bool arrow;
};

constexpr Choice kNone{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
constexpr Choice kNoFifth{15, 14, 13, 12, -1, 10, 9, 8, 7, 6, 5, 4};
constexpr Choice kOutside{16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -2};
const std::string kNoKey = "You must select key";

// One run of Makes in a fresh window; the last one is checked.
struct Case {
    const char* name;
    std::vector<Make> makes;
    std::vector<std::string> messages;
    std::optional<std::string> text;
};
VARNEL_PRINT_ROW_AS_NAME(Case)

class Compose : public ::testing::TestWithParam<Case> {};

TEST_P(Compose, GivesThePublishedMessagesAndText)
{
    const patch::Tables tables = patch::PrepareTables();
    patch::ComposerState state;
    patch::ComposeResult r;
    for (const Make& m : GetParam().makes)
        r = patch::ComposePatch(tables, m.selections, m.soft, m.arrow, patch::kBasePatch, state);
    EXPECT_EQ(r.messages, GetParam().messages);
    EXPECT_EQ(r.text, GetParam().text);
}

const std::vector<std::string> kEveryGap{
    SlotMessage(1), SlotMessage(2), SlotMessage(3),  SlotMessage(4),  SlotMessage(5),  SlotMessage(6),
    SlotMessage(7), SlotMessage(8), SlotMessage(9),  SlotMessage(10), SlotMessage(11), SlotMessage(12),
    kNoKey};

// clang-format off
const Case kCases[] = {
    {"SoftKey", {{kFirstTwelve, true, false}}, {}, Patch(kSoftHead, kMenuFirstTwelve)},
    {"ArrowKey", {{kLastTwelveReversed, false, true}}, {}, Patch(kArrowHead, kMenuLastTwelveReversed)},
    {"BothKeys", {{kFirstTwelve, true, true}}, {}, Patch(kBothHead, kMenuFirstTwelve)},
    {"NoKeyYet", {{kFirstTwelve, false, false}}, {kNoKey}, Patch(kNoKeyYetHead, kMenuFirstTwelve)},
    {"SamePictureEverywhere", {{kGamesEverywhere, true, false}}, {}, Patch(kSoftHead, kMenuGamesEverywhere)},
    {"NothingChosen", {{kNone, false, false}}, kEveryGap, std::nullopt},
    {"IndicesOutsideTheCatalogue", {{kOutside, true, false}}, {SlotMessage(1), SlotMessage(12)}, std::nullopt},
    {"OneGapGivesNoText", {{kFirstTwelve, true, false}, {kNoFifth, false, true}}, {SlotMessage(5)}, std::nullopt},
    // The key chosen in a Make with a gap is the one a later Make reuses.
    {"KeyCarriesOverAGap", {{kFirstTwelve, true, false}, {kNoFifth, false, true}, {kLastTwelveReversed, false, false}},
     {kNoKey}, Patch(kArrowHead, kMenuLastTwelveReversed)},
    {"SecondMakeGivesTheSameText", {{kLastTwelveReversed, true, true}, {kLastTwelveReversed, true, true}}, {},
     Patch(kBothHead, kMenuLastTwelveReversed)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Makes, Compose, ::testing::ValuesIn(kCases), RowName());

}  // namespace
