// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables.h"

#include <cstdio>

namespace patch {

const std::string_view kBasePatch =
    "3B0450: F0C4DAE5243AEA00 EA00EE07DAC7C0D5 \r\n"
    "3B0458: F407 0D23 \r\n"
    "\r\n"
    "27D500: FFFFFFFFFFFFFFFF DC4FD44E02002D32 \r\n"
    "27D508: FFFFFFFFFFFFFFFF D7403400F2FE1C3E \r\n"
    "27D510: FFFFFFFFFFFFFFFF 26FE6F0046F42000 \r\n"
    "27D518: FFFFFFFFFFFFFFFF 3D0208E40D1146F4 \r\n"
    "27D520: FFFFFFFFFFFFFFFF 21003D0228E40D0C \r\n"
    "27D528: FFFFFFFFFFFFFFFF 46F422003D0208E1 \r\n"
    "27D530: FFFFFFFFFFFFFFFF 0D0746F423003D02 \r\n"
    "27D538: FFFFFFFFFFFFFFFF 28E10D0248412D62 \r\n"
    "27D540: FFFFFFFFFFFFFFFF 48E0DD02E0BE0D04 \r\n"
    "27D548: FFFFFFFFFFFFFFFF 46FE0C00CD01E00E \r\n"
    "27D550: FFFFFFFFFFFFFFFF 48452D0F48432D0D \r\n"
    "27D558: FFFFFFFFFFFFFFFF 06FE6F00D7403400 \r\n"
    "27D560: FFFFFFFFFFFFFFFF F6FE1C3EE00CE00D \r\n"
    "27D568: FFFFFFFFFFFFFFFF DAC1EC22E6F4FFFF \r\n"
    "27D570: FFFFFFFFFFFFFFFF DB00F04E5C1400E4 \r\n"
    "27D578: FFFFFFFFFFFFFFFF 06FEDC14E005D760 \r\n"
    "27D580: FFFFFFFFFFFFFFFF 1F03998E999E99AE \r\n"
    "27D588: FFFFFFFFFFFFFFFF 2DF1DAC788EE0DEE \r\n"
    "\r\n"
    "27D590: FFFFFFFFFFFFFFFF 0000000000D5C700 \r\n"
    "27D598: FFFFFFFFFFFFFFFF 00000000527CF000 \r\n"
    "27D5A0: FFFFFFFFFFFFFFFF 9429E10228161F03 \r\n"
    "27D5A8: FFFFFFFFFFFFFFFF 0000000065005000 \r\n"
    "27D5B0: FFFFFFFFFFFFFFFF 1C3E340000000000 \r\n"
    "27D5B8: FFFFFFFF 0000FF00 \r\n"
    "27D5C0: FFFFFFFFFFFFFFFF E6F46F00D7403400 \r\n"
    "27D5C8: FFFFFFFFFFFFFFFF F6F41C3E88908880 \r\n"
    "27D5D0: FFFFFFFFFFFFFFFF E6FC5AF5E6FDD800 \r\n"
    "27D5D8: FFFFFFFFFFFFFFFF E6FE96F5F0FDDAF0 \r\n"
    "27D5E0: FFFFFFFFFFFFFFFF 3CFDF084F095F0C8 \r\n"
    "27D5E8: FFFFFFFFFFFFFFFF F0D9E6FE9015E6FF \r\n"
    "27D5F0: FFFFFFFFFFFFFFFF 1F03DAF024FFF0C8 \r\n"
    "27D5F8: FFFFFFFFFFFFFFFF F0D9DAF09E809880 \r\n"
    "27D600: FFFFFFFFFFFFFFFF 9890DB00E004DB00 \r\n"
    "\r\n"
    "27D610: FFFFFFFFFFFFFFFF 03000300FFFF0000 \r\n"
    "27D618: FFFFFFFFFFFFFFFF 0000FFFF00000000 \r\n"
    "27D620: FFFFFFFFFFFFFFFF FFFF05000500FFFF \r\n"
    "27D628: FFFFFFFFFFFFFFFF 10161F030100FFFF";

Tables PrepareTables()
{
    Tables t;
    for (std::size_t n = 0; n < kSlotCount; ++n) {
        char address[8];
        std::snprintf(address, sizeof address, "%06X",
                      kFirstSlotAddress + kSlotSize * static_cast<unsigned>(n));
        t.slotPrefix[n] = std::string(address) + ": " + std::string(kSlotOldBytes) + " ";
    }
    for (std::size_t i = 0; i < kPictureCount; ++i)
        t.codeText[i] = std::string(kPictureCodes[i]) + kCR;

    t.keyPatch[kSoftKey] = std::string(kSoftKeyLine) + kCR;
    t.keyPatch[kArrowKey] = std::string(kArrowKeyLine) + kCR;
    // The arrow key's line comes first, and the pair has no CR of its own
    // after the second line: the patch text then starts with one CR fewer.
    t.keyPatch[kBothKeys] = std::string(kArrowKeyLine) + kCR + std::string(kSoftKeyLine);
    return t;
}

}  // namespace patch
