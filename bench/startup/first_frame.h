// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
class QWidget;

// Prints "shown" and ends the process as soon as `window` has put its first
// frame on the screen, so that a parent process can time the start.
void ReportFirstFrame(QWidget& window);
