// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include "window_system.h"

#include <QWidget>

#include <algorithm>

QMargins WindowFrame(QWidget& window)
{
    if (const std::optional<QMargins> frame = FrameFromWindowManager(window))
        return *frame;
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

double RoomIn(const QRect& area, QSize design, const QMargins& frame)
{
    const QSize room = area.size().shrunkBy(frame);
    return std::min(room.width() / double(design.width()), room.height() / double(design.height()));
}

QPoint CentredIn(const QRect& area, QSize whole)
{
    return {area.left() + std::max(0, (area.width() - whole.width()) / 2),
            area.top() + std::max(0, (area.height() - whole.height()) / 2)};
}
