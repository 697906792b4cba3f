// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program from start to end: the application object, the one window and
// the event loop. main() is just a call to this.

#include <functional>

class QWidget;

// `beforeShow`, when given, sees the window before it is first shown; the
// start-up benchmark uses it to notice the first frame.
int RunProgram(int& argc, char** argv, const std::function<void(QWidget&)>& beforeShow = {});
