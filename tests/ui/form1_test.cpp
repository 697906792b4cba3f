// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven as a user drives it: keys, mouse, real boxes, real files.

#include "expected.h"
#include "form1.h"
#include "gui_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace expected;

namespace {

QString Q(std::string_view s)
{
    return QString::fromLatin1(s.data(), int(s.size()));
}

struct MakeRow {
    int picked;  // slots with a picture, from the first
    bool soft, arrow;
    QStringList messages;
    QString text;
};

QImage Artwork(const char* name)
{
    return QImage(QFINDTESTDATA(QStringLiteral("../../ui/art/") + QLatin1String(name)))
        .convertToFormat(QImage::Format_RGB32);
}

// Resident memory of this process, or 0 where it cannot be read.
long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    const QList<QByteArray> fields =
        statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ') : QList<QByteArray>();
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

}  // namespace
Q_DECLARE_METATYPE(MakeRow)

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;
    std::unique_ptr<QSignalSpy> ended;

    template <class T = QWidget> T* child(const QString& name) const
    {
        return form->findChild<T*>(name);
    }
    QComboBox* combo(int n) const { return child<QComboBox>("Combo" + QString::number(n)); }
    QCheckBox* check(int n) const { return child<QCheckBox>("Check" + QString::number(n)); }
    QString label2() const { return child<QLabel>("Label2")->text(); }
    void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    static void press(std::initializer_list<int> keys)
    {
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
    QString focusName() const
    {
        QWidget* w = QApplication::focusWidget();
        return w && w->parentWidget() != form.get() ? w->parentWidget()->objectName()
               : w                                  ? w->objectName()
                                                    : QString();
    }
    void choose(const Choice& choice, int picked, bool soft, bool arrow)
    {
        for (int n = 1; n <= picked; ++n)
            combo(n)->setCurrentIndex(choice[std::size_t(n - 1)]);
        check(1)->setChecked(soft);
        check(2)->setChecked(arrow);
    }
    // Clicks Make and returns the boxes that it showed.
    QList<ShownBox> make()
    {
        BoxAnswerer answerer;
        click("Command1");
        return answerer.boxes;
    }
    QList<ShownBox> make(const Choice& choice, bool soft, bool arrow)
    {
        choose(choice, 12, soft, arrow);
        return make();
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        ended = std::make_unique<QSignalSpy>(form.get(), &Form1::ended);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(focusName(), QStringLiteral("Combo1"));
    }

    void cleanup()
    {
        form.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
    }

    void startsAsDesigned()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Varnel"));
        QCOMPARE(form->size(), QSize(379, 337));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(
            !(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QPoint centre = form->screen()->availableGeometry().center();
        QVERIFY((form->frameGeometry().center() - centre).manhattanLength() <= 2);
        QCOMPARE(child<QLineEdit>("Text1")->text(),
                 QStringLiteral("C:\\windows\\plocha\\Varnel.vkp"));
        for (int n = 1; n <= 12; ++n) {
            QCOMPARE(combo(n)->currentText(), "Menu picture no. " + QString::number(n));
            QCOMPARE(combo(n)->count(), 16);
            for (int i = 0; i < 16; ++i)
                QCOMPARE(combo(n)->itemText(i), Q(patch::kPictures[std::size_t(i)].name));
        }
        // Unscaled from the top-left corner: wherever no control stands, the
        // window shows the pixels of the design's JPEG, as a decoder gives them.
        const QImage picture = Artwork("background.jpg"), shown = form->grab().toImage();
        QCOMPARE(picture.size(), QSize(400, 340));
        QRegion free(form->rect());
        for (QWidget* w : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            free -= w->geometry().adjusted(-1, -1, 1, 1);
        for (const QRect& r : free)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    QCOMPARE(shown.pixel(x, y), picture.pixel(x, y));
        // The icon's four images, as the design's icon file holds them.
        QImageReader ico(QFINDTESTDATA("../../ui/art/varnel.ico"));
        QCOMPARE(ico.imageCount(), 4);
        for (int i = 0; i < 4; ico.jumpToNextImage(), ++i) {
            const QImage image = ico.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(form->windowIcon().pixmap(image.size()).toImage(), image);
        }
    }

    // The design grows with the desktop's font, all of it alike, until every
    // text fits whole; it never shrinks.
    void everyTextFitsAtAnyFontSize_data()
    {
        QTest::addColumn<int>("points");
        for (int points = 8; points <= 16; ++points)
            QTest::addRow("%d pt", points) << points;
    }

    void everyTextFitsAtAnyFontSize()
    {
        QFETCH(int, points);
        QList<QRect> design;
        for (QWidget* w : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            design << w->geometry();
        const QFont platform = QApplication::font();
        QFont font = platform;
        font.setPointSize(points);
        QApplication::setFont(font);
        Form1 window;
        QApplication::setFont(platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double factor = window.width() / 379.0;
        QVERIFY(factor >= 1);
        QVERIFY(points > 9 || factor == 1);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(qAbs(window.height() - 337 * factor) < 1);
        const QFontMetrics fm(font);
        QList<QWidget*> shown;
        int i = 0;
        for (QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect d = design[i++], g = w->geometry();
            QVERIFY2(qAbs(g.x() - d.x() * factor) < 2 && qAbs(g.y() - d.y() * factor) < 2 &&
                         qAbs(g.width() - d.width() * factor) < 2 &&
                         qAbs(g.height() - d.height() * factor) < 2,
                     qPrintable(w->objectName()));
            if (!w->isVisibleTo(&window))
                continue;
            shown << w;
            QVERIFY2(window.rect().contains(g), qPrintable(w->objectName()));
            // Each text against the room that Qt gives it.
            QStringList texts;
            QLineEdit* field = qobject_cast<QLineEdit*>(w);
            if (auto* c = qobject_cast<QComboBox*>(w)) {
                field = c->lineEdit();
                for (int k = 0; k < c->count(); ++k)
                    texts << c->itemText(k);
            }
            if (field) {
                QVERIFY2(fm.height() + 2 <= field->contentsRect().height(),
                         qPrintable(w->objectName()));
                texts << field->text();
                for (const QString& text : texts)
                    QVERIFY2(fm.horizontalAdvance(text) + 4 <= field->contentsRect().width(),
                             qPrintable(text));
            }
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                QVERIFY2(fm.height() <= g.height(), qPrintable(b->text()));
                QVERIFY2(qobject_cast<QCheckBox*>(b)
                             ? b->sizeHint().width() <= g.width()
                             : fm.horizontalAdvance(b->text()) < g.width() - 8,
                         qPrintable(b->text()));
            }
        }
        for (QWidget* a : shown)
            for (QWidget* b : shown)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " / " + b->objectName()));
        // The picture at the same scale still covers the window to its corner.
        const QImage picture = Artwork("background.jpg"), drawn = window.grab().toImage();
        const QColor corner(drawn.pixel(window.width() - 1, window.height() - 1)),
            own(picture.pixel(int((window.width() - 1) / factor),
                              int((window.height() - 1) / factor)));
        QVERIFY(qAbs(corner.green() - own.green()) < 40 && qAbs(corner.red() - own.red()) < 40);
    }

    // Tab visits every control once and comes back; Shift+Tab the reverse.
    void tabOrderIsACircle()
    {
        QStringList forward, backward;
        const int count = 18;  // all but the two hidden labels
        for (int i = 0; i < count; ++i) {
            press({Qt::Key_Tab});
            forward << focusName();
        }
        for (int i = 0; i < count; ++i) {
            press({Qt::Key_Backtab});
            backward.prepend(focusName());
        }
        QCOMPARE(forward.last(), QStringLiteral("Combo1"));
        QCOMPARE(QSet<QString>(forward.begin(), forward.end()).size(), count);
        QCOMPARE(backward, forward.mid(count - 1) + forward.mid(0, count - 1));
        for (const char* hidden : {"Label1", "Label2"})
            QCOMPARE(child(QString::fromLatin1(hidden))->focusPolicy(), Qt::NoFocus);
    }

    void makeReadsTheControls_data()
    {
        QTest::addColumn<MakeRow>("row");
        QStringList gaps;
        for (int n = 1; n <= 12; ++n)
            gaps << Q(SlotMessage(n));
        const QString noKey = QStringLiteral("You must select key");
        const auto text = [](std::string_view head) {
            return Q(Patch(head, kMenuLastTwelveReversed));
        };
        QTest::newRow("at start") << MakeRow{0, false, false, gaps + QStringList{noKey}, {}};
        QTest::newRow("slot 12 empty") << MakeRow{11, true, false, gaps.mid(11), {}};
        QTest::newRow("soft key") << MakeRow{12, true, false, {}, text(kSoftHead)};
        QTest::newRow("arrow") << MakeRow{12, false, true, {}, text(kArrowHead)};
        QTest::newRow("both") << MakeRow{12, true, true, {}, text(kBothHead)};
        QTest::newRow("no key") << MakeRow{12, false, false, {noKey}, text(kNoKeyYetHead)};
    }

    void makeReadsTheControls()
    {
        QFETCH(MakeRow, row);
        choose(kLastTwelveReversed, row.picked, row.soft, row.arrow);
        child("Command1")->setFocus();  // as the click does; that is not Make's doing
        const QImage before = form->grab().toImage();
        QStringList texts;
        for (const ShownBox& b : make()) {
            texts << b.text;
            QCOMPARE(b.title, QStringLiteral("Varnel menu pictures"));
            QCOMPARE(b.icon, QMessageBox::NoIcon);
            QCOMPARE(b.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QCOMPARE(texts, row.messages);
        QCOMPARE(label2(), row.text);
        QTRY_VERIFY(form->isActiveWindow());
        QCOMPARE(form->grab().toImage(), before);
    }

    void aTypedNameIsAGapAndKeepsTheText()
    {
        QCOMPARE(make(kFirstTwelve, true, false).size(), 0);
        TypeOver(combo(3), QStringLiteral("Games"));
        BoxAnswerer answerer;
        click("Command1");
        QCOMPARE(answerer.texts(), QStringList{Q(SlotMessage(3))});
        QCOMPARE(label2(), Q(Patch(kSoftHead, kMenuFirstTwelve)));
    }

    // Twelve picks, both keys, a path, Make and Save, all by keyboard; Enter
    // and Escape, wherever pressed, run nothing.
    void theWholeJobByKeyboard()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("men\u00fc \u83dc\u5355.vkp"));
        BoxAnswerer answerer;
        for (int n = 1; n <= 12; ++n) {
            for (int i = 0; i <= 16 - n; ++i)  // slot n gets picture 16 - n
                press({Qt::Key_Down});
            press({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab});
        }
        // On Make, "Right soft key", "Right arow" and Save, to the path.
        press({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return,
               Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab});
        QCOMPARE(focusName(), QStringLiteral("Text1"));
        TypeOver(QApplication::focusWidget(), path);
        press({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Backtab,
               Qt::Key_Backtab, Qt::Key_Space});                        // Make
        press({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space});  // Save
        QCOMPARE(answerer.boxes.size(), 0);
        QCOMPARE(ended->count(), 1);
        QVERIFY(!form->isVisible());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), Patch(kBothHead, kMenuLastTwelveReversed) + "\r\n");
    }

    void saveThatCannotWriteKeepsEveryChoice_data()
    {
        QTest::addColumn<bool>("made");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("before Make")
            << false << "Varnel.vkp"
            << "There is no patch yet. Press \"Make\" to make it, then save it.";
        QTest::newRow("missing folder") << true << "missing/Varnel.vkp"
                                        << "The patch could not be saved to \"%1\": ";
        QTest::newRow("markup and a long name") << true << "missing/<b>x</b>/" + QString(250, 'n')
                                                << "The patch could not be saved to \"%1\": ";
        // As the window offers it: meant for Windows; elsewhere no folder.
        QTest::newRow("the default path")
            << true << QString() << "The patch could not be saved to \"%1\": ";
    }

    void saveThatCannotWriteKeepsEveryChoice()
    {
        QFETCH(bool, made);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString old = QDir::currentPath(), path = file.isEmpty()
                                                            ? child<QLineEdit>("Text1")->text()
                                                            : dir.filePath(file);
        if (made)
            QCOMPARE(make(kFirstTwelve, true, false).size(), 0);
        if (!file.isEmpty())
            TypeOver(child("Text1"), path);
        QDir::setCurrent(dir.path());
        BoxAnswerer answerer;
        click("Command2");
        QDir::setCurrent(old);
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY2(answerer.boxes[0].text.startsWith(message.replace("%1", path)),
                 qPrintable(answerer.boxes[0].text));
        QCOMPARE(answerer.boxes[0].title, QStringLiteral("Varnel menu pictures"));
        QVERIFY(answerer.boxes[0].plain);
        QVERIFY(answerer.boxes[0].whole);
        QCOMPARE(ended->count(), 0);
        QVERIFY(form->isVisible());
        QVERIFY(QDir(dir.path()).isEmpty());
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(combo(n)->currentIndex(), made ? n - 1 : -1);
        QCOMPARE(check(1)->isChecked(), made);
        QCOMPARE(label2(), made ? Q(Patch(kSoftHead, kMenuFirstTwelve)) : QString());
        QCOMPARE(child<QLineEdit>("Text1")->text(), path);
    }

    // The window opens centred once; after that it stays where the user put it.
    void aSecondShowKeepsThePosition()
    {
        form->move(form->pos() + QPoint(-30, 20));
        const QPoint moved = form->pos();
        form->hide();
        form->show();
        QCOMPARE(form->pos(), moved);
    }

    // Thousands of Makes: the text follows every change and the process does not grow.
    void manyMakesFollowTheChoices()
    {
        const struct {
            const Choice& choice;
            bool soft, arrow;
            std::string text;
        } rounds[] = {
            {kFirstTwelve, true, false, Patch(kSoftHead, kMenuFirstTwelve)},
            {kLastTwelveReversed, false, true, Patch(kArrowHead, kMenuLastTwelveReversed)},
            {kGamesEverywhere, true, true, Patch(kBothHead, kMenuGamesEverywhere)},
            // No key: the last one carries over.
            {kFirstTwelve, false, false, Patch(kBothHead, kMenuFirstTwelve)}};
        long residentAfterWarmUp = 0;
        const int total = 3000, warmUp = 500;
        for (int i = 0; i < total; ++i) {
            const auto& r = rounds[i % 4];
            QCOMPARE(make(r.choice, r.soft, r.arrow).size(), r.soft || r.arrow ? 0 : 1);
            QCOMPARE(label2(), Q(r.text));
            if (i == warmUp)
                residentAfterWarmUp = ResidentKiB();
        }
        const long growth = ResidentKiB() - residentAfterWarmUp;
        qInfo("resident memory grew by %ld KiB over %d Makes after warm-up", growth,
              total - warmUp);
#if !defined(__SANITIZE_ADDRESS__)
        // The address sanitizer holds freed memory back on purpose, and finds leaks itself.
        QVERIFY2(growth < 256, qPrintable(QString::number(growth)));
#endif
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
