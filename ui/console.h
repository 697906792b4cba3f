// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the command line's answers go: standard output and error, which a
// windowed program on Windows reaches only through the console it was
// started from.

#include <cstdio>
#include <string_view>

void Say(std::FILE* stream, std::string_view text);
