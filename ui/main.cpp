// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

int main(int argc, char* argv[])
{
    return RunProgram(argc, argv);
}
