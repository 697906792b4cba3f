// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program runs as a Wayland client, Qt draws the title bars itself.

#include <QString>

class QWidget;

// Qt's title bar offers to maximise any window, and a compositor that
// maximises one that cannot grow ends the program. On Wayland `window`, once
// its size is set, may grow, and goes back to that size at once.
void SurviveMaximiseOnWayland(QWidget& window);

// The width a box needs for its whole title in Qt's own title bar, on
// Wayland; 0 elsewhere.
int WaylandTitleBarWidth(const QString& title);
