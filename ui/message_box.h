// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

// Shows `text` in a modal box with an OK button and the application's title.
// The text is shown as it stands, never read as markup; a path in it breaks
// only after a separator, and a name too long for a line anywhere, so that
// a long path is read whole.
void ShowMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon);
