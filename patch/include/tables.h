// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed data that every patch is made of. Nothing here is ever computed
// from user input; the composer only selects and joins these texts.
//
// Line breaks are part of the format and differ by source: the lines built
// here and by the composer (key lines, slot lines) are ended or separated by
// a lone CR; the base patch alone separates its lines with CR LF; the file
// writer ends the file with one CR LF.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace patch {

inline constexpr std::size_t kSlotCount = 12;
inline constexpr std::size_t kPictureCount = 16;

inline constexpr char kCR = '\r';

// The picture code of each row of the catalogue: three bytes as stored,
// emitted verbatim. The window lists the pictures' names in this order.
inline constexpr std::array<std::string_view, kPictureCount> kPictureCodes{
    "3C40DB", "0840DB", "4C40DB", "6C40DB", "1C40DB", "2C40DB", "620AD9", "B4E1D8",
    "C4E1D8", "DAE1D8", "50EFDB", "CAE1D8", "5C40DB", "7C40DB", "8C40DB", "50FBEC"};

// The slot table: twelve three-byte slots from here on, each one FFFFFF.
inline constexpr unsigned kFirstSlotAddress = 0x27D4DC;
inline constexpr unsigned kSlotSize = 3;
inline constexpr std::string_view kSlotOldBytes = "FFFFFF";

inline constexpr std::string_view kSoftKeyLine = "3B036E: 3C 54";
inline constexpr std::string_view kArrowKeyLine = "3B0368: 3C 54";

// Which keys the user ticked, as an index into Tables::keyPatch.
enum Keys : std::size_t { kNeitherKey = 0, kSoftKey = 1, kArrowKey = 2, kBothKeys = 3 };

// Separated by CR LF, with no break after its last line.
extern const std::string_view kBasePatch;

// The texts prepared once at start-up and read by every compose.
struct Tables {
    std::array<std::string, kSlotCount> slotPrefix;   // "27D4DC: FFFFFF "
    std::array<std::string, kPictureCount> codeText;  // "3C40DB" + CR
    std::array<std::string, 4> keyPatch;              // by Keys; none for kNeitherKey
};

Tables PrepareTables();

}  // namespace patch
