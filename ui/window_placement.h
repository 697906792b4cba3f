// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Moves `window`, made but not yet shown, so that it and the frame the window
// system will put around it sit in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);
