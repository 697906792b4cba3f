// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The published tables, spelled out by hand so that tests compare the
// program's data against them rather than against itself.

#include <array>
#include <string_view>

namespace expected {

inline constexpr std::array<std::string_view, 12> kSlotPrefix{
    "27D4DC: FFFFFF ", "27D4DF: FFFFFF ", "27D4E2: FFFFFF ", "27D4E5: FFFFFF ",
    "27D4E8: FFFFFF ", "27D4EB: FFFFFF ", "27D4EE: FFFFFF ", "27D4F1: FFFFFF ",
    "27D4F4: FFFFFF ", "27D4F7: FFFFFF ", "27D4FA: FFFFFF ", "27D4FD: FFFFFF "};

inline constexpr std::array<std::string_view, 16> kPictureName{
    "Organiser", "Message",  "Surf/Fun", "Audio",         "Record",   "Setup",
    "WriteMessage", "Java",  "MP3Player", "Games",        "Calendar", "Card-Explorer",
    "Profiles", "Time/Charge", "Divert", "Help"};

inline constexpr std::array<std::string_view, 16> kPictureCode{
    "3C40DB", "0840DB", "4C40DB", "6C40DB", "1C40DB", "2C40DB", "620AD9", "B4E1D8",
    "C4E1D8", "DAE1D8", "50EFDB", "CAE1D8", "5C40DB", "7C40DB", "8C40DB", "50FBEC"};

}  // namespace expected
