// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

namespace patch {

// In one pass, so that a value that holds "%1" stays as it is.
std::string messages::English(const Text& text)
{
    std::string out;
    for (const char* c = text.words; *c; ++c) {
        const std::size_t n = c[0] == '%' && (c[1] == '1' || c[1] == '2') ? c[1] - '1' : 2;
        if (n < text.values.size()) {
            out += text.values[n];
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

}  // namespace patch
