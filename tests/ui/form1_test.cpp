// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven as a user drives it: keys, mouse, real boxes, real files.

#include "expected.h"
#include "form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace expected;

namespace {

// What a message box showed: `plain`, shown as it stands, never read as
// markup; `whole`, every glyph of it on the screen, however long.
struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool plain, whole;
};

int Ink(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    return dark;
}

// Clicks OK on every modal message box as soon as it is up, and keeps what
// it saw. Anything else that turns up modal is closed, so that an
// unexpected window cannot hang a test.
struct BoxAnswerer : QTimer {
    QList<ShownBox> boxes;
    BoxAnswerer()
    {
        connect(this, &QTimer::timeout, [this] { poll(); });
        start(2);
    }
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (modal && !box)
            modal->close();
        if (!box || !box->isVisible())
            return;
        // As much ink as the whole text drawn in the label's room.
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QImage all(label->size(), QImage::Format_RGB32);
        all.fill(Qt::white);
        QPainter(&all).drawText(all.rect(), Qt::TextWrapAnywhere, box->text());
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                      box->textFormat() == Qt::PlainText && label->textFormat() == Qt::PlainText,
                      label->width() < box->screen()->availableGeometry().width() &&
                          Ink(label->grab().toImage()) > Ink(all) * 9 / 10});
        QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        if (owner)  // as a window manager gives the activation back
            owner->activateWindow();
    }
};

// Selects all of the field and types `text` over it, key by key; other
// than ASCII characters arrive as key events that carry just their text.
void TypeOver(QWidget* widget, const QString& text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget,
                            c.unicode() < 0x80 ? QTest::asciiToKey(char(c.unicode()))
                                               : Qt::Key_unknown,
                            QString(c), Qt::NoModifier);
}

// The design's artwork as a decoder reads it from the sources.
QImage Artwork(const QString& name)
{
    return QImage(QFINDTESTDATA("../../ui/art/" + name)).convertToFormat(QImage::Format_RGB32);
}

// Resident memory of this process, or 0 where it cannot be read.
long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    const QList<QByteArray> fields =
        statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ') : QList<QByteArray>();
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

struct MakeRow {
    int picked;  // slots with a picture, from the first
    bool typed;  // "Games" typed into slot 3
    bool soft, arrow;
    QStringList messages;
    QString text;
};

}  // namespace
Q_DECLARE_METATYPE(MakeRow)

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;
    const QFont platform = QApplication::font();

    template <class T = QWidget> T* child(const QString& name) const
    {
        return form->findChild<T*>(name);
    }
    QComboBox* combo(int n) const { return child<QComboBox>("Combo" + QString::number(n)); }
    QString label2() const { return child<QLabel>("Label2")->text(); }
    static void press(std::initializer_list<int> keys)
    {
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
    QString focusName() const
    {
        const QWidget* w = QApplication::focusWidget();
        return w->parentWidget() == form.get() ? w->objectName() : w->parentWidget()->objectName();
    }
    // Pictures in the first `picked` slots, none in the rest.
    void choose(const Choice& choice, int picked, bool soft, bool arrow)
    {
        for (int n = 1; n <= 12; ++n)
            combo(n)->setCurrentIndex(n <= picked ? choice[std::size_t(n - 1)] : -1);
        child<QCheckBox>("Check1")->setChecked(soft);
        child<QCheckBox>("Check2")->setChecked(arrow);
    }
    // Clicks Make and returns the boxes that it showed.
    QList<ShownBox> make()
    {
        BoxAnswerer answerer;
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
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
        form->show();
        form->activateWindow();  // a window manager gives new windows no focus of their own
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(focusName(), QStringLiteral("Combo1"));
    }

    void cleanup()
    {
        form.reset();
        QApplication::setFont(platform);
        QApplication::setFont(platform, "QAbstractButton");
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
    }

    void startsAsDesigned()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Varnel"));
        QCOMPARE(form->minimumSize(), QSize(379, 337));
        QCOMPARE(form->maximumSize(), QSize(379, 337));
        QVERIFY(
            !(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QPoint centre = form->screen()->availableGeometry().center();
        // Centred with its frame, once the window system has told the frame.
        QTRY_VERIFY_WITH_TIMEOUT(form->frameGeometry() != form->geometry(), 20000);
        QVERIFY((form->frameGeometry().center() - centre).manhattanLength() <= 2);
        QCOMPARE(child<QLineEdit>("Text1")->text(),
                 QStringLiteral("C:\\windows\\plocha\\Varnel.vkp"));
        // Each selector lists the catalogue's names, a row's place being its code's.
        const QStringList names =
            QStringLiteral(
                "Organiser Message Surf/Fun Audio Record Setup WriteMessage Java "
                "MP3Player Games Calendar Card-Explorer Profiles Time/Charge Divert Help")
                .split(' ');
        for (int n = 1; n <= 12; ++n) {
            QCOMPARE(combo(n)->currentText(), "Menu picture no. " + QString::number(n));
            QStringList items;
            for (int i = 0; i < combo(n)->count(); ++i)
                items << combo(n)->itemText(i);
            QCOMPARE(items, names);
        }
        // Unscaled from the top-left corner: wherever no control stands, the
        // window shows the pixels of the design's JPEG.
        const QImage picture = Artwork("background.jpg"), shown = form->grab().toImage();
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
        // Tab visits the 18 shown controls once each and comes back;
        // Shift+Tab the reverse. The two labels take no focus.
        QStringList forward, backward;
        for (int i = 0; i < 18; ++i) {
            press({Qt::Key_Tab});
            forward << focusName();
        }
        for (int i = 0; i < 18; ++i) {
            press({Qt::Key_Backtab});
            backward.prepend(focusName());
        }
        QCOMPARE(QSet<QString>(forward.begin(), forward.end()).size(), 18);
        QCOMPARE(backward, forward.mid(17) + forward.mid(0, 17));
        QCOMPARE(forward.last(), QStringLiteral("Combo1"));
    }

    // The design grows with the desktop's font, all of it alike, until every
    // text fits whole; it never shrinks.
    void everyTextFitsAtAnyFontSize_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("buttonPoints");  // 0: as the rest
        QTest::addColumn<int>("stretch");       // per cent of the usual width
        for (int points = 8; points <= 16; ++points)
            QTest::addRow("%d pt", points) << points << 0 << 100;
        // Where the buttons' font is small, the fields set the scale.
        QTest::newRow("16 pt, buttons at 8 pt") << 16 << 8 << 100;
        // Where letters are wide but no taller, widths set it.
        QTest::newRow("9 pt, twice as wide") << 9 << 0 << 200;
    }

    void everyTextFitsAtAnyFontSize()
    {
        QFETCH(int, points);
        QFETCH(int, buttonPoints);
        QFETCH(int, stretch);
        // The desktop's font for as long as the window lives (cleanup()
        // restores it): going back would shrink every text to fit again.
        QFont font = platform, buttons = platform;
        font.setPointSize(points);
        font.setStretch(stretch);
        buttons.setPointSize(buttonPoints ? buttonPoints : points);
        buttons.setStretch(stretch);
        QApplication::setFont(font);
        QApplication::setFont(buttons, "QAbstractButton");
        Form1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double factor = window.width() / 379.0;
        QVERIFY(factor >= 1 && (points > 9 || stretch > 100 || factor == 1));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(qAbs(window.height() - 337 * factor) < 1);
        const QList<QWidget*> controls =
            window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        const QList<QWidget*> design =
            form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < controls.size(); ++i) {
            QWidget* w = controls[i];
            const QRect d = design[i]->geometry(), g = w->geometry();
            const auto near = [factor](int a, int b) { return qAbs(a - b * factor) < 2; };
            QVERIFY2(near(g.x(), d.x()) && near(g.y(), d.y()) && near(g.width(), d.width()) &&
                         near(g.height(), d.height()),
                     qPrintable(w->objectName()));
            if (!w->isVisibleTo(&window))
                continue;
            QVERIFY2(window.rect().contains(g), qPrintable(w->objectName()));
            for (QWidget* other : controls)
                QVERIFY(other == w || !other->isVisibleTo(&window) ||
                        !g.intersects(other->geometry()));
            // Each text against the room that Qt gives it: a field shows its
            // text's end while its start shows too; a check box has the room
            // its size hint asks for; a button's caption lies inside it.
            QStringList texts;
            QLineEdit* field = qobject_cast<QLineEdit*>(w);
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int k = 0; k < c->count(); ++k)
                    (texts << c->itemText(k)), field = c->lineEdit();
            for (const QString& text : field ? texts << field->text() : texts) {
                // The field scrolls when its cursor goes past the room it has.
                const auto cursor = [field](int at) {
                    field->setCursorPosition(at);
                    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                };
                field->setText(text);
                const QRect start = cursor(0), end = cursor(int(text.size()));
                QCOMPARE(end.x() - start.x(), field->fontMetrics().horizontalAdvance(text));
                QVERIFY2(start.top() >= 0 && start.bottom() <= field->contentsRect().bottom(),
                         qPrintable(text));
            }
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                QVERIFY2(b->fontMetrics().height() <= g.height(), qPrintable(b->text()));
                QVERIFY2(qobject_cast<QCheckBox*>(b)
                             ? b->sizeHint().width() <= g.width()
                             : b->fontMetrics().horizontalAdvance(b->text()) < g.width(),
                         qPrintable(b->text()));
            }
        }
        // The picture at the same scale still covers the window to its corner.
        const QColor corner(window.grab().toImage().pixel(window.width() - 1, window.height() - 1)),
            own(Artwork("background.jpg")
                    .pixel(int((window.width() - 1) / factor),
                           int((window.height() - 1) / factor)));
        QVERIFY(qAbs(corner.green() - own.green()) < 40 && qAbs(corner.red() - own.red()) < 40);
    }

    void makeReadsTheControls_data()
    {
        QTest::addColumn<MakeRow>("row");
        QStringList gaps;
        for (int n = 1; n <= 12; ++n)
            gaps << QString::fromStdString(SlotMessage(n));
        const QString noKey = QStringLiteral("You must select key");
        const auto text = [](std::string_view head) {
            return QString::fromStdString(Patch(head, kMenuLastTwelveReversed));
        };
        // clang-format off
        QTest::newRow("at start")      << MakeRow{0, false, false, false, gaps + QStringList{noKey}, {}};
        QTest::newRow("slot 12 empty") << MakeRow{11, false, true, false, gaps.mid(11), {}};
        QTest::newRow("typed name")    << MakeRow{12, true, true, false, {gaps[2]}, {}};
        QTest::newRow("soft key")      << MakeRow{12, false, true, false, {}, text(kSoftHead)};
        QTest::newRow("arrow")         << MakeRow{12, false, false, true, {}, text(kArrowHead)};
        QTest::newRow("both")          << MakeRow{12, false, true, true, {}, text(kBothHead)};
        QTest::newRow("no key")        << MakeRow{12, false, false, false, {noKey}, text(kNoKeyYetHead)};
        // clang-format on
    }

    // Make changes nothing that the user can see; its boxes are all it shows.
    void makeReadsTheControls()
    {
        QFETCH(MakeRow, row);
        choose(kLastTwelveReversed, row.picked, row.soft, row.arrow);
        if (row.typed)
            TypeOver(combo(3), QStringLiteral("Games"));
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

    // Thousands of Makes: the text follows every change and the process does
    // not grow. (The address sanitizer holds freed memory back on purpose,
    // and finds leaks itself.)
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
        for (int i = 0; i < 3000; ++i) {
            const auto& r = rounds[i % 4];
            QCOMPARE(make(r.choice, r.soft, r.arrow).size(), r.soft || r.arrow ? 0 : 1);
            QCOMPARE(label2(), QString::fromStdString(r.text));
            if (i == 500)
                residentAfterWarmUp = ResidentKiB();
        }
        const long growth = ResidentKiB() - residentAfterWarmUp;
        if (!residentAfterWarmUp)
            QSKIP("this system does not tell the resident memory; the texts were right");
        qInfo("resident memory grew by %ld KiB over 2500 Makes after warm-up", growth);
#if !defined(__SANITIZE_ADDRESS__)
        QVERIFY2(growth < 256, qPrintable(QString::number(growth)));
#endif
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
        QVERIFY(!form->isVisible());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), Patch(kBothHead, kMenuLastTwelveReversed) + "\r\n");
    }

    // A Save that cannot write says why in a box, ends nothing, leaves
    // nothing in the folder and keeps every choice.
    void saveThatCannotWriteSaysWhy()
    {
        QTemporaryDir dir;
        const QString failed = QStringLiteral("The patch could not be saved to \"%1\": ");
        const struct {
            bool made;
            QString path, message;
        } rows[] = {{false, dir.filePath("Varnel.vkp"),
                     "There is no patch yet. Press \"Make\" to make it, then save it."},
                    {true, dir.filePath("missing/<b>x</b>/" + QString(250, 'n')), failed},
                    // The default path, meant for Windows; elsewhere it names no folder.
                    {true, child<QLineEdit>("Text1")->text(), failed}};
        for (auto r : rows) {
            choose(kFirstTwelve, r.made ? 12 : 0, true, false);
            if (r.made)
                QCOMPARE(make().size(), 0);
            TypeOver(child("Text1"), r.path);
            const QString old = QDir::currentPath();
            QDir::setCurrent(dir.path());
            BoxAnswerer answerer;
            QTest::mouseClick(child("Command2"), Qt::LeftButton);
            QDir::setCurrent(old);
            QCOMPARE(answerer.boxes.size(), 1);
            const ShownBox& box = answerer.boxes[0];
            QVERIFY2(box.text.startsWith(r.message.replace("%1", r.path)), qPrintable(box.text));
            QCOMPARE(box.title, QStringLiteral("Varnel menu pictures"));
            QVERIFY(box.plain && box.whole);
            QVERIFY(form->isVisible());
            QCOMPARE(
                QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList());
            // Every choice stays.
            for (int n = 1; n <= 12; ++n)
                QCOMPARE(combo(n)->currentIndex(), r.made ? n - 1 : -1);
            QCOMPARE(label2(), r.made ? QString::fromStdString(Patch(kSoftHead, kMenuFirstTwelve))
                                      : QString());
            QCOMPARE(child<QLineEdit>("Text1")->text(), r.path);
        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
