// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a window of the same size holding one push button.
#include "first_frame.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(379, 337);
    window.setWindowTitle(QStringLiteral("Baseline"));
    QPushButton button(QStringLiteral("Make"), &window);
    button.setGeometry(216, 184, 73, 49);
    ReportFirstFrame(window);
    window.show();
    return app.exec();
}
