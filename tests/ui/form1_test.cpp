// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven as a user drives it: keys, mouse, real boxes, real files.

#include "design_scale.h"
#include "form1.h"
#include "window_placement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

// A box as the user met it; its text is shown as it stands, never as markup.
QString Box(int icon, const QString& text, const QString& title = "Varnel menu pictures",
            int buttons = QMessageBox::Ok, int format = Qt::PlainText)
{
    return title + QStringLiteral(" [%1, %2, %3] ").arg(icon).arg(buttons).arg(format) + text;
}

// Clicks OK on every modal message box as soon as it is up, and keeps what
// it showed.
struct BoxAnswerer : QTimer {
    QStringList boxes;
    BoxAnswerer()
    {
        connect(this, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            boxes << Box(box->icon(), box->text(), box->windowTitle(), box->standardButtons(),
                         box->textFormat());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            box->parentWidget()->window()->activateWindow();  // as a window manager would
        });
        start(2);
    }
};

// Presses `keys` where the focus is, once a box has given it back.
void Press(std::initializer_list<int> keys)
{
    for (int key : keys) {
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    // From start to a saved file: Make with nothing chosen, Save before
    // Make, twelve pictures picked with the arrow keys, "Right arow" alone, a
    // pick typed over, a Save that fails, a file chosen with the path
    // field's button, a Save that writes and ends; and Exit.
    // Enter and Escape, wherever pressed, run nothing.
    void theWholeRun()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QList<QComboBox*> combos;
        for (int n = 1; n <= 12; ++n)
            combos << form.findChild<QComboBox*>("Combo" + QString::number(n));
        auto *make = form.findChild<QWidget*>("Command1"),
             *save = form.findChild<QWidget*>("Command2");
        auto* path = form.findChild<QLineEdit*>("Text1");
        QTRY_VERIFY(combos[0]->hasFocus());
        QCOMPARE(path->text(), QStringLiteral("C:\\windows\\plocha\\Varnel.vkp"));
        const QTemporaryDir dir;
        const QString missing = dir.filePath("missing/<b>x</b>.vkp"),
                      saved = dir.filePath(QStringLiteral("men\u00fc \u83dc\u5355.vkp"));
        BoxAnswerer answerer;
        QTest::mouseClick(make, Qt::LeftButton);
        QTest::mouseClick(save, Qt::LeftButton);

        combos[0]->setFocus();
        // The keyboard run's choices: presses of Down from no picture (past
        // the list's end too, where Down stays), and the picture.
        const int downs[] = {17, 7, 10, 13, 17, 3, 6, 9, 12, 15, 2, 5};
        const QStringList names = QStringLiteral(
                                      "Help WriteMessage Games Profiles Help Surf/Fun "
                                      "Setup MP3Player Card-Explorer Divert Message Record")
                                      .split(' ');
        for (int n = 0; n < 12; ++n) {
            QCOMPARE(combos[n]->currentText(), QStringLiteral("Menu picture no. %1").arg(n + 1));
            for (int i = 0; i < downs[n]; ++i)
                Press({Qt::Key_Down});
            QCOMPARE(combos[n]->currentText(), names[n]);
            Press({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab});
        }
        // On Make: to "Right soft key", "Right arow" (ticked), Save, the path.
        Press({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab,
               Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), path);
        QTest::keyClick(path, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(path, missing);
        Press({Qt::Key_Return, Qt::Key_Escape});
        // Typed text is no pick, even over the first entry, whatever Enter or
        // the focus leaving would make of it; nor is a turn of the wheel.
        combos[0]->setFocus();
        for (int i = 0; i < 15; ++i)
            Press({Qt::Key_Up});
        QTest::keyClick(combos[0], Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(combos[0], names[0]);
        Press({Qt::Key_Return, Qt::Key_Tab});
        QCOMPARE(combos[0]->currentText(), names[0]);
        QWheelEvent wheel({5, 5}, combos[1]->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combos[1], &wheel);
        QTest::mouseClick(make, Qt::LeftButton);
        // A patch made, then a pick changed: Save refuses until Make again.
        for (int i = 0; i < downs[0] - 2; ++i)
            QTest::keyClick(combos[0], Qt::Key_Down);
        QTest::mouseClick(make, Qt::LeftButton);
        QTest::keyClick(combos[0], Qt::Key_Down);
        QTest::mouseClick(save, Qt::LeftButton);
        QTest::mouseClick(make, Qt::LeftButton);
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(form.isVisible());

        // The path field's button: the dialog offers the path there, and puts
        // what is chosen into the field; it saves nothing.
        path->setText(dir.filePath("draft.vkp"));
        QString offered;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                offered = dialog->windowTitle() + ' ' + dialog->selectedFiles().join(' ') + ' ' +
                          dialog->selectedNameFilter();
                dialog->selectFile("chosen.vkp");
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        QTest::keyClick(path, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(offered,
                 "Save the patch as " + dir.filePath("draft.vkp") + " Patch files (*.vkp)");
        QCOMPARE(path->text(), QDir::toNativeSeparators(dir.filePath("chosen.vkp")));
        form.activateWindow();  // as a window manager would

        path->setText(saved);  // as pasted
        path->setFocus();
        Press({Qt::Key_Backtab, Qt::Key_Space});
        QVERIFY(!form.isVisible());
        QStringList boxes;
        for (int n = 1; n <= 12; ++n)
            boxes << Box(QMessageBox::NoIcon,
                         QStringLiteral("Menu picture no.%1 is not selected").arg(n));
        // The reason of the failed Save is the system's own, in its words.
        const int reason = answerer.boxes.last().lastIndexOf("\": ") + 3;
        QVERIFY(reason > 2 && reason < answerer.boxes.last().size());
        answerer.boxes.last().truncate(reason);
        QCOMPARE(answerer.boxes,
                 boxes << Box(QMessageBox::NoIcon, "You must select key")
                       << Box(QMessageBox::Information,
                              "There is no patch yet. Press \"Make\" to make it, then save it.")
                       << Box(QMessageBox::NoIcon, "Menu picture no.1 is not selected")
                       << Box(QMessageBox::Information,
                              "The choices have changed since the patch was made. Press "
                              "\"Make\" to make it again, then save it.")
                       << Box(QMessageBox::Critical,
                              "The patch could not be saved to \"" + missing + "\": "));
        QFile file(saved), expected(VARNEL_KEYBOARD_VKP);
        QVERIFY(file.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected.readAll());
        QCOMPARE(QDir(dir.path()).count(), 3u);  // that file, "." and ".."

        Form1 other;  // where Exit ends it at once
        other.show();
        QTest::mouseClick(other.findChild<QWidget*>("Command3"), Qt::LeftButton);
        QVERIFY(!other.isVisible());
    }

    // On any screen, scale and font: the window as large as its captions
    // want where the screen's free area holds it whole, frame and all, else
    // as large as it holds; in the middle either way.
    void fitsTheScreen()
    {
        const QSize design(379, 337);
        const QMargins frames[] = {{}, {1, 21, 1, 1}, {3, 30, 3, 3}, {8, 31, 8, 8}};
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 720), QSize(1366, 768)})
            for (const double ratio : {1.0, 1.25, 1.5, 2.0})
                for (const int panel : {0, 32, 48})
                    for (const QMargins& frame : frames)
                        for (const double wanted : {1.0, 1.19, 1.43, 1.53, 2.2}) {
                            const QRect area(0, panel, int(screen.width() / ratio),
                                             int(screen.height() / ratio) - panel);
                            const double scale = std::min(wanted, RoomIn(area, design, frame));
                            const QSize whole = Grown(design, scale).grownBy(frame);
                            const QRect placed(CentredIn(area, whole), whole);
                            const QString row = QStringLiteral(
                                                    "%1x%2 at %3, panel %4, frame %5, "
                                                    "wanted %6: %7,%8 %9x%10")
                                                    .arg(screen.width())
                                                    .arg(screen.height())
                                                    .arg(ratio)
                                                    .arg(panel)
                                                    .arg(frame.top())
                                                    .arg(wanted)
                                                    .arg(placed.x())
                                                    .arg(placed.y())
                                                    .arg(whole.width())
                                                    .arg(whole.height());
                            QVERIFY2(area.contains(placed), qPrintable(row));
                            QVERIFY2(scale == wanted || area.width() - whole.width() <= 1 ||
                                         area.height() - whole.height() <= 1,
                                     qPrintable(row));
                            const QMargins gaps(
                                placed.left() - area.left(), placed.top() - area.top(),
                                area.right() - placed.right(), area.bottom() - placed.bottom());
                            QVERIFY2(std::abs(gaps.left() - gaps.right()) <= 1 &&
                                         std::abs(gaps.top() - gaps.bottom()) <= 1,
                                     qPrintable(row));
                        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
