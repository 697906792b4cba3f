// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <QWidget>

#include <windows.h>

// In the screen's own pixels: at a scale such as 150 %, Qt's positions step by
// one and a half of them and its frame margins are rounded, which put the
// window up to two pixels off the middle.
void CentreOnScreen(QWidget& window)
{
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    RECT frame{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(handle, &frame) ||
        !GetMonitorInfoW(MonitorFromWindow(handle, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& area = monitor.rcWork;
    SetWindowPos(handle, nullptr,
                 area.left + (area.right - area.left - (frame.right - frame.left)) / 2,
                 area.top + (area.bottom - area.top - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
