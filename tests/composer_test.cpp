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

// One run of Makes in a fresh window; the last one is checked.
struct Case {
    const char* name;
    std::vector<Make> makes;
    std::vector<std::string> messages;
    std::optional<std::string> text;
};
VARNEL_PRINT_ROW_AS_NAME(Case)

std::vector<std::string> EveryGap()
{
    std::vector<std::string> all;
    for (int n = 1; n <= 12; ++n)
        all.push_back(SlotMessage(n));
    all.emplace_back("You must select key");
    return all;
}

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

INSTANTIATE_TEST_SUITE_P(
    Makes, Compose,
    ::testing::Values(
        Case{"SoftKey", {{kFirstTwelve, true, false}}, {}, Patch(kSoftHead, kMenuFirstTwelve)},
        Case{"ArrowKey",
             {{kLastTwelveReversed, false, true}},
             {},
             Patch(kArrowHead, kMenuLastTwelveReversed)},
        Case{"BothKeys", {{kFirstTwelve, true, true}}, {}, Patch(kBothHead, kMenuFirstTwelve)},
        Case{"NoKeyYet",
             {{kFirstTwelve, false, false}},
             {"You must select key"},
             Patch(kNoKeyYetHead, kMenuFirstTwelve)},
        Case{"SamePictureEverywhere",
             {{kGamesEverywhere, true, false}},
             {},
             Patch(kSoftHead, kMenuGamesEverywhere)},
        Case{"NothingChosen", {{kNone, false, false}}, EveryGap(), std::nullopt},
        Case{"IndicesOutsideTheCatalogue",
             {{kOutside, true, false}},
             {SlotMessage(1), SlotMessage(12)},
             std::nullopt},
        Case{"OneGapGivesNoText",
             {{kFirstTwelve, true, false}, {kNoFifth, false, true}},
             {SlotMessage(5)},
             std::nullopt},
        // The key chosen in a Make with a gap is the one a later Make reuses.
        Case{"KeyCarriesOverAGap",
             {{kFirstTwelve, true, false},
              {kNoFifth, false, true},
              {kLastTwelveReversed, false, false}},
             {"You must select key"},
             Patch(kArrowHead, kMenuLastTwelveReversed)},
        Case{"SecondMakeGivesTheSameText",
             {{kLastTwelveReversed, true, true}, {kLastTwelveReversed, true, true}},
             {},
             Patch(kBothHead, kMenuLastTwelveReversed)}),
    RowName());

}  // namespace
