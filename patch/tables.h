// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed data that every patch is made of. Nothing here is ever computed
// from user input; the composer only selects and joins these texts.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace patch {

inline constexpr std::size_t kSlotCount = 12;
inline constexpr std::size_t kPictureCount = 16;

// Every line the program generates ends in a lone CR, never CR LF.
inline constexpr char kCR = '\r';

struct Picture {
    std::string_view name;  // shown in each slot selector, in this order
    std::string_view code;  // three bytes as stored, emitted verbatim
};

inline constexpr std::array<Picture, kPictureCount> kPictures{{
    {"Organiser", "3C40DB"},
    {"Message", "0840DB"},
    {"Surf/Fun", "4C40DB"},
    {"Audio", "6C40DB"},
    {"Record", "1C40DB"},
    {"Setup", "2C40DB"},
    {"WriteMessage", "620AD9"},
    {"Java", "B4E1D8"},
    {"MP3Player", "C4E1D8"},
    {"Games", "DAE1D8"},
    {"Calendar", "50EFDB"},
    {"Card-Explorer", "CAE1D8"},
    {"Profiles", "5C40DB"},
    {"Time/Charge", "7C40DB"},
    {"Divert", "8C40DB"},
    {"Help", "50FBEC"},
}};

// The slot table: twelve three-byte slots from here on, each one FFFFFF.
inline constexpr unsigned kFirstSlotAddress = 0x27D4DC;
inline constexpr unsigned kSlotSize = 3;
inline constexpr std::string_view kSlotOldBytes = "FFFFFF";

inline constexpr std::string_view kSoftKeyLine = "3B036E: 3C 54";
inline constexpr std::string_view kArrowKeyLine = "3B0368: 3C 54";

// The only text with CR LF line breaks; no break after its last line.
extern const std::string_view kBasePatch;

// Texts shown to the user when Make finds a gap.
inline constexpr std::string_view kNoKeyMessage = "You must select key";
std::string SlotNotSelectedMessage(std::size_t slot);  // slot is 1-based

// The texts prepared once at start-up and read by every compose.
struct Tables {
    std::array<std::string, kSlotCount> slotPrefix;    // "27D4DC: FFFFFF "
    std::array<std::string, kPictureCount> codeText;   // "3C40DB" + CR
};

Tables PrepareTables();

}  // namespace patch
