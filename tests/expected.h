// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Published patch texts, spelled out by hand so that tests compare the
// program's output with them rather than with itself.

#include "tables.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace expected {

using Choice = std::array<std::int16_t, 12>;

inline constexpr Choice kFirstTwelve{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
inline constexpr std::string_view kMenuFirstTwelve =
    "27D4DC: FFFFFF 3C40DB\r27D4DF: FFFFFF 0840DB\r27D4E2: FFFFFF 4C40DB\r"
    "27D4E5: FFFFFF 6C40DB\r27D4E8: FFFFFF 1C40DB\r27D4EB: FFFFFF 2C40DB\r"
    "27D4EE: FFFFFF 620AD9\r27D4F1: FFFFFF B4E1D8\r27D4F4: FFFFFF C4E1D8\r"
    "27D4F7: FFFFFF DAE1D8\r27D4FA: FFFFFF 50EFDB\r27D4FD: FFFFFF CAE1D8\r";

inline constexpr Choice kLastTwelveReversed{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4};
inline constexpr std::string_view kMenuLastTwelveReversed =
    "27D4DC: FFFFFF 50FBEC\r27D4DF: FFFFFF 8C40DB\r27D4E2: FFFFFF 7C40DB\r"
    "27D4E5: FFFFFF 5C40DB\r27D4E8: FFFFFF CAE1D8\r27D4EB: FFFFFF 50EFDB\r"
    "27D4EE: FFFFFF DAE1D8\r27D4F1: FFFFFF C4E1D8\r27D4F4: FFFFFF B4E1D8\r"
    "27D4F7: FFFFFF 620AD9\r27D4FA: FFFFFF 2C40DB\r27D4FD: FFFFFF 1C40DB\r";

inline constexpr Choice kGamesEverywhere{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
inline constexpr std::string_view kMenuGamesEverywhere =
    "27D4DC: FFFFFF DAE1D8\r27D4DF: FFFFFF DAE1D8\r27D4E2: FFFFFF DAE1D8\r"
    "27D4E5: FFFFFF DAE1D8\r27D4E8: FFFFFF DAE1D8\r27D4EB: FFFFFF DAE1D8\r"
    "27D4EE: FFFFFF DAE1D8\r27D4F1: FFFFFF DAE1D8\r27D4F4: FFFFFF DAE1D8\r"
    "27D4F7: FFFFFF DAE1D8\r27D4FA: FFFFFF DAE1D8\r27D4FD: FFFFFF DAE1D8\r";

// What precedes the base patch for each choice of keys.
inline constexpr std::string_view kSoftHead = "3B036E: 3C 54\r\r\r";
inline constexpr std::string_view kArrowHead = "3B0368: 3C 54\r\r\r";
inline constexpr std::string_view kBothHead = "3B0368: 3C 54\r3B036E: 3C 54\r\r";
inline constexpr std::string_view kNoKeyYetHead = "\r\r";

// The base patch between a head and a menu; the base patch itself is pinned
// in tables_test.cpp.
inline std::string Patch(std::string_view head, std::string_view menu)
{
    return std::string(head) + std::string(patch::kBasePatch) + "\r\r" + std::string(menu);
}

inline std::string SlotMessage(int slot)
{
    return "Menu picture no." + std::to_string(slot) + " is not selected";
}

}  // namespace expected
