// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include "window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window)
{
    const QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    // Where Qt knows the frame, moving places it; where the window manager
    // told it, Qt does not know it yet and moving places the client area.
    QRect whole = window.frameGeometry();
    QPoint offset;
    if (const std::optional<QMargins> frame = FrameFromWindowManager(window)) {
        whole = window.geometry().marginsAdded(*frame);
        offset = QPoint(frame->left(), frame->top());
    }
    whole.moveCenter(s->availableGeometry().center());
    window.move(whole.topLeft() + offset);
}
