// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, reporting its first frame.
#include "first_frame.h"
#include "program.h"

int main(int argc, char* argv[])
{
    return RunProgram(argc, argv, ReportFirstFrame);
}
