// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "first_frame.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once the paint in progress has been flushed to the screen.
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                // Stays a moment where the window system has more to say.
                QTimer::singleShot(qEnvironmentVariableIntValue("VARNEL_PROBE_LINGER_MS"),
                                   [] { ::_exit(0); });
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

void ReportFirstFrame(QWidget& window)
{
    window.installEventFilter(new FirstPaint(&window));
}
