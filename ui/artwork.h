// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's artwork, decoded once when the artwork was made and used
// where it lies in the program, so that no image decoder runs at start.

#include <QIcon>
#include <QImage>

// The picture behind the controls, 400 x 340.
QImage BackgroundPicture();

// The program's icon, in each size of its images, up to 256 x 256 for
// large, scaled desktops.
QIcon WindowIcon();

// The path field's button: an open folder, drawn here at the size and pixel
// ratio asked for rather than taken from the style, whose icons cost a
// decoder and milliseconds at start.
QIcon ChooserIcon();
