// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between window systems before and around the first showing.

#include <QMargins>

#include <optional>

class QWidget;

// Before the application is made: the window system to ask Qt for, where the
// user has not chosen one.
void PreferWindowSystem();

// The frame (title bar and borders) that the window manager will put around
// `window`, where it has to be asked for before the window is shown and
// says. Elsewhere Qt knows the frame itself. `window` must already have its
// native window.
std::optional<QMargins> FrameFromWindowManager(QWidget& window);
