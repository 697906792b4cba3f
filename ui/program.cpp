// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "console.h"
#include "form1.h"
#include "translation.h"
#include "window_messages.h"
#include "window_system.h"

#include <QApplication>
#include <QIcon>

#include <string>
#include <string_view>

int RunProgram(int& argc, char** argv, const std::function<void(QWidget&)>& beforeShow)
{
    // Answered before Qt starts, which would need a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return Say(stdout, window_messages::kUsage), 0;
        if (arg == "--version")
            return Say(stdout, "Varnel " VARNEL_VERSION "\n"), 0;
    }
    PreferWindowSystem();
    QApplication app(argc, argv);
    LoadTranslations(app);
    // What Qt has not taken as its own option, the program does not take.
    if (argc > 1) {
        const std::string arg = argv[1];
        Say(stderr, std::string("varnel: ") +
                        (arg[0] == '-' ? "unknown option" : "unexpected argument") + " \"" + arg +
                        "\"\n" + window_messages::kUsageHint);
        return 2;
    }
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
