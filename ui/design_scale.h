// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// How much the window's design must grow for every caption and field text
// to fit its control whole, in the font the window is drawn in: exactly 1
// where they already fit, never less.
double DesignScale(QWidget& window);

// Multiplies the window's fixed size and every control's place and size by
// `factor`.
void ScaleDesign(QWidget& window, double factor);
