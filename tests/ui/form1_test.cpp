// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven as a user drives it: keys, mouse, real boxes, real files.

#include "design_scale.h"
#include "form1.h"
#include "slot_selector.h"
#include "window_placement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
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

// The window as a user meets it, its controls by name, and every box it
// shows answered and kept.
struct Window {
    Form1 form;
    QList<QComboBox*> combos;
    QWidget *make, *save;
    QLineEdit* path;
    BoxAnswerer answerer;
    const QTemporaryDir dir;

    Window()
    {
        form.show();
        for (int n = 1; n <= 12; ++n)
            combos << form.findChild<QComboBox*>("Combo" + QString::number(n));
        make = form.findChild<QWidget*>("Command1");
        save = form.findChild<QWidget*>("Command2");
        path = form.findChild<QLineEdit*>("Text1");
    }
    // A complete patch for the keyboard run's choices, made with the mouse.
    void Made()
    {
        for (int n = 0; n < 12; ++n)
            combos[n]->setCurrentIndex(kPicks[n]);
        form.findChild<QAbstractButton*>("Check2")->setChecked(true);
        QTest::mouseClick(make, Qt::LeftButton);
    }
    // The keyboard run's pictures.
    static constexpr int kPicks[] = {15, 6, 9, 12, 15, 2, 5, 8, 11, 14, 1, 4};
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    // Make with nothing chosen names every gap; Save before any Make, and
    // after a change since the last one, writes nothing and says why.
    void refusals()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(w.path->text(), QStringLiteral("C:\\windows\\plocha\\Varnel.vkp"));
        QTest::mouseClick(w.make, Qt::LeftButton);
        QTest::mouseClick(w.save, Qt::LeftButton);
        w.path->setText(w.dir.filePath("out.vkp"));
        w.Made();
        w.combos[11]->setCurrentIndex(1);
        QTest::mouseClick(w.save, Qt::LeftButton);
        QStringList boxes;
        for (int n = 1; n <= 12; ++n)
            boxes << Box(QMessageBox::NoIcon,
                         QStringLiteral("Menu picture no.%1 is not selected").arg(n));
        boxes << Box(QMessageBox::NoIcon, "You must select key")
              << Box(QMessageBox::Information,
                     "There is no patch yet. Press \"Make\" to make it, then save it.")
              << Box(QMessageBox::Information,
                     "The choices have changed since the patch was made. Press "
                     "\"Make\" to make it again, then save it.");
        QTRY_COMPARE(w.answerer.boxes, boxes);
        QVERIFY(w.form.isVisible());
        QCOMPARE(QDir(w.dir.path()).count(), 2u);  // "." and ".."
    }

    // A Save that fails says so in one box, with the path shown as typed and
    // never as markup, and keeps the window; Exit ends it at once.
    void failedSaveAndExit()
    {
        Window w;
        const QString missing = w.dir.filePath("missing/<b>x</b>.vkp");
        w.path->setText(missing);
        w.Made();
        QTest::mouseClick(w.save, Qt::LeftButton);
        QTRY_COMPARE(w.answerer.boxes.size(), 1);
        QVERIFY(w.answerer.boxes[0].startsWith(
            Box(QMessageBox::Critical, "The patch could not be saved to \"" + missing + "\": ")));
        QVERIFY(w.form.isVisible());
        QTest::mouseClick(w.form.findChild<QWidget*>("Command3"), Qt::LeftButton);
        QVERIFY(!w.form.isVisible());
    }

    // The path field's button: the dialog offers the path there, and puts
    // what is chosen into the field; it saves nothing.
    void chooseFile()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.path->setText(w.dir.filePath("draft.vkp"));
        QString offered;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                offered = dialog->windowTitle() + ' ' + dialog->selectedFiles().join(' ') + ' ' +
                          dialog->selectedNameFilter();
                dialog->selectFile("chosen.vkp");
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        w.path->setFocus();
        QTest::keyClick(w.path, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(offered,
                 "Save the patch as " + w.dir.filePath("draft.vkp") + " Patch files (*.vkp)");
        QCOMPARE(w.path->text(), QDir::toNativeSeparators(w.dir.filePath("chosen.vkp")));
        QCOMPARE(QDir(w.dir.path()).count(), 2u);
    }

    // From start to a saved file by keys alone: twelve pictures picked with
    // the arrow keys, "Right arow" alone, a pick typed over and a turn of the
    // wheel (neither is a pick), and a Save that writes the exact bytes to a
    // name in any script and ends.
    // Enter and Escape, wherever pressed, run nothing.
    void keyboardRun()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QTRY_VERIFY(w.combos[0]->hasFocus());
        const QString saved = w.dir.filePath(QStringLiteral("men\u00fc \u83dc\u5355.vkp"));
        // Presses of Down from no picture (past the list's end too, where
        // Down stays), and the picture.
        const int downs[] = {17, 7, 10, 13, 17, 3, 6, 9, 12, 15, 2, 5};
        const QStringList names = QStringLiteral(
                                      "Help WriteMessage Games Profiles Help Surf/Fun "
                                      "Setup MP3Player Card-Explorer Divert Message Record")
                                      .split(' ');
        for (int n = 0; n < 12; ++n) {
            QCOMPARE(w.combos[n]->currentText(), QStringLiteral("Menu picture no. %1").arg(n + 1));
            for (int i = 0; i < downs[n]; ++i)
                Press({Qt::Key_Down});
            QCOMPARE(w.combos[n]->currentText(), names[n]);
            Press({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab});
        }
        // On Make: to "Right soft key", "Right arow" (ticked), Save, the path.
        Press({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab,
               Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), w.path);
        w.path->setText(saved);  // as pasted
        Press({Qt::Key_Return, Qt::Key_Escape});
        // Typed text is no pick, even over the first entry, whatever Enter or
        // the focus leaving would make of it; nor is a turn of the wheel.
        w.combos[0]->setFocus();
        for (int i = 0; i < 15; ++i)
            Press({Qt::Key_Up});
        QTest::keyClick(w.combos[0], Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w.combos[0], names[0]);
        Press({Qt::Key_Return, Qt::Key_Tab});
        QCOMPARE(w.combos[0]->currentText(), names[0]);
        QWheelEvent wheel({5, 5}, w.combos[1]->mapToGlobal(QPointF(5, 5)), {}, {0, 120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.combos[1], &wheel);
        QTest::mouseClick(w.make, Qt::LeftButton);
        for (int i = 0; i < downs[0] - 1; ++i)
            QTest::keyClick(w.combos[0], Qt::Key_Down);
        QTest::mouseClick(w.make, Qt::LeftButton);
        w.path->setFocus();
        Press({Qt::Key_Backtab, Qt::Key_Space});
        QVERIFY(!w.form.isVisible());
        QCOMPARE(w.answerer.boxes,
                 QStringList{Box(QMessageBox::NoIcon, "Menu picture no.1 is not selected")});
        QFile file(saved), expected(VARNEL_KEYBOARD_VKP);
        QVERIFY(file.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected.readAll());
        QCOMPARE(QDir(w.dir.path()).count(), 3u);  // that file, "." and ".."
    }

    // Every text of the window and its boxes is looked up in the user's
    // language: here one that marks each text it is asked for. Only the
    // window's name, the pictures' (the phone's own) and the default path
    // stay as they are.
    void everyTextIsTranslated()
    {
        struct Marking : QTranslator {
            QString translate(const char* context, const char* source, const char*,
                              int) const override
            {
                return QByteArray(context) == "Form1" || QByteArray(context) == "patch"
                           ? "<" + QString::fromUtf8(source) + ">"
                           : QString();
            }
            bool isEmpty() const override { return false; }
        } marking;
        QCoreApplication::installTranslator(&marking);
        QStringList shown;
        {
            Window w;
            w.path->setText(w.dir.filePath("missing/x.vkp"));
            QTest::mouseClick(w.make, Qt::LeftButton);
            QTest::mouseClick(w.save, Qt::LeftButton);
            w.Made();
            QTest::mouseClick(w.save, Qt::LeftButton);
            QTRY_COMPARE(w.answerer.boxes.size(), 15);
            for (const QString& box : w.answerer.boxes)
                shown << box.left(box.indexOf(" [")) << box.mid(box.indexOf("] ") + 2);
            for (const auto* button : w.form.findChildren<QAbstractButton*>())
                shown << button->text();
            for (const auto* combo : w.form.findChildren<SlotSelector*>())
                shown << combo->fieldText();
            for (const auto* action : w.form.findChildren<QAction*>())
                shown << action->text()
                      << action->toolTip().remove(QRegularExpression(" \\(.*\\)$"));
            shown << w.path->accessibleName();
        }
        QCoreApplication::removeTranslator(&marking);
        for (const QString& text : shown)
            QVERIFY2(text.startsWith('<') && text.endsWith('>'), qPrintable(text));
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
                            const QByteArray row =
                                QString::asprintf(
                                    "%dx%d at %g, panel %d, frame %d, wanted %g: %d,%d %dx%d",
                                    screen.width(), screen.height(), ratio, panel, frame.top(),
                                    wanted, placed.x(), placed.y(), whole.width(), whole.height())
                                    .toUtf8();
                            QVERIFY2(area.contains(placed), row.constData());
                            QVERIFY2(scale == wanted || area.width() - whole.width() <= 1 ||
                                         area.height() - whole.height() <= 1,
                                     row.constData());
                            const QMargins gaps(
                                placed.left() - area.left(), placed.top() - area.top(),
                                area.right() - placed.right(), area.bottom() - placed.bottom());
                            QVERIFY2(std::abs(gaps.left() - gaps.right()) <= 1 &&
                                         std::abs(gaps.top() - gaps.bottom()) <= 1,
                                     row.constData());
                        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
