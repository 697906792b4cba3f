// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "composer.h"

#include "messages.h"

namespace patch {

namespace {

bool IsPicture(std::int16_t index)
{
    return index >= 0 && static_cast<std::size_t>(index) < kPictureCount;
}

}  // namespace

ComposeResult ComposePatch(const Tables& tables, const Selections& selections, bool softKey,
                           bool arrowKey, std::string_view basePatch, ComposerState& state)
{
    ComposeResult result;
    bool allChosen = true;

    for (std::size_t n = 0; n < kSlotCount; ++n) {
        const std::int16_t index = selections[n];
        if (!IsPicture(index)) {
            allChosen = false;
            result.messages.push_back(messages::SlotNotSelected(n + 1));
            continue;
        }
        state.slotLine[n] = tables.slotPrefix[n] + tables.codeText[static_cast<std::size_t>(index)];
    }

    const std::size_t keys =
        (softKey ? kSoftKey : kNeitherKey) | (arrowKey ? kArrowKey : kNeitherKey);
    if (keys == kNeitherKey)
        result.messages.push_back(messages::NoKey());  // the last key patch stays
    else
        state.keyPatch = tables.keyPatch[keys];

    if (allChosen) {
        state.menuPatch.clear();
        for (const std::string& line : state.slotLine)
            state.menuPatch += line;

        std::string text = state.keyPatch;
        text += kCR;
        text += kCR;
        text += basePatch;
        text += kCR;
        text += kCR;
        text += state.menuPatch;
        result.text = std::move(text);
    }
    return result;
}

}  // namespace patch
