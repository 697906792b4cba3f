// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_system.h"

// Here there is one window system.
void PreferWindowSystem()
{
}

// Here Qt knows the frame from the window's style before it is shown.
std::optional<QMargins> FrameFromWindowManager(QWidget&)
{
    return std::nullopt;
}
