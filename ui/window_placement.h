// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The frame (title bar and borders) that the window system puts around
// `window`, made but not yet shown.
QMargins WindowFrame(QWidget& window);

// The largest scale at which a window of `design` size, in `frame`, lies
// whole in `area`.
double RoomIn(const QRect& area, QSize design, const QMargins& frame);

// Where a frame of `whole` size starts to sit in the middle of `area`; one
// larger than the area keeps its top-left corner, and so its title bar,
// inside.
QPoint CentredIn(const QRect& area, QSize whole);

// Moves `window`, made but not yet shown, so that it and its `frame` sit in
// the middle of its screen's free area.
void CentreOnScreen(QWidget& window, const QMargins& frame);
