// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>

#include <optional>

class QWidget;

// The frame (title bar and borders) that the window manager will put around
// `window`, where it has to be asked for before the window is shown and
// says. Elsewhere Qt knows the frame itself. `window` must already have its
// native window.
std::optional<QMargins> FrameFromWindowManager(QWidget& window);
