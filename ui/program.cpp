// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "form1.h"
#include "window_system.h"

#include <QApplication>
#include <QIcon>

int RunProgram(int& argc, char** argv, const std::function<void(QWidget&)>& beforeShow)
{
    PreferWindowSystem();
    QApplication app(argc, argv);
    // No display name: on X11 Qt would append it to the window's title.
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VARNEL_APP_ID));

    Form1 window;
    QApplication::setWindowIcon(window.windowIcon());
    if (beforeShow)
        beforeShow(window);
    window.show();
    return app.exec();
}
