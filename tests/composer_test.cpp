// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text that Make can put out, against texts spelled out by hand from
// the published format: the whole patch file for the keyboard run's choices
// (tests/system/keyboard.vkp, which the window test and the run of the
// Windows program also compare with), and the menu for other choices.

#include "composer.h"
#include "files.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using Choice = patch::Selections;

// Help, WriteMessage, Games, Profiles, Help, Surf/Fun, Setup, MP3Player,
// Card-Explorer, Divert, Message, Record; "Right arow" alone.
constexpr Choice kKeyboard{15, 6, 9, 12, 15, 2, 5, 8, 11, 14, 1, 4};
const std::string kFile = Read(VARNEL_KEYBOARD_VKP);
// The keyboard run's patch, and its base patch with what follows it up to the menu.
const std::string kArrowPatch = kFile.substr(0, kFile.size() - 2), kBase = kFile.substr(16, 1681);

// The rest of the catalogue, in slot order.
constexpr Choice kOrdered{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13};
const std::string kOrderedMenu =
    "27D4DC: FFFFFF 3C40DB\r27D4DF: FFFFFF 0840DB\r27D4E2: FFFFFF 4C40DB\r"
    "27D4E5: FFFFFF 6C40DB\r27D4E8: FFFFFF 1C40DB\r27D4EB: FFFFFF 2C40DB\r"
    "27D4EE: FFFFFF 620AD9\r27D4F1: FFFFFF B4E1D8\r27D4F4: FFFFFF C4E1D8\r"
    "27D4F7: FFFFFF DAE1D8\r27D4FA: FFFFFF 50EFDB\r27D4FD: FFFFFF 7C40DB\r";

std::string Slot(int n)
{
    return "Menu picture no." + std::to_string(n) + " is not selected";
}

}  // namespace

// Each row is a run of Makes in a fresh window; the last one is checked.
TEST(Compose, GivesThePublishedMessagesAndText)
{
    ASSERT_EQ(kFile.size(), 1963u) << VARNEL_KEYBOARD_VKP;
    struct Make {
        Choice selections;
        bool soft, arrow;
    };
    constexpr Choice kNone{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    constexpr Choice kNoFifth{15, 14, 13, 12, -1, 10, 9, 8, 7, 6, 5, 4};
    const std::string kNoKey = "You must select key";
    const struct {
        const char* name;
        std::vector<Make> makes;
        std::vector<std::string> messages;
        std::optional<std::string> text;
    } rows[] = {
        // clang-format off
        {"ArrowKey", {{kKeyboard, false, true}}, {}, kArrowPatch},
        {"SoftKey", {{kOrdered, true, false}}, {}, "3B036E: 3C 54\r\r\r" + kBase + kOrderedMenu},
        {"BothKeys", {{kOrdered, true, true}}, {}, "3B0368: 3C 54\r3B036E: 3C 54\r\r" + kBase + kOrderedMenu},
        {"NoKeyYet", {{kOrdered, false, false}}, {kNoKey}, "\r\r" + kBase + kOrderedMenu},
        {"NothingChosen", {{kNone, false, false}}, {Slot(1), Slot(2), Slot(3), Slot(4), Slot(5), Slot(6),
         Slot(7), Slot(8), Slot(9), Slot(10), Slot(11), Slot(12), kNoKey}, std::nullopt},
        {"IndicesOutsideTheCatalogue", {{{16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -2}, true, false}},
         {Slot(1), Slot(12)}, std::nullopt},
        // The key of a Make with a gap is the one that a later Make without a
        // key reuses; the menu is the last Make's alone.
        {"KeyCarriesOverAGap", {{kOrdered, true, false}, {kNoFifth, false, true}, {kKeyboard, false, false}},
         {kNoKey}, kArrowPatch},
        // clang-format on
    };
    const patch::Tables tables = patch::PrepareTables();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        patch::ComposerState state;
        patch::ComposeResult r;
        for (const Make& m : row.makes)
            r = patch::ComposePatch(tables, m.selections, m.soft, m.arrow, patch::kBasePatch,
                                    state);
        std::vector<std::string> said;
        for (const patch::messages::Text& m : r.messages)
            said.push_back(patch::messages::English(m));
        EXPECT_EQ(said, row.messages);
        EXPECT_EQ(r.text, row.text);
    }
}
