// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the user's choices into the patch text. A plain function over plain
// values: the window reads its controls, shows the messages in order and,
// when there is one, puts the new text where Save will find it.

#include "messages.h"
#include "tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace patch {

// -1 means nothing is selected; 0..15 is a row of the catalogue. Any other value
// is treated as no selection.
using Selections = std::array<std::int16_t, kSlotCount>;

// Lives as long as the window. Every text starts empty and is only ever
// overwritten, so a key chosen in an earlier compose carries over.
struct ComposerState {
    std::array<std::string, kSlotCount> slotLine;
    std::string keyPatch;
    std::string menuPatch;
};

struct ComposeResult {
    std::vector<messages::Text> messages;  // to be shown one by one, in order
    std::optional<std::string> text;       // the new patch text, if all slots are chosen
};

ComposeResult ComposePatch(const Tables& tables, const Selections& selections, bool softKey,
                           bool arrowKey, std::string_view basePatch, ComposerState& state);

}  // namespace patch
