// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main() starts it: its own application object, one window,
// and an end when the window's work is done.

#include "program.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class ProgramTest : public QObject {
    Q_OBJECT

    // Runs the program; `whenShown` acts on its window once it is up.
    static int run(const std::function<void(QWidget&)>& whenShown)
    {
        int argc = 1;
        char name[] = "varnel";
        char* argv[] = {name, nullptr};
        return RunProgram(argc, argv, [&](QWidget& window) {
            QTimer::singleShot(0, &window, [&] { whenShown(window); });
        });
    }

private slots:
    void oneWindowWithItsIconAndExitEnds()
    {
        QStringList seen;
        QCOMPARE(run([&](QWidget& window) {
                     // Qt appends a display name set apart to titles on X11.
                     // The desktop finds the program's entry, and its icon, by this name.
                     seen << window.windowTitle() << QGuiApplication::applicationDisplayName()
                          << QGuiApplication::desktopFileName()
                          << QString::number(QApplication::topLevelWidgets().size());
                     for (const QSize& s : QApplication::windowIcon().availableSizes())
                         seen << QString::number(s.width());
                     window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
                 }),
                 0);
        QCOMPARE(seen,
                 (QStringList{"Varnel", "Varnel", VARNEL_APP_ID, "1", "16", "24", "32", "48"}));
    }

    void closingTheWindowEnds()
    {
        QCOMPARE(run([](QWidget& window) { window.close(); }), 0);
    }
};

QTEST_APPLESS_MAIN(ProgramTest)
#include "program_test.moc"
