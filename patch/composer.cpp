// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "composer.h"

namespace patch {

namespace {

bool IsPicture(std::int16_t index)
{
    return index >= 0 && static_cast<std::size_t>(index) < kPictureCount;
}

}  // namespace

ComposeResult ComposePatch(const Tables& tables, const Selections& selections,
                           bool softKey, bool arrowKey, std::string_view basePatch,
                           ComposerState& state)
{
    ComposeResult result;
    bool allChosen = true;

    for (std::size_t n = 0; n < kSlotCount; ++n) {
        const std::int16_t index = selections[n];
        if (!IsPicture(index)) {
            allChosen = false;
            result.messages.push_back(SlotNotSelectedMessage(n + 1));
            continue;
        }
        std::string& line = state.slotLine[n];
        line = tables.slotPrefix[n];
        line += tables.codeText[static_cast<std::size_t>(index)];
    }

    if (softKey && !arrowKey) {
        state.keyPatch.assign(kSoftKeyLine);
        state.keyPatch += kCR;
    } else if (softKey && arrowKey) {
        state.keyPatch.assign(kArrowKeyLine);
        state.keyPatch += kCR;
        state.keyPatch += kSoftKeyLine;
    } else if (arrowKey) {
        state.keyPatch.assign(kArrowKeyLine);
        state.keyPatch += kCR;
    } else {
        result.messages.emplace_back(kNoKeyMessage);
    }

    if (allChosen) {
        state.menuPatch.clear();
        for (const std::string& line : state.slotLine)
            state.menuPatch += line;

        std::string text;
        text.reserve(state.keyPatch.size() + basePatch.size() + state.menuPatch.size() + 4);
        text += state.keyPatch;
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
