// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window, const QMargins& frame)
{
    const QPoint corner =
        CentredIn(window.screen()->availableGeometry(), window.size().grownBy(frame));
    // Where Qt knows the frame, moving places it; where only the window
    // manager told it, moving places the client area.
    const bool qtKnowsFrame = window.frameGeometry() != window.geometry();
    window.move(qtKnowsFrame ? corner : corner + QPoint(frame.left(), frame.top()));
}
