// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <QWidget>

#include <windows.h>

// In the screen's own pixels: at a scale such as 150 %, Qt's positions step by
// one and a half of them and its frame margins are rounded, which put the
// window up to two pixels off the middle.
void CentreOnScreen(QWidget& window, const QMargins&)
{
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    RECT frame{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(handle, &frame) ||
        !GetMonitorInfoW(MonitorFromWindow(handle, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& area = monitor.rcWork;
    const QPoint corner =
        CentredIn(QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1)),
                  QSize(frame.right - frame.left, frame.bottom - frame.top));
    SetWindowPos(handle, nullptr, corner.x(), corner.y(), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
