// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// The least scale of the window's design at which every caption and field
// text fits its control whole, in the font the window is drawn in: at most 1
// where they already fit at the design's size.
double DesignScale(QWidget& window);

// `size` at `factor`, rounded up.
QSize Grown(QSize size, double factor);

// Multiplies the window's fixed size and every control's place and size by
// `factor`.
void ScaleDesign(QWidget& window, double factor);

// Makes the window's font smaller until every caption fits its control at
// `factor`.
void ShrinkFontToFit(QWidget& window, double factor);
