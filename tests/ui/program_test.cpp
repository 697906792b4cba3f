// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main() starts it: its own application object, one window,
// and an end when the window's work is done.

#include "form1.h"
#include "program.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class ProgramTest : public QObject {
    Q_OBJECT

    // Runs the program; `whenShown` acts on its window once it is up.
    int run(const std::function<void(QWidget&)>& whenShown)
    {
        int argc = 1;
        char name[] = "varnel";
        char* argv[] = {name, nullptr};
        return RunProgram(argc, argv, [&](QWidget& window) {
            QTimer::singleShot(0, &window, [&] { whenShown(window); });
        });
    }

private slots:
    void startsAsDesignedAndExitEnds()
    {
        bool checked = false;
        const int code = run([&](QWidget& window) {
            checked = window.isVisible() && window.windowTitle() == QLatin1String("Varnel") &&
                      QApplication::topLevelWidgets().size() == 1;
            // Qt appends an explicitly set display name to titles on X11.
            checked = checked && QGuiApplication::applicationDisplayName() == QLatin1String("Varnel");
            const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
            for (int s : {16, 24, 32, 48})
                checked = checked && sizes.contains(QSize(s, s));
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command3")),
                              Qt::LeftButton);
        });
        QVERIFY(checked);
        QCOMPARE(code, 0);
    }

    void closingTheWindowEnds()
    {
        const int code = run([](QWidget& window) { window.close(); });
        QCOMPARE(code, 0);
    }
};

QTEST_APPLESS_MAIN(ProgramTest)
#include "program_test.moc"
